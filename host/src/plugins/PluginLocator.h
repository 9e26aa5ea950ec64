#pragma once

#include <string>
#include <vector>

namespace nbhost {

// Finds plug-in modules: a name is looked up in the folders of
// NB_PLUGIN_PATH (colon-separated; the build's plug-in folder when unset),
// a path (anything with a slash) is taken as it is.
class PluginLocator
{
public:
    static std::vector<std::string> searchPath();
    // The module file; empty, with the reason in error, when there is none.
    static std::string resolve(const std::string& nameOrPath, std::string* error);
    // A plug-in's name: its file name without folder and ".so".
    static std::string nameOf(const std::string& nameOrPath);
    static bool isPath(const std::string& nameOrPath);
};

} // namespace nbhost
