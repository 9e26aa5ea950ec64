#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

// `setMenuMode <set>`: makes a menu set current (animationMenuSet,
// modelingMenuSet ...); without an argument it answers the current one.
class SetMenuModeCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
