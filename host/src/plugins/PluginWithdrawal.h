#pragma once

#include <memory>
#include <vector>

namespace nbhost {

class Node;
class Plugin;

// Takes back what a plug-in put into the host: the nodes of its types (for
// a forced unload) and the registrations its uninitializePlugin left
// behind, so that nothing refers to the module's code once it is closed.
class PluginWithdrawal
{
public:
    // The nodes of the plug-in's types that are in the scene.
    static std::vector<std::shared_ptr<Node>> nodesOf(const Plugin& plugin);
    static void deleteNodes(const Plugin& plugin);
    // Deregisters the commands, node types and data types still registered
    // for the plug-in; with warn, each as a warning. False when one cannot
    // go (values of a data type still exist): the module must stay loaded.
    static bool withdrawRemains(Plugin& plugin, bool warn);

private:
    static bool withdrawCommands(Plugin& plugin, bool warn);
    static bool withdrawNodeTypes(Plugin& plugin, bool warn);
    static bool withdrawDataTypes(Plugin& plugin, bool warn);
};

} // namespace nbhost
