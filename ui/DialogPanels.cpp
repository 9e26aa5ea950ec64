#include "ui/DialogPanels.h"

#include "ui/ColorPaletteDialog.h"
#include "ui/DialogManager.h"
#include "ui/RetimingDialog.h"
#include "ui/ToolOptionsDialog.h"
#include "ui/ToolboxDialog.h"

#include <QInputDialog>
#include <QMessageBox>

bool DialogPanels::ShowPanel(Panel panel)
{
    switch (panel) {
    case PANEL_LAYER_MANAGER:
        return DialogManager::ShowLayerManagerDialog();
    case PANEL_TOOLBOX:
        return DialogManager::ShowPanel(DialogManager::GetToolboxDialog());
    case PANEL_TOOL_OPTIONS:
        return DialogManager::ShowPanel(DialogManager::GetToolOptionsDialog());
    case PANEL_COLOR_PALETTE:
        return DialogManager::ShowPanel(DialogManager::GetColorPaletteDialog());
    case PANEL_RETIMING:
        return DialogManager::ShowPanel(DialogManager::GetRetimingDialog());
    }
    return false;
}

// Refreshes reach only panels that exist; none is made for them.
void DialogPanels::RefreshToolbox()
{
    if (ToolboxDialog* toolbox = DialogManager::ExistingToolboxDialog())
        toolbox->Refresh();
}

void DialogPanels::RefreshToolboxToolOptions()
{
    if (ToolboxDialog* toolbox = DialogManager::ExistingToolboxDialog())
        toolbox->RefreshToolOptions();
}

void DialogPanels::RefreshToolOptions()
{
    if (ToolOptionsDialog* options = DialogManager::ExistingToolOptionsDialog())
        options->Refresh();
}

QColor DialogPanels::ToolboxColor()
{
    ToolboxDialog* toolbox = DialogManager::ExistingToolboxDialog();
    return toolbox ? toolbox->GetColor() : QColor();
}

bool DialogPanels::ShowNewLayer()
{
    return DialogManager::ShowNewLayerDialog(DialogManager::MainWindow());
}

bool DialogPanels::ShowLayerProperties(const QString& camera, int index)
{
    return DialogManager::ShowLayerPropertiesDialog(camera, index, DialogManager::MainWindow());
}

bool DialogPanels::ShowGhostingSettings()
{
    return DialogManager::ShowGhostingDialog(DialogManager::MainWindow());
}

bool DialogPanels::ShowPreferences()
{
    return DialogManager::ShowPreferencesDialog(DialogManager::MainWindow());
}

bool DialogPanels::ShowAbout()
{
    return DialogManager::ShowAboutDialog(DialogManager::MainWindow());
}

bool DialogPanels::ConfirmAndResetUI()
{
    const QMessageBox::StandardButton answer =
        QMessageBox::question(DialogManager::MainWindow(), QStringLiteral("Reset UI"),
                              QStringLiteral("Reset user interface elements?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer != QMessageBox::Yes)
        return false;
    DialogManager::ResetUI();
    return true;
}

bool DialogPanels::ChooseCamera(const QStringList& cameras, const QString& active, QString& chosen)
{
    bool ok = false;
    const QString item = QInputDialog::getItem(
        DialogManager::MainWindow(), QStringLiteral("Move Layers to View"),
        QStringLiteral("Select camera to move layers from:                 "), cameras,
        qMax(0, cameras.indexOf(active)), false, &ok, Qt::Tool);
    if (!ok || item.isEmpty())
        return false;
    chosen = item;
    return true;
}
