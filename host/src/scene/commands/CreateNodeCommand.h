#pragma once

#include "scene/commands/SceneCommand.h"

namespace nbhost {

// `createNode type [-n name] [-p parent] [-ss] [-s]`: creates a node and
// answers its name. A shape without a parent gets a new transform. The new
// node is selected unless -skipSelect; -shared with the name of an existing
// node of that type answers that node instead. Undoable.
class CreateNodeCommand : public SceneCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
