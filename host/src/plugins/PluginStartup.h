#pragma once

namespace nbhost {

class Host;

// Hooks plug-in loading into the host: the plug-in commands are registered
// with the host's commands, the startup plug-in (nibline2) is loaded at
// start unless -noplugin, and every plug-in is unloaded at quit, after
// "quitApplication" has fired.
class PluginStartup
{
public:
    static constexpr const char* kStartupPlugin = "nibline2";

    static void registerCommands(Host& host);
    static void loadStartupPlugins(Host& host);
};

} // namespace nbhost
