#include "plugins/PluginWithdrawal.h"

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "core/Output.h"
#include "plugins/Plugin.h"
#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/Scene.h"

namespace nbhost {

namespace {

void reportLeftover(const Plugin& plugin, bool warn, const std::string& what)
{
    if (warn)
        Output::write(Output::Kind::Warning, "Plug-in \"" + plugin.name() + "\" left " + what
                                                 + " registered at unload; it is withdrawn.");
}

void reportStuck(const Plugin& plugin, const std::string& what, const std::string& why)
{
    Output::write(Output::Kind::Error, "Plug-in \"" + plugin.name() + "\": " + what
                                           + " cannot be withdrawn: " + why + ".");
}

} // namespace

std::vector<std::shared_ptr<Node>> PluginWithdrawal::nodesOf(const Plugin& plugin)
{
    std::vector<std::shared_ptr<Node>> result;
    for (const auto& node : Scene::instance().nodes())
        if (plugin.ownsNodeType(node->type().id()) && node->type().isPlugin())
            result.push_back(node);
    return result;
}

void PluginWithdrawal::deleteNodes(const Plugin& plugin)
{
    for (const auto& node : nodesOf(plugin)) {
        Scene::instance().detach(*node);
        node->destroy();
    }
}

bool PluginWithdrawal::withdrawRemains(Plugin& plugin, bool warn)
{
    // Nodes before data types: node attributes may hold data values.
    const bool commands = withdrawCommands(plugin, warn);
    const bool nodes = withdrawNodeTypes(plugin, warn);
    const bool data = withdrawDataTypes(plugin, warn);
    return commands && nodes && data;
}

bool PluginWithdrawal::withdrawCommands(Plugin& plugin, bool warn)
{
    Host* host = Host::current();
    if (!host)
        return true;
    bool clean = true;
    for (const std::string& name : host->commands().namesOwnedBy(plugin.name())) {
        reportLeftover(plugin, warn, "command \"" + name + "\"");
        if (!host->commands().deregisterCommand(name, plugin.name())) {
            reportStuck(plugin, "command \"" + name + "\"", "the registry refused");
            clean = false;
        }
    }
    return clean;
}

bool PluginWithdrawal::withdrawNodeTypes(Plugin& plugin, bool warn)
{
    deleteNodes(plugin);
    bool clean = true;
    const std::vector<MTypeId> ids = plugin.nodeTypes();
    for (MTypeId id : ids) {
        auto type = NodeTypeRegistry::instance().find(id);
        if (!type) {
            plugin.removeNodeType(id);
            continue;
        }
        reportLeftover(plugin, warn, "node type \"" + type->name() + "\"");
        std::string error;
        if (NodeTypeRegistry::instance().deregisterPluginType(id, &error)) {
            plugin.removeNodeType(id);
        } else {
            reportStuck(plugin, "node type \"" + type->name() + "\"", error);
            clean = false;
        }
    }
    return clean;
}

bool PluginWithdrawal::withdrawDataTypes(Plugin& plugin, bool warn)
{
    bool clean = true;
    const std::vector<MTypeId> ids = plugin.dataTypes();
    for (MTypeId id : ids) {
        auto type = DataTypeRegistry::instance().find(id);
        if (!type) {
            plugin.removeDataType(id);
            continue;
        }
        reportLeftover(plugin, warn, "data type \"" + type->name + "\"");
        std::string error;
        if (DataTypeRegistry::instance().deregisterType(id, &error)) {
            plugin.removeDataType(id);
        } else {
            reportStuck(plugin, "data type \"" + type->name + "\"", error);
            clean = false;
        }
    }
    return clean;
}

} // namespace nbhost
