#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `flushUndo`: empties the undo queue.
class FlushUndoCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
