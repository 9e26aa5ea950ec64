#include "ui/DialogManager.h"

// The layer panels' part of the registry: the Layer Manager panel and the
// New Layer and Layer Properties dialogs.

#include "base/Logger.h"
#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/Layer.h"
#include "node/BaseNode.h"
#include "ui/LayerManagerDialog.h"
#include "ui/LayerPropertiesDialog.h"
#include "ui/NewLayerDialog.h"

#include <QPointer>

namespace {

// Runs a dialog modally and deletes it. Its parent may go while it runs
// (a panel closed by a script), taking the dialog with it.
bool RunModal(QDialog* dialog)
{
    QPointer<QDialog> guard(dialog);
    dialog->exec();
    delete guard.data();
    return true;
}

QStringList Cameras()
{
    QStringList cameras;
    MayaUtil::GetCameras(cameras);
    return cameras;
}

} // namespace

LayerManagerDialog* DialogManager::GetLayerMangerDialog()
{
    return GetPanel<LayerManagerDialog>(SLOT_LAYER_MANAGER,
                                        [](QWidget* parent) { return new LayerManagerDialog(parent); });
}

bool DialogManager::ShowLayerManagerDialog()
{
    GetLayerMangerDialog();
    return ShowPanel(panels[SLOT_LAYER_MANAGER]);
}

// The camera offered first is the document's active one or, before the
// document has one, the camera of the view the user works in.
bool DialogManager::ShowNewLayerDialog(QWidget* parent)
{
    QWidget* owner = ModalParent(parent, "New Layer dialog");
    if (!owner)
        return false;
    BaseNode* master = BaseNode::GetMaster();
    QString camera = master ? master->GetActiveCamera() : QString();
    if (camera.isEmpty())
        camera = MayaUtil::GetActive3dViewCameraName();
    NewLayerDialog* dialog = new NewLayerDialog(owner);
    dialog->SetLayerName(Settings::DEFAULT_LAYER_NAME);
    dialog->SetCameras(Cameras(), camera);
    return RunModal(dialog);
}

bool DialogManager::ShowLayerPropertiesDialog(const QString& camera, int index, QWidget* parent)
{
    QWidget* owner = ModalParent(parent, "Layer Properties dialog");
    if (!owner)
        return false;
    BaseNode* master = BaseNode::GetMaster();
    if (!master)
        return false;
    const Layer* layer = master->GetLayer(camera, index);
    if (!layer) {
        Logger::Warning("Active layer not found.");
        return false;
    }
    LayerPropertiesDialog* dialog = new LayerPropertiesDialog(camera, index, owner);
    dialog->SetLayerName(layer->GetName());
    dialog->SetVisibility(layer->IsVisible());
    dialog->SetLayerState(layer->GetState());
    dialog->SetCameras(Cameras());
    return RunModal(dialog);
}
