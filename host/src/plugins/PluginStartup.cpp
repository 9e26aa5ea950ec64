#include "plugins/PluginStartup.h"

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "core/Output.h"
#include "plugins/PluginManager.h"
#include "plugins/commands/LoadPluginCommand.h"
#include "plugins/commands/PluginInfoCommand.h"
#include "plugins/commands/UnloadPluginCommand.h"

namespace nbhost {

namespace {
// Adds the hooks when the library is loaded.
const bool g_hooked = [] {
    Host::addStartHook(Host::StartPhase::Registration, &PluginStartup::registerCommands);
    Host::addStartHook(Host::StartPhase::Plugins, &PluginStartup::loadStartupPlugins);
    return true;
}();
} // namespace

void PluginStartup::registerCommands(Host& host)
{
    CommandRegistry& registry = host.commands();
    registry.registerCommand("loadPlugin", LoadPluginCommand::creator, LoadPluginCommand::newSyntax);
    registry.registerCommand("unloadPlugin", UnloadPluginCommand::creator, UnloadPluginCommand::newSyntax);
    registry.registerCommand("pluginInfo", PluginInfoCommand::creator, PluginInfoCommand::newSyntax);
    host.setPluginUnloader([] { PluginManager::instance().unloadAll(); });
}

// A missing or failing startup plug-in is reported and the host runs on.
void PluginStartup::loadStartupPlugins(Host&)
{
    if (!PluginManager::instance().load(kStartupPlugin, true))
        Output::write(Output::Kind::Warning,
                      std::string("The host runs without the plug-in \"") + kStartupPlugin + "\".");
}

} // namespace nbhost
