#include "ui/GhostingDialog.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

const char* const GhostingDialog::PREVIOUS_COLOR_NAME = "vxGhostPrevOverrideColorBtn";
const char* const GhostingDialog::NEXT_COLOR_NAME = "vxGhostNextOverrideColorBtn";

namespace {

QSpinBox* CountBox(int value)
{
    auto* box = new QSpinBox;
    box->setAlignment(Qt::AlignRight);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setRange(Settings::MIN_GHOSTED_FRAMES, Settings::MAX_GHOSTED_FRAMES);
    box->setValue(value);
    return box;
}

// The host's colour control showing the colour; a control that cannot be
// made is left out.
void AddColorControl(QHBoxLayout* row, const char* name, const QColor& color)
{
    QWidget* control = MayaUtil::CreateColorSliderGrp(QString::fromLatin1(name), 24, 18);
    if (!control)
        return;
    MayaUtil::SetColorSliderGrpColor(QString::fromLatin1(name), color);
    row->addWidget(control);
}

} // namespace

GhostingDialog::GhostingDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Ghosting Settings"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setMinimumWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(BuildFramesGroup());
    layout->addWidget(BuildColorGroup());
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, SIGNAL(clicked()), this, SLOT(Apply()));
    connect(cancel, SIGNAL(clicked()), this, SLOT(reject()));
}

QWidget* GhostingDialog::BuildFramesGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Frames to Display"));
    auto* row = new QHBoxLayout(group);
    previousCount = CountBox(Settings::ghostPrevCount);
    nextCount = CountBox(Settings::ghostNextCount);
    row->addWidget(new QLabel(QStringLiteral("Previous:")));
    row->addWidget(previousCount);
    row->addWidget(new QLabel(QStringLiteral("Next:")));
    row->addWidget(nextCount);
    row->addStretch();
    return group;
}

QWidget* GhostingDialog::BuildColorGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Color Override"));
    auto* column = new QVBoxLayout(group);
    colorOverride = new QCheckBox(QStringLiteral("Enable Color Override"));
    colorOverride->setChecked(Settings::ghostColorOverride);
    column->addWidget(colorOverride);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Previous:")));
    AddColorControl(row, PREVIOUS_COLOR_NAME, Settings::ghostColorOverridePrev);
    row->addWidget(new QLabel(QStringLiteral("Next:")));
    AddColorControl(row, NEXT_COLOR_NAME, Settings::ghostColorOverrideNext);
    row->addStretch();
    column->addLayout(row);
    return group;
}

// The colours are read back from the controls by name; a missing control
// gives an invalid colour, for which no command is issued.
void GhostingDialog::Apply()
{
    MayaUtil::SetGhostPreviousCount(previousCount->value());
    MayaUtil::SetGhostNextCount(nextCount->value());
    MayaUtil::SetGhostColorOverrideEnabled(colorOverride->isChecked());
    MayaUtil::SetGhostColorOverridePrev(MayaUtil::GetColorSliderGrpColor(QString::fromLatin1(PREVIOUS_COLOR_NAME)));
    MayaUtil::SetGhostColorOverrideNext(MayaUtil::GetColorSliderGrpColor(QString::fromLatin1(NEXT_COLOR_NAME)));
    accept();
}
