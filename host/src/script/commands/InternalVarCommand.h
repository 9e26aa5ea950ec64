#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `internalVar`: the host's directories, each with a trailing slash.
class InternalVarCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
