#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `play`: starts and stops playback.
class PlayCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
