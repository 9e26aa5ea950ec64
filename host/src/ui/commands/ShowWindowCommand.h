#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

// `showWindow [window]`: shows and raises a window, by default the one
// the current parent belongs to.
class ShowWindowCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
