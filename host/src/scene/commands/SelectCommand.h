#pragma once

#include "scene/commands/SceneCommand.h"

namespace nbhost {

// `select [-r|-add|-d|-tgl] objects` and `select -cl`: replaces (the
// default), extends, reduces or toggles the active selection, or clears it.
// Undoable.
class SelectCommand : public SceneCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
