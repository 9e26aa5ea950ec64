#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `currentUnit`: the UI time unit and the scene's linear and angular units.
class CurrentUnitCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
