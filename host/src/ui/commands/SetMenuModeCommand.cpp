#include "ui/commands/SetMenuModeCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "ui/GuiSession.h"
#include "ui/MenuSets.h"

namespace nbhost {

namespace {
const char* const kName = "setMenuMode";
} // namespace

void* SetMenuModeCommand::creator() { return new SetMenuModeCommand; }

MSyntax SetMenuModeCommand::newSyntax()
{
    MSyntax syntax;
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    return syntax;
}

MStatus SetMenuModeCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    GuiSession* session = gui(kName);
    if (!session)
        return MStatus::kFailure;
    const QString set = objectName(db);
    if (!set.isEmpty() && !session->menuSets().setCurrent(set))
        return fail(kName, QStringLiteral("'%1' is not a menu set.").arg(set));
    setResult(session->menuSets().current());
    return MStatus::kSuccess;
}

} // namespace nbhost
