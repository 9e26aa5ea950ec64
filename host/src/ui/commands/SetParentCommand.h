#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

// `setParent`: sets the current parent layout (or, with -menu, the current
// menu) to a named one or, with "..", to the one above it; -query answers
// the current one.
class SetParentCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;

private:
    MStatus setMenu(const QString& target);
    MStatus setLayout(const QString& target);
};

} // namespace nbhost
