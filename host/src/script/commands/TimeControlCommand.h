#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `timeControl`: the time slider named by $gPlayBackSlider: its highlighted range.
class TimeControlCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
