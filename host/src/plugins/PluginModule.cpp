#include "plugins/PluginModule.h"

#include <maya/MTypes.h>

#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <link.h>

namespace nbhost {

namespace {

const int kGeneration = MAYA_API_VERSION / 10000;

std::string dlError()
{
    const char* text = dlerror();
    return text ? text : "unknown error";
}

} // namespace

bool PluginModule::isCompatibleVersion(const std::string& marker)
{
    char* end = nullptr;
    const long version = std::strtol(marker.c_str(), &end, 10);
    return !marker.empty() && *end == '\0' && version / 10000 == kGeneration;
}

void* PluginModule::ownSymbol(void* handle, const char* name)
{
    void* symbol = dlsym(handle, name);
    link_map* module = nullptr;
    Dl_info info{};
    if (!symbol || dlinfo(handle, RTLD_DI_LINKMAP, &module) != 0 || !module
        || !dladdr(symbol, &info) || !info.dli_fname || !module->l_name)
        return nullptr;
    return std::strcmp(info.dli_fname, module->l_name) == 0 ? symbol : nullptr;
}

bool PluginModule::open(const std::string& path, Entry& entry, std::string* error)
{
    dlerror();
    // The module's code and constant data stay mapped after it is closed:
    // Qt keeps process-wide caches (settings files, resources, meta types)
    // that can still refer to a plug-in's constant strings until the process
    // exits. Closing still withdraws everything the plug-in registered.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle) {
        *error = "Cannot load \"" + path + "\": " + dlError();
        return false;
    }
    auto fail = [&](const std::string& why) {
        dlclose(handle);
        *error = "\"" + path + "\" is not a plug-in: " + why;
        return false;
    };
    entry.initialize = reinterpret_cast<Plugin::EntryPoint>(ownSymbol(handle, "initializePlugin"));
    entry.uninitialize = reinterpret_cast<Plugin::EntryPoint>(ownSymbol(handle, "uninitializePlugin"));
    if (!entry.initialize || !entry.uninitialize)
        return fail("it does not export initializePlugin and uninitializePlugin.");
    const auto* marker = static_cast<const char*>(ownSymbol(handle, NB_API_VERSION_MARKER_NAME));
    if (!marker)
        return fail("it carries no API version marker.");
    const std::string version(marker, strnlen(marker, 32));
    if (!isCompatibleVersion(version))
        return fail("it was built for API version \"" + version + "\"; this host provides "
                    + std::to_string(MAYA_API_VERSION) + ".");
    entry.handle = handle;
    return true;
}

void PluginModule::close(void* handle)
{
    if (handle)
        dlclose(handle);
}

} // namespace nbhost
