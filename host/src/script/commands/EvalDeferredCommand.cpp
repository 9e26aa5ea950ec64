#include "script/commands/EvalDeferredCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "core/Host.h"

namespace nbhost {

void* EvalDeferredCommand::creator() { return new EvalDeferredCommand; }

MSyntax EvalDeferredCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-low", "-lowestPriority");
    syntax.setObjectType(MSyntax::kStringObjects, 1, 1);
    return syntax;
}

MStatus EvalDeferredCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    MStringArray scripts;
    db.getObjects(scripts);
    Host& host = *Host::current();
    if (host.hasQuit())
        return MStatus::kFailure;
    host.queueIdle(scripts[0].asChar(), false, JournalSource::Deferred, db.isFlagSet("-lowestPriority"));
    return MStatus::kSuccess;
}

} // namespace nbhost
