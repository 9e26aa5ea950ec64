#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `playbackOptions`: the playback and animation ranges.
class PlaybackOptionsCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
