#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

// `menu`: makes a menu in a window's menu bar (the main window's unless
// -parent names another window), and queries or edits one: label, tear
// off, enable, its items, deleting them all.
class MenuCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
