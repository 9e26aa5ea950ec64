#pragma once
// The plug-in's entry points run in the test's process on a batch host, as
// the host's plug-in loading runs them, with a stand-in for the utility
// command, which is not built yet: it records its arguments.

#include "core/CommandRegistry.h"
#include "events/EventBus.h"
#include "plugins/Plugin.h"
#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/Scene.h"
#include "support/GuiTestEnvironment.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

PLUGIN_EXPORT MStatus initializePlugin(MObject object);
PLUGIN_EXPORT MStatus uninitializePlugin(MObject object);

namespace lifecycletest {

// Every run of a stand-in command, as "<command> <arguments>".
inline std::vector<std::string>& Calls()
{
    static std::vector<std::string> calls;
    return calls;
}

template <const char* Name>
class StandInCommand : public MPxCommand
{
public:
    static void* Creator() { return new StandInCommand; }
    MStatus doIt(const MArgList& args) override
    {
        std::string call = Name;
        for (unsigned int i = 0; i < args.length(); ++i)
            call += " " + std::string(args.asString(i).asChar());
        Calls().push_back(call);
        return MStatus::kSuccess;
    }
};

inline constexpr char LAYER_COMMAND[] = "vxNiblineLayer";
inline constexpr char UTIL_COMMAND[] = "vxNiblineUtil";

class LifecycleTest : public nbtest::HostTest
{
protected:
    // The host runs with its application object in batch mode too.
    void SetUp() override
    {
        nbtest::guiApplication();
        HostTest::SetUp();
        nbhost::Scene::instance().reset();
        Calls().clear();
    }
    void TearDown() override
    {
        if (loaded)
            Unload();
        HostTest::TearDown();
        nbhost::Scene::instance().reset();
    }

    MStatus Load()
    {
        plugin = std::make_shared<nbhost::Plugin>("nibline2", "", nullptr);
        MObject object = plugin->object();
        const MStatus status = initializePlugin(object);
        plugin->setStage(nbhost::Plugin::Stage::Loaded);
        loaded = true;
        AddStandIn(UTIL_COMMAND, &StandInCommand<UTIL_COMMAND>::Creator);
        return status;
    }
    MStatus Unload()
    {
        loaded = false;
        plugin->setStage(nbhost::Plugin::Stage::Uninitializing);
        MObject object = plugin->object();
        const MStatus status = uninitializePlugin(object);
        for (const char* name : {LAYER_COMMAND, UTIL_COMMAND})
            host().commands().deregisterCommand(name, "lifecycle test");
        // As the host does after unloading, whatever the plug-in left goes.
        nbhost::Scene::instance().reset();
        for (const std::string& name : host().commands().namesOwnedBy(plugin->name()))
            host().commands().deregisterCommand(name, plugin->name());
        for (MTypeId id : std::vector<MTypeId>(plugin->nodeTypes()))
            nbhost::NodeTypeRegistry::instance().deregisterPluginType(id);
        for (MTypeId id : std::vector<MTypeId>(plugin->dataTypes()))
            nbhost::DataTypeRegistry::instance().deregisterType(id);
        return status;
    }

    size_t Listeners(const char* event) { return host().events().listenerCount(event); }
    nbhost::Value Run(const std::string& script)
    {
        nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << "\n" << output().errors();
        return result.value;
    }

    std::shared_ptr<nbhost::Plugin> plugin;
    bool loaded = false;

private:
    // Only for a command the plug-in does not register itself.
    void AddStandIn(const char* name, MCreatorFunction creator)
    {
        if (!host().commands().find(name))
            host().commands().registerCommand(name, creator, nullptr, "lifecycle test");
    }
};

} // namespace lifecycletest
