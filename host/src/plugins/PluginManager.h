#pragma once

#include "plugins/Plugin.h"

#include <maya/MTypeId.h>

#include <memory>
#include <string>
#include <vector>

namespace nbhost {

// The loaded plug-ins, in load order. Loading opens the module and runs its
// initializePlugin with the plug-in's object; unloading runs its
// uninitializePlugin, withdraws what it left registered and closes the
// module. Problems are shown through the host's output.
class PluginManager
{
public:
    static PluginManager& instance();

    // By name (searched on the plug-in path) or by path. A plug-in that is
    // already loaded is returned as it is, with a warning unless quiet. A
    // module whose initializePlugin fails is unloaded again; null then.
    std::shared_ptr<Plugin> load(const std::string& nameOrPath, bool quiet = false);
    // Refused while nodes of the plug-in's types are in the scene, unless
    // forced, which deletes them. A failing uninitializePlugin keeps the
    // plug-in loaded, unless forced.
    bool unload(const std::string& nameOrPath, bool force);
    // Every plug-in, newest first, forced: the host is quitting.
    void unloadAll();

    std::shared_ptr<Plugin> find(const std::string& nameOrPath) const;
    const std::vector<std::shared_ptr<Plugin>>& plugins() const { return m_plugins; }
    // The plug-in that registered a node or data type, or null.
    std::shared_ptr<Plugin> ownerOfNodeType(MTypeId id) const;
    std::shared_ptr<Plugin> ownerOfDataType(MTypeId id) const;

private:
    PluginManager() = default;
    // Runs an entry point; an exception counts as a failure.
    static MStatus call(Plugin& plugin, Plugin::EntryPoint entry, const char* entryName);
    // Forgets the plug-in, withdraws its remains and closes its module.
    void release(const std::shared_ptr<Plugin>& plugin, bool warn);

    std::vector<std::shared_ptr<Plugin>> m_plugins;
};

} // namespace nbhost
