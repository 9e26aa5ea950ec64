#include "plugins/commands/UnloadPluginCommand.h"

#include "plugins/PluginManager.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

namespace nbhost {

void* UnloadPluginCommand::creator() { return new UnloadPluginCommand; }

MSyntax UnloadPluginCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-f", "-force");
    syntax.setObjectType(MSyntax::kStringObjects, 1);
    return syntax;
}

MStatus UnloadPluginCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    MStringArray requested;
    db.getObjects(requested);
    MStringArray unloaded;
    MStatus status;
    for (unsigned int i = 0; i < requested.length(); ++i) {
        auto plugin = PluginManager::instance().find(requested[i].asChar());
        const std::string name = plugin ? plugin->name() : requested[i].asChar();
        if (PluginManager::instance().unload(name, db.isFlagSet("-force")))
            unloaded.append(name.c_str());
        else
            status = MStatus::kFailure;
    }
    setResult(unloaded);
    return status;
}

} // namespace nbhost
