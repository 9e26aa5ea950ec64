#include "script/commands/CurrentTimeCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "time/TimeState.h"

namespace nbhost {

void* CurrentTimeCommand::creator() { return new CurrentTimeCommand; }

MSyntax CurrentTimeCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-u", "-update", MSyntax::kBoolean);
    syntax.addArg(MSyntax::kTime);
    syntax.enableQuery();
    syntax.enableEdit();
    return syntax;
}

// Answers the current time in the UI unit, after setting it if asked.
MStatus CurrentTimeCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    TimeState& time = Host::current()->time();
    MTime newTime;
    if (!db.isQuery() && db.getCommandArgument(0, newTime))
        time.setCurrentTime(newTime);
    setResult(time.currentTime().as(time.uiUnit()));
    return MStatus::kSuccess;
}

} // namespace nbhost
