#pragma once

#include "scene/commands/SceneCommand.h"

namespace nbhost {

// `move [-a|-r] x y z [objects]`: sets (-absolute, the default) or offsets
// (-relative) the translation of the objects or of the selection; a shape
// moves its transform. Undoable.
class MoveCommand : public SceneCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
