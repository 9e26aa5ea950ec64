#include "script/commands/InternalVarCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "core/Host.h"

#include <filesystem>
#include <system_error>

namespace nbhost {

void* InternalVarCommand::creator() { return new InternalVarCommand; }

MSyntax InternalVarCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-upd", "-userPrefDir");
    syntax.addFlag("-usd", "-userScriptDir");
    syntax.addFlag("-utd", "-userTmpDir");
    return syntax;
}

// The directory is created when missing, so callers can write into it.
MStatus InternalVarCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    const std::string prefs = Host::current()->prefsDir();
    std::string dir;
    if (db.isFlagSet("-userPrefDir"))
        dir = prefs;
    else if (db.isFlagSet("-userScriptDir"))
        dir = prefs + "/scripts";
    else if (db.isFlagSet("-userTmpDir"))
        dir = std::filesystem::temp_directory_path().string();
    else {
        displayError("internalVar: one of -userPrefDir, -userScriptDir or -userTmpDir is needed.");
        return MStatus::kInvalidParameter;
    }
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        displayError(MString("internalVar: cannot create ") + dir.c_str() + ": " + error.message().c_str());
        return MStatus::kFailure;
    }
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    setResult(MString(dir.c_str()));
    return MStatus::kSuccess;
}

} // namespace nbhost
