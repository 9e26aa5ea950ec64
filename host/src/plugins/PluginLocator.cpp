#include "plugins/PluginLocator.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

#ifndef NB_DEFAULT_PLUGIN_PATH
#define NB_DEFAULT_PLUGIN_PATH "plug-ins"
#endif

namespace nbhost {

namespace {

const char* const kExtension = ".so";

bool hasExtension(const std::string& name)
{
    const std::string ext = kExtension;
    return name.size() > ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0;
}

bool isModuleFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

std::vector<std::string> PluginLocator::searchPath()
{
    const char* variable = std::getenv("NB_PLUGIN_PATH");
    std::istringstream folders(variable && *variable ? variable : NB_DEFAULT_PLUGIN_PATH);
    std::vector<std::string> result;
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty())
            result.push_back(folder);
    return result;
}

bool PluginLocator::isPath(const std::string& nameOrPath)
{
    return nameOrPath.find('/') != std::string::npos;
}

std::string PluginLocator::nameOf(const std::string& nameOrPath)
{
    std::string name = std::filesystem::path(nameOrPath).filename().string();
    if (hasExtension(name))
        name.resize(name.size() - std::string(kExtension).size());
    return name;
}

std::string PluginLocator::resolve(const std::string& nameOrPath, std::string* error)
{
    if (nameOrPath.empty()) {
        *error = "No plug-in was named.";
        return "";
    }
    if (isPath(nameOrPath)) {
        std::error_code ignored;
        const std::filesystem::path path = std::filesystem::absolute(nameOrPath, ignored);
        if (isModuleFile(path))
            return path.lexically_normal().string();
        *error = "Plug-in file \"" + nameOrPath + "\" does not exist.";
        return "";
    }
    const std::string file = hasExtension(nameOrPath) ? nameOrPath : nameOrPath + kExtension;
    const std::vector<std::string> folders = searchPath();
    for (const std::string& folder : folders) {
        std::error_code ignored;
        const std::filesystem::path path = std::filesystem::absolute(folder, ignored) / file;
        if (isModuleFile(path))
            return path.lexically_normal().string();
    }
    std::string list;
    for (const std::string& folder : folders)
        list += (list.empty() ? "" : ":") + folder;
    *error = "Plug-in \"" + nameOrPath + "\" was not found on NB_PLUGIN_PATH (" + list + ").";
    return "";
}

} // namespace nbhost
