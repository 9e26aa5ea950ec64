#include "plugins/commands/PluginInfoCommand.h"

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "plugins/PluginManager.h"
#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>

namespace nbhost {

namespace {

MStringArray namesOf(const std::vector<std::string>& names)
{
    MStringArray result;
    for (const std::string& name : names)
        result.append(name.c_str());
    return result;
}

MStringArray nodeTypeNames(const Plugin& plugin)
{
    std::vector<std::string> names;
    for (MTypeId id : plugin.nodeTypes())
        if (auto type = NodeTypeRegistry::instance().find(id))
            names.push_back(type->name());
    return namesOf(names);
}

MStringArray dataTypeNames(const Plugin& plugin)
{
    std::vector<std::string> names;
    for (MTypeId id : plugin.dataTypes())
        if (auto type = DataTypeRegistry::instance().find(id))
            names.push_back(type->name);
    return namesOf(names);
}

} // namespace

void* PluginInfoCommand::creator() { return new PluginInfoCommand; }

MSyntax PluginInfoCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-l", "-loaded");
    syntax.addFlag("-v", "-version");
    syntax.addFlag("-vd", "-vendor");
    syntax.addFlag("-p", "-path");
    syntax.addFlag("-ls", "-listPlugins");
    syntax.addFlag("-c", "-command");
    syntax.addFlag("-dn", "-dependNode");
    syntax.addFlag("-d", "-data");
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    return syntax;
}

// Every flag is a query; -q may be left out.
MStatus PluginInfoCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    PluginManager& manager = PluginManager::instance();
    if (db.isFlagSet("-listPlugins")) {
        std::vector<std::string> names;
        for (const auto& plugin : manager.plugins())
            names.push_back(plugin->name());
        setResult(namesOf(names));
        return MStatus::kSuccess;
    }
    MStringArray objects;
    db.getObjects(objects);
    if (objects.length() == 0) {
        displayError("pluginInfo: name a plug-in, or use -listPlugins.");
        return MStatus::kInvalidParameter;
    }
    auto plugin = manager.find(objects[0].asChar());
    if (db.isFlagSet("-loaded")) {
        setResult(plugin != nullptr && plugin->stage() == Plugin::Stage::Loaded);
        return MStatus::kSuccess;
    }
    if (!plugin) {
        displayError(MString("pluginInfo: plug-in \"") + objects[0] + "\" is not loaded.");
        return MStatus::kFailure;
    }
    if (db.isFlagSet("-version"))
        setResult(MString(plugin->version().c_str()));
    else if (db.isFlagSet("-vendor"))
        setResult(MString(plugin->vendor().c_str()));
    else if (db.isFlagSet("-path"))
        setResult(MString(plugin->path().c_str()));
    else if (db.isFlagSet("-command"))
        setResult(namesOf(Host::current()->commands().namesOwnedBy(plugin->name())));
    else if (db.isFlagSet("-dependNode"))
        setResult(nodeTypeNames(*plugin));
    else if (db.isFlagSet("-data"))
        setResult(dataTypeNames(*plugin));
    else {
        displayError("pluginInfo: no query flag was given.");
        return MStatus::kInvalidParameter;
    }
    return MStatus::kSuccess;
}

} // namespace nbhost
