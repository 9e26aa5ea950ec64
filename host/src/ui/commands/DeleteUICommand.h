#pragma once

#include "ui/commands/UiCommand.h"

#include <QString>

class QObject;

namespace nbhost {

// `deleteUI`: deletes menus, menu items, windows, layouts and controls by
// name, with everything inside them. A type flag (-menu, -menuItem,
// -window, -layout, -control, -panel) restricts what the names may be. All
// names are checked before anything is deleted, so a bad name deletes
// nothing.
class DeleteUICommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;

private:
    // Why the element may not be deleted with these flags; empty when it may.
    static QString refusal(const MArgDatabase& db, const QString& name, QObject* element);
    static void remove(QObject* element);
};

} // namespace nbhost
