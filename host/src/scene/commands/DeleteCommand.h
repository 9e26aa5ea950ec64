#pragma once

#include "scene/commands/SceneCommand.h"

namespace nbhost {

// `delete [objects]`: deletes the objects (or the selection) with the nodes
// below them. Default nodes cannot be deleted. Undoable.
class DeleteCommand : public SceneCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
