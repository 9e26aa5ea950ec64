#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

// `lookThroughModelPanel <camera> <panel>`: the panel's view looks through
// the camera (its transform or shape).
class LookThroughModelPanelCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
