#pragma once

#include "ui/commands/UiCommand.h"

class QAction;
class QMenu;

namespace nbhost {

// `menuItem`: makes an item in the current menu (or the -parent menu): a
// command item, a radio button of the menu's radio collection, a check
// box, a divider or a sub-menu (which becomes the current menu); and
// queries or edits one.
class MenuItemCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;

private:
    MStatus create(const MArgDatabase& db);
    MStatus query(const MArgDatabase& db, QAction& item);
    MStatus edit(const MArgDatabase& db, QAction& item);
};

} // namespace nbhost
