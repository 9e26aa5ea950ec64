#pragma once

#include "scene/commands/SceneCommand.h"

namespace nbhost {

// `rename [object] newName`: renames the object (or the first selected
// one) to a legal, unique form of the new name and answers it. Undoable.
class RenameCommand : public SceneCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
