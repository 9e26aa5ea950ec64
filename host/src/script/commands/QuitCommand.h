#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `quit`: ends the host.
class QuitCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
