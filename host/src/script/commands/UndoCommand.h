#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `undo`: undoes the last step of the undo queue.
class UndoCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
