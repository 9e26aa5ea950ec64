#include "ui/PersistentPanel.h"

PersistentPanel::PersistentPanel(QByteArray* geometry, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), geometrySetting(geometry)
{
    RestoreGeometry();
}

void PersistentPanel::SaveGeometry()
{
    if (geometrySetting)
        *geometrySetting = saveGeometry();
}

void PersistentPanel::RestoreGeometry()
{
    if (geometrySetting && !geometrySetting->isEmpty())
        restoreGeometry(*geometrySetting);
}

void PersistentPanel::showEvent(QShowEvent* event)
{
    RestoreGeometry();
    QDialog::showEvent(event);
}

// Closing a tool window hides it, so one hook covers close and hide.
void PersistentPanel::hideEvent(QHideEvent* event)
{
    SaveGeometry();
    QDialog::hideEvent(event);
}
