#pragma once

#include "scene/commands/SceneCommand.h"

namespace nbhost {

// `camera`: creates a camera (transform "camera1" over shape
// "cameraShape1", numbered on as names are taken), selects the transform
// and answers both names. Undoable.
class CameraCommand : public SceneCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
