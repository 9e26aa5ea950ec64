#pragma once

#include "ui/commands/UiCommand.h"

class QWidget;

namespace nbhost {

class PaneLayout;

// `paneLayout`: makes a pane layout in its parent (-parent, else the
// current parent) and makes it the current parent; -exists, and
// -configuration to create, query or edit how its panes are shown.
class PaneLayoutCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;

    // Puts a new control into its parent: a pane layout takes it as a
    // pane, other parents as placeControl does.
    static bool place(const char* command, QWidget* control, const Parent& parent);

private:
    MStatus create(const MArgDatabase& db);
    static PaneLayout* find(const QString& name);
};

} // namespace nbhost
