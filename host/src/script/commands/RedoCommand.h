#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `redo`: redoes the last undone step.
class RedoCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
