#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `undoInfo`: the state of the undo queue.
class UndoInfoCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
