#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `evalDeferred`: runs a script once the host is idle.
class EvalDeferredCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
