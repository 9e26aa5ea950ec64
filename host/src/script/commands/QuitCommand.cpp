#include "script/commands/QuitCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "core/Host.h"

namespace nbhost {

void* QuitCommand::creator() { return new QuitCommand; }

MSyntax QuitCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-f", "-force");
    syntax.addFlag("-a", "-abort");
    syntax.addFlag("-ec", "-exitCode", MSyntax::kLong);
    return syntax;
}

// The host has no unsaved-changes prompt, so quit with and without -force
// are the same; -abort skips the "quitApplication" event.
MStatus QuitCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    int exitCode = 0;
    db.getFlagArgument("-exitCode", 0, exitCode);
    Host::current()->quit(exitCode, !db.isFlagSet("-abort"));
    return MStatus::kSuccess;
}

} // namespace nbhost
