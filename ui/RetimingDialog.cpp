#include "ui/RetimingDialog.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

RetimingDialog::RetimingDialog(QWidget* parent) : PersistentPanel(&Settings::retimingGeometry, parent)
{
    setWindowTitle(QStringLiteral("Retiming Tool"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* absolute = new QHBoxLayout;
    for (int frames = 1; frames <= 6; ++frames)
        absoluteButtons << AddButton(absolute, QStringLiteral("%1f").arg(frames), 30, SLOT(RetimeAbsolute()));
    layout->addLayout(absolute);

    auto* relative = new QHBoxLayout;
    for (int frames : {-2, -1})
        relativeButtons << AddButton(relative, QStringLiteral("%1f").arg(frames), 36, SLOT(RetimeRelative()));
    relative->addStretch();
    for (int frames : {1, 2})
        relativeButtons << AddButton(relative, QStringLiteral("+%1f").arg(frames), 36, SLOT(RetimeRelative()));
    layout->addLayout(relative);

    moveToNextFrame = new QCheckBox(QStringLiteral("Move to Next Frame"));
    connect(moveToNextFrame, SIGNAL(clicked()), this, SLOT(OnMoveToNextFrameToggled()));
    layout->addWidget(moveToNextFrame);
}

QPushButton* RetimingDialog::AddButton(QHBoxLayout* row, const QString& text, int width, const char* slot)
{
    auto* button = new QPushButton(text);
    row->addWidget(button);
    button->setFixedWidth(width);
    connect(button, SIGNAL(clicked()), this, slot);
    return button;
}

void RetimingDialog::showEvent(QShowEvent* event)
{
    moveToNextFrame->setChecked(Settings::retimeMoveToNextFrame);
    PersistentPanel::showEvent(event);
}

void RetimingDialog::RetimeAbsolute()
{
    Retime(false);
}

void RetimingDialog::RetimeRelative()
{
    Retime(true);
}

// The button's text less its "f" is the frame count ("+1" reads as 1).
void RetimingDialog::Retime(bool relative)
{
    auto* button = qobject_cast<QPushButton*>(sender());
    if (!button)
        return;
    QString text = button->text();
    text.chop(1);
    bool ok = false;
    const int frames = text.toInt(&ok, 10);
    if (ok)
        MayaUtil::RetimeFrames(frames, relative, moveToNextFrame->isChecked());
}

void RetimingDialog::OnMoveToNextFrameToggled()
{
    Settings::retimeMoveToNextFrame = moveToNextFrame->isChecked();
}
