#include "ui/LayerFormDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LayerFormDialog::LayerFormDialog(const QString& title, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(title);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setMinimumWidth(300);
    nameEdit = new QLineEdit(this);
    cameraBox = new QComboBox(this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    form = new QFormLayout();
    form->setContentsMargins(0, 0, 0, 10);
    form->addRow(QStringLiteral("Name:"), nameEdit);
    form->addRow(QStringLiteral("Camera:"), cameraBox);
    connect(cameraBox, SIGNAL(currentIndexChanged(int)), this, SLOT(UpdateOkButton()));
    connect(cancelButton, SIGNAL(clicked()), this, SLOT(reject()));
}

void LayerFormDialog::Finish(const char* acceptSlot)
{
    QHBoxLayout* buttons = new QHBoxLayout();
    buttons->setSpacing(6);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
    okButton->setDefault(true);
    connect(okButton, SIGNAL(clicked()), this, acceptSlot);
    UpdateOkButton();
}

void LayerFormDialog::SetLayerName(const QString& name)
{
    nameEdit->setText(name);
    nameEdit->selectAll();
}

QString LayerFormDialog::GetLayerName() const
{
    return nameEdit->text();
}

void LayerFormDialog::SetCameras(const QStringList& cameras, const QString& current)
{
    cameraBox->clear();
    cameraBox->addItems(cameras);
    cameraBox->setCurrentIndex(cameras.indexOf(current));
}

QString LayerFormDialog::GetCamera() const
{
    return cameraBox->currentText();
}

// A layer always belongs to a camera: without one chosen there is nothing
// OK could issue.
void LayerFormDialog::UpdateOkButton()
{
    okButton->setEnabled(cameraBox->currentIndex() >= 0);
}
