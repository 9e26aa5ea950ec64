#include "plugins/commands/LoadPluginCommand.h"

#include "plugins/PluginManager.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

namespace nbhost {

void* LoadPluginCommand::creator() { return new LoadPluginCommand; }

MSyntax LoadPluginCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-qt", "-quiet");
    syntax.setObjectType(MSyntax::kStringObjects, 1);
    return syntax;
}

MStatus LoadPluginCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    MStringArray requested;
    db.getObjects(requested);
    MStringArray loaded;
    MStatus status;
    for (unsigned int i = 0; i < requested.length(); ++i) {
        auto plugin = PluginManager::instance().load(requested[i].asChar(), db.isFlagSet("-quiet"));
        if (plugin)
            loaded.append(plugin->name().c_str());
        else
            status = MStatus::kFailure;
    }
    setResult(loaded);
    return status;
}

} // namespace nbhost
