#pragma once

#include <maya/MStatus.h>

class MFnPlugin;

// What the plug-in registers with the host, in order: commands, context
// commands, the data type of the stored document, the scene node (with its
// draw override). Each group registers its members in order and stops at
// the first failure, which it shows through the host's error display; the
// status argument receives the outcome of the group's last host call.
// Deregistration runs the groups and their members in reverse.
class Registration
{
public:
    // Registers every group while the previous one succeeded, then installs
    // the event callbacks and the playback script job. The status of the
    // last group that ran.
    static MStatus RegisterAll(MFnPlugin& plugin);
    // Deregisters every group while the previous one succeeded.
    static MStatus DeregisterAll(MFnPlugin& plugin);
    // The drawing-frame marks on the time slider, made as the node type
    // registers; nothing without a user interface or a time slider.
    static void CreateTimelineMarks();

    static MStatus RegisterCommands(MFnPlugin& plugin, MStatus& status);
    static MStatus RegisterContextCommands(MFnPlugin& plugin, MStatus& status);
    static MStatus RegisterDataTypes(MFnPlugin& plugin, MStatus& status);
    static MStatus RegisterNodes(MFnPlugin& plugin, MStatus& status);
    static MStatus DeregisterCommands(MFnPlugin& plugin, MStatus& status);
    static MStatus DeregisterContextCommands(MFnPlugin& plugin, MStatus& status);
    static MStatus DeregisterDataTypes(MFnPlugin& plugin, MStatus& status);
    static MStatus DeregisterNodes(MFnPlugin& plugin, MStatus& status);
};
