#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

class ScriptWindow;

// `window`: makes a window (hidden until showWindow; it becomes the
// current parent for the controls made after it), and queries or edits
// one: title, size, visibility, whether it exists.
class WindowCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;

private:
    MStatus create(const MArgDatabase& db);
};

} // namespace nbhost
