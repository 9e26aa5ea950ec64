#pragma once
// A host with the test plug-in's folder on NB_PLUGIN_PATH and none of the
// test plug-in's misbehaviour switches set.

#include "plugins/PluginManager.h"
#include "support/HostTestEnvironment.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace plugintest {

class ScopedEnv
{
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name)
    {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        if (old)
            m_old = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (m_had)
            setenv(m_name, m_old.c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had = false;
    std::string m_old;
};

class PluginFixture : public nbtest::HostTest
{
protected:
    static constexpr const char* kPlugin = "nbtestplugin";

    std::string pluginPath() const { return std::string(NB_TEST_PLUGIN_DIR) + "/nbtestplugin.so"; }

    bool isLoaded() { return run(std::string("pluginInfo -q -loaded ") + kPlugin).asInt() == 1; }
    bool hasCommand(const std::string& name);

private:
    ScopedEnv m_path{"NB_PLUGIN_PATH", std::string("/nonexistent:") + NB_TEST_PLUGIN_DIR};
};

inline bool PluginFixture::hasCommand(const std::string& name)
{
    return run("exists " + name).asInt() == 1;
}

} // namespace plugintest
