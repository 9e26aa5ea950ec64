#pragma once

#include <maya/MCallbackIdArray.h>
#include <maya/MStatus.h>

// The host events the plug-in follows and the script job that follows
// playback. Every handler forwards to the scene node's class-wide
// operations, which keep the document, the time slider's frame marks and
// the layer panel in step with the scene.
class HostCallbacks
{
public:
    // Registers the seven event callbacks, keeping their ids.
    static MStatus AddCallbacks();
    // Removes them together; the host's status of the removal.
    static MStatus RemoveCallbacks();
    // Starts the job that refreshes ghosting when playback starts or stops.
    static MStatus AddScriptJobs();
    static MStatus RemoveScriptJobs();

    static int PlaybackScriptJobId() { return playbackScriptJobId; }

    static void OnSelectionChanged(void* clientData);
    static void OnTimeChanged(void* clientData);
    static void OnTimeUnitChanged(void* clientData);
    static void OnSceneOpened(void* clientData);
    static void OnApplicationExit(void* clientData);
    static void OnUndoRedo(void* clientData);

private:
    // The layer panel shows the master's document, or nothing without one.
    static void UpdateLayerPanel();

    static MCallbackIdArray callbackIds;
    static int playbackScriptJobId;
};
