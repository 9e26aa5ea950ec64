#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

// `radioMenuItemCollection`: starts a radio collection in the current menu
// (or the -parent menu); the radio items made after it in that menu join
// it, so exactly one of them is on.
class RadioMenuItemCollectionCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
