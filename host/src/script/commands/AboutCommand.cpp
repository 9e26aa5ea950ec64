#include "script/commands/AboutCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MGlobal.h>
#include <maya/MSyntax.h>

#include "core/Host.h"

namespace nbhost {

void* AboutCommand::creator() { return new AboutCommand; }

MSyntax AboutCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-b", "-batch");
    syntax.addFlag("-v", "-version");
    syntax.addFlag("-api", "-apiVersion");
    syntax.addFlag("-os", "-operatingSystem");
    return syntax;
}

MStatus AboutCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (db.isFlagSet("-batch"))
        setResult(Host::current()->isBatch());
    else if (db.isFlagSet("-version"))
        setResult(MGlobal::mayaVersion());
    else if (db.isFlagSet("-apiVersion"))
        setResult(MGlobal::apiVersion());
    else if (db.isFlagSet("-operatingSystem"))
        setResult("linux64");
    else {
        displayError("about: one of -batch, -version, -apiVersion or -os is needed.");
        return MStatus::kInvalidParameter;
    }
    return MStatus::kSuccess;
}

} // namespace nbhost
