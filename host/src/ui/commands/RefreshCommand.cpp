#include "ui/commands/RefreshCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "ui/MainWindowParts.h"

namespace nbhost {

void* RefreshCommand::creator() { return new RefreshCommand; }

MSyntax RefreshCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-f", "-force");
    syntax.addFlag("-cv", "-currentView");
    return syntax;
}

MStatus RefreshCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    MainWindowParts::refreshViews(db.isFlagSet("-force"));
    return MStatus::kSuccess;
}

} // namespace nbhost
