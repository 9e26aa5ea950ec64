#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

// `playblast`: writes the active view frame by frame to numbered image
// files (-format image, -compression png) and answers the file name
// pattern "name.####.png". Frames: -frame (repeatable), else -startTime to
// -endTime, else the playback range. Size: -widthHeight (else the view's)
// scaled by -percent (50 by default, as in the real host).
class PlayblastCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
