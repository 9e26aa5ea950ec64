#include "ui/DialogManager.h"

// The layer panels' part of the registry: the Layer Manager panel and the
// New Layer and Layer Properties dialogs.

#include "base/Logger.h"

// The Layer Manager panel is not part of the plug-in yet: there is none to
// give, and callers skip their updates as they do in batch mode.
LayerManagerDialog* DialogManager::GetLayerMangerDialog()
{
    return nullptr;
}

bool DialogManager::ShowLayerManagerDialog()
{
    GetLayerMangerDialog();
    return ShowPanel(panels[SLOT_LAYER_MANAGER]);
}

bool DialogManager::ShowNewLayerDialog(QWidget*)
{
    Logger::Error("The New Layer dialog is not available in this version.");
    return false;
}

bool DialogManager::ShowLayerPropertiesDialog(const QString&, int, QWidget*)
{
    Logger::Error("The Layer Properties dialog is not available in this version.");
    return false;
}
