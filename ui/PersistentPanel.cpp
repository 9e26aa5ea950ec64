#include "ui/PersistentPanel.h"

PersistentPanel::PersistentPanel(QByteArray& geometry, QWidget* parent)
    : QDialog(parent, Qt::Tool), geometrySetting(geometry)
{
    RestoreGeometry();
}

void PersistentPanel::SaveGeometry()
{
    geometrySetting = saveGeometry();
}

void PersistentPanel::RestoreGeometry()
{
    if (!geometrySetting.isEmpty())
        restoreGeometry(geometrySetting);
}

void PersistentPanel::ShowOrRaise()
{
    if (isHidden()) {
        show();
        return;
    }
    activateWindow();
    raise();
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
