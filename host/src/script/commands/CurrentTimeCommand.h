#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `currentTime`: sets or queries the current time, in the UI time unit.
class CurrentTimeCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
