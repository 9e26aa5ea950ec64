#include "commands/ActiveLayerSnapshot.h"

#include "model/LayerManager.h"
#include "node/BaseNode.h"

void ActiveLayerSnapshot::Take(const BaseNode& node, const QStringList& cameras)
{
    activeCamera = node.GetActiveCamera();
    activeIndices.clear();
    unlistedCameras.clear();
    const std::shared_ptr<LayerManager> manager = node.GetLayerManager();
    const QStringList listed = manager ? manager->GetCameras() : QStringList();
    for (const QString& camera : cameras) {
        activeIndices.append({camera, node.GetActiveLayerIndex(camera)});
        if (!listed.contains(camera) && !unlistedCameras.contains(camera))
            unlistedCameras.append(camera);
    }
}

void ActiveLayerSnapshot::Restore(BaseNode& node) const
{
    for (const auto& entry : activeIndices)
        if (node.LayerExists(entry.first, entry.second))
            node.SetActiveLayer(entry.first, entry.second, false);
    // The camera may have no layers, so it is set directly: going through
    // SetActiveLayer would give it an (empty) layer list.
    const std::shared_ptr<LayerManager> manager = node.GetLayerManager();
    if (!manager)
        return;
    for (const QString& camera : unlistedCameras)
        manager->RemoveEmptyCamera(camera);
    if (manager->GetActiveCamera() != activeCamera) {
        manager->SetActiveCamera(activeCamera);
        BaseNode::UpdateTimeControlOverlay();
        node.QueueRefresh();
    }
}

int ActiveLayerSnapshot::ActiveIndex(const QString& camera) const
{
    for (const auto& entry : activeIndices)
        if (entry.first == camera)
            return entry.second;
    return -1;
}
