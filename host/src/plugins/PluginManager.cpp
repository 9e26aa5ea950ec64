#include "plugins/PluginManager.h"

#include "core/Host.h"
#include "core/Output.h"
#include "plugins/PluginLocator.h"
#include "plugins/PluginModule.h"
#include "plugins/PluginWithdrawal.h"
#include "undo/UndoQueue.h"

#include <algorithm>
#include <exception>

namespace nbhost {

namespace {

void error(const std::string& text) { Output::write(Output::Kind::Error, text); }
void warning(const std::string& text) { Output::write(Output::Kind::Warning, text); }

// Undo steps may hold the plug-in's command objects and nodes.
void flushUndo()
{
    if (Host* host = Host::current())
        host->undoQueue().flush();
}

} // namespace

PluginManager& PluginManager::instance()
{
    static PluginManager manager;
    return manager;
}

std::shared_ptr<Plugin> PluginManager::find(const std::string& nameOrPath) const
{
    const std::string name = PluginLocator::nameOf(nameOrPath);
    for (const auto& plugin : m_plugins)
        if (plugin->name() == name || plugin->path() == nameOrPath)
            return plugin;
    return nullptr;
}

std::shared_ptr<Plugin> PluginManager::load(const std::string& nameOrPath, bool quiet)
{
    if (auto loaded = find(nameOrPath)) {
        if (!quiet)
            warning("Plug-in \"" + loaded->name() + "\" is already loaded.");
        return loaded;
    }
    std::string why;
    const std::string path = PluginLocator::resolve(nameOrPath, &why);
    PluginModule::Entry entry;
    if (path.empty() || !PluginModule::open(path, entry, &why)) {
        error(why);
        return nullptr;
    }
    auto plugin = std::make_shared<Plugin>(PluginLocator::nameOf(path), path, entry.handle);
    plugin->setUninitialize(entry.uninitialize);
    m_plugins.push_back(plugin);
    const MStatus status = call(*plugin, entry.initialize, "initializePlugin");
    if (!status) {
        error("Plug-in \"" + plugin->name() + "\": initializePlugin failed (" + status.errorString().asChar()
              + "); the plug-in is unloaded and what it registered is withdrawn.");
        release(plugin, false);
        return nullptr;
    }
    plugin->setStage(Plugin::Stage::Loaded);
    return plugin;
}

bool PluginManager::unload(const std::string& nameOrPath, bool force)
{
    auto plugin = find(nameOrPath);
    if (!plugin || plugin->stage() != Plugin::Stage::Loaded) {
        error("Plug-in \"" + nameOrPath + "\" is not loaded.");
        return false;
    }
    flushUndo();
    const size_t inUse = PluginWithdrawal::nodesOf(*plugin).size();
    if (inUse > 0 && !force) {
        error("Cannot unload plug-in \"" + plugin->name() + "\": " + std::to_string(inUse)
              + " node(s) of its types are in the scene. Delete them or unload with -force.");
        return false;
    }
    PluginWithdrawal::deleteNodes(*plugin);
    plugin->setStage(Plugin::Stage::Uninitializing);
    const MStatus status = call(*plugin, plugin->uninitialize(), "uninitializePlugin");
    if (!status && !force) {
        plugin->setStage(Plugin::Stage::Loaded);
        error("Plug-in \"" + plugin->name() + "\": uninitializePlugin failed ("
              + status.errorString().asChar() + "); the plug-in stays loaded.");
        return false;
    }
    if (!status)
        warning("Plug-in \"" + plugin->name() + "\": uninitializePlugin failed; unloading it anyway.");
    release(plugin, true);
    return true;
}

void PluginManager::unloadAll()
{
    while (!m_plugins.empty()) {
        const auto plugin = m_plugins.back();
        if (plugin->stage() != Plugin::Stage::Loaded || !unload(plugin->name(), true))
            release(plugin, true);
    }
}

std::shared_ptr<Plugin> PluginManager::ownerOfNodeType(MTypeId id) const
{
    for (const auto& plugin : m_plugins)
        if (plugin->ownsNodeType(id))
            return plugin;
    return nullptr;
}

std::shared_ptr<Plugin> PluginManager::ownerOfDataType(MTypeId id) const
{
    for (const auto& plugin : m_plugins)
        if (plugin->ownsDataType(id))
            return plugin;
    return nullptr;
}

MStatus PluginManager::call(Plugin& plugin, Plugin::EntryPoint entry, const char* entryName)
{
    try {
        return entry(plugin.object());
    } catch (const std::exception& e) {
        error("Plug-in \"" + plugin.name() + "\": " + entryName + " threw: " + e.what());
    } catch (...) {
        error("Plug-in \"" + plugin.name() + "\": " + entryName + " threw an exception.");
    }
    return MStatus::kFailure;
}

void PluginManager::release(const std::shared_ptr<Plugin>& plugin, bool warn)
{
    m_plugins.erase(std::remove(m_plugins.begin(), m_plugins.end(), plugin), m_plugins.end());
    flushUndo();
    const bool clean = PluginWithdrawal::withdrawRemains(*plugin, warn);
    plugin->setStage(Plugin::Stage::Unloaded);
    if (clean)
        PluginModule::close(plugin->handle());
    else
        warning("Plug-in \"" + plugin->name() + "\" stays in memory: parts of it are still in use.");
}

} // namespace nbhost
