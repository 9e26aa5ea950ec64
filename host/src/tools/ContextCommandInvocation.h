#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// The host command behind every context command: it finds which context
// command it was run as (the first word of its command string) and hands
// the arguments to the context registry.
class ContextCommandInvocation : public MPxCommand
{
public:
    static void* creator();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
