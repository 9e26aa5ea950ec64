#pragma once

#include "plugins/Plugin.h"

#include <string>

namespace nbhost {

// The dynamic-loading side of a plug-in: opens a module and finds its entry
// points and API version marker, defined in the module itself (a symbol
// the module merely inherits from a library it links does not count).
class PluginModule
{
public:
    struct Entry
    {
        void* handle = nullptr;
        Plugin::EntryPoint initialize = nullptr;
        Plugin::EntryPoint uninitialize = nullptr;
    };

    // False, with the module closed again and the reason in error, when the
    // file is not a loadable plug-in for this host.
    static bool open(const std::string& path, Entry& entry, std::string* error);
    static void close(void* handle);

    // Whether a marker's text names this host's API generation.
    static bool isCompatibleVersion(const std::string& marker);

private:
    static void* ownSymbol(void* handle, const char* name);
};

} // namespace nbhost
