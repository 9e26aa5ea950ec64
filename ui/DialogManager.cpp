#include "ui/DialogManager.h"

LayerManagerDialog* DialogManager::GetLayerMangerDialog()
{
    return nullptr;
}
