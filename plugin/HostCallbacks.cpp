#include "plugin/HostCallbacks.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "node/BaseNode.h"
#include "ui/DialogManager.h"

#include <maya/MEventMessage.h>
#include <maya/MMessage.h>

MCallbackIdArray HostCallbacks::callbackIds;
int HostCallbacks::playbackScriptJobId = -1;

MStatus HostCallbacks::AddCallbacks()
{
    const struct
    {
        const char* event;
        MMessage::MBasicFunction handler;
    } callbacks[] = {
        {"SelectionChanged", &OnSelectionChanged},
        {"timeChanged", &OnTimeChanged},
        {"timeUnitChanged", &OnTimeUnitChanged},
        {"SceneOpened", &OnSceneOpened},
        {"quitApplication", &OnApplicationExit},
        {"Undo", &OnUndoRedo},
        {"Redo", &OnUndoRedo},
    };
    for (const auto& callback : callbacks)
        callbackIds.append(MEventMessage::addEventCallback(callback.event, callback.handler, nullptr));
    return MStatus::kSuccess;
}

// The ids are forgotten once removed, so that a later load starts afresh.
MStatus HostCallbacks::RemoveCallbacks()
{
    const MStatus status = MMessage::removeCallbacks(callbackIds);
    if (status)
        callbackIds.clear();
    return status;
}

// The job runs when playback starts and when it stops: ghosts are left out
// while playing and drawn again afterwards.
MStatus HostCallbacks::AddScriptJobs()
{
    const QString script = QStringLiteral("scriptJob -cc \"playingBack\" \"%1 -rg\"")
                               .arg(Settings::NODE_COMMAND_NAME);
    int job = -1;
    playbackScriptJobId = MayaUtil::ExecuteMelIntResult(script, job) ? job : -1;
    return MStatus::kSuccess;
}

// The number is forgotten once the job is killed: after a later load that
// fails before its job starts, it could name another script's job.
MStatus HostCallbacks::RemoveScriptJobs()
{
    if (playbackScriptJobId >= 0)
        MayaUtil::ExecuteMel(QStringLiteral("scriptJob -f -k %1").arg(playbackScriptJobId));
    playbackScriptJobId = -1;
    return MStatus::kSuccess;
}

void HostCallbacks::UpdateLayerPanel()
{
    if (BaseNode* master = BaseNode::GetMaster())
        master->UpdateLayerManagerDialog();
    else
        BaseNode::ClearLayerManagerDialog();
}

void HostCallbacks::OnSelectionChanged(void*)
{
    BaseNode::UpdateTimeControlOverlay();
    if (!BaseNode::GetMaster())
        BaseNode::ClearLayerManagerDialog();
}

void HostCallbacks::OnTimeChanged(void*)
{
    BaseNode::UpdatePlaybackTime();
}

void HostCallbacks::OnTimeUnitChanged(void*)
{
    BaseNode::UpdateTimeControlOverlay();
}

void HostCallbacks::OnSceneOpened(void*)
{
    BaseNode::UpdatePlaybackTime();
    BaseNode::UpdateTimeControlOverlay();
    UpdateLayerPanel();
}

// The panels save their geometry first: the node's shutdown writes the
// settings file.
void HostCallbacks::OnApplicationExit(void*)
{
    DialogManager::Shutdown();
    BaseNode::Shutdown();
}

void HostCallbacks::OnUndoRedo(void*)
{
    BaseNode::UpdateTimeControlOverlay();
    UpdateLayerPanel();
}
