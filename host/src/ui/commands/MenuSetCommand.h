#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

// `menuSet`: the current menu set (-currentMenuSet, queried or set), adds
// a menu to a set (-addMenu <menu> <set>), whether a set exists, and the
// menus of a set (-query -menuArray).
class MenuSetCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
