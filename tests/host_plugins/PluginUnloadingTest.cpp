// Unloading: nodes in use, forced unloads, uninitializePlugin that fails or
// forgets its registrations, and the unload at quit.
#include "PluginFixture.h"

#include "core/Host.h"
#include "events/EventBus.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/Scene.h"
#include "undo/UndoQueue.h"

namespace plugintest {
namespace {

class PluginUnloadingTest : public PluginFixture
{
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        run("loadPlugin nbtestplugin");
    }
};

TEST_F(PluginUnloadingTest, NodesInTheSceneKeepItLoadedUnlessForced)
{
    run("createNode nbTestNode -n probe");
    EXPECT_NE(failure("unloadPlugin nbtestplugin").find("1 node(s) of its types are in the scene"),
              std::string::npos);
    EXPECT_TRUE(isLoaded());
    EXPECT_EQ(run("nbTestCommand").asInt(), 0);

    run("unloadPlugin -force nbtestplugin");
    EXPECT_FALSE(isLoaded());
    EXPECT_EQ(nbhost::Scene::instance().find("probe"), nullptr);
    // The creation step is gone with the nodes: nothing to undo into.
    EXPECT_FALSE(host().undoQueue().canUndo());
}

TEST_F(PluginUnloadingTest, NodesHeldOnlyByTheUndoQueueDoNotBlockIt)
{
    run("createNode nbTestNode -n probe; delete probe");
    ASSERT_TRUE(host().undoQueue().canUndo());
    run("unloadPlugin nbtestplugin");
    EXPECT_FALSE(isLoaded());
    EXPECT_FALSE(host().undoQueue().canUndo());
}

TEST_F(PluginUnloadingTest, LeftoversOfAForgetfulUninitializeAreWithdrawnWithWarnings)
{
    ScopedEnv forget("NBTEST_PLUGIN_FORGET", "1");
    output().clear();
    run("unloadPlugin nbtestplugin");
    const std::string warnings = output().warnings();
    EXPECT_NE(warnings.find("left command \"nbTestCommand\" registered"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("left node type \"nbTestNode\""), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("left data type \"nbTestData\""), std::string::npos) << warnings;
    EXPECT_FALSE(hasCommand("nbTestCommand"));
    EXPECT_EQ(nbhost::NodeTypeRegistry::instance().find("nbTestNode"), nullptr);
}

TEST_F(PluginUnloadingTest, AFailingUninitializeKeepsItLoadedUnlessForced)
{
    ScopedEnv fail("NBTEST_PLUGIN_FAIL_UNINIT", "1");
    EXPECT_NE(failure("unloadPlugin nbtestplugin").find("stays loaded"), std::string::npos);
    EXPECT_TRUE(isLoaded());
    EXPECT_TRUE(hasCommand("nbTestCommand"));
    run("unloadPlugin -f nbtestplugin");
    EXPECT_FALSE(isLoaded());
    EXPECT_FALSE(hasCommand("nbTestCommand"));
}

TEST_F(PluginUnloadingTest, QuitUnloadsAfterQuitApplicationFired)
{
    run("createNode nbTestNode -n probe");
    bool loadedAtQuitEvent = false;
    host().events().addEventListener("quitApplication", [&] {
        loadedAtQuitEvent = nbhost::PluginManager::instance().find(kPlugin) != nullptr;
    });
    host().quit();
    EXPECT_TRUE(loadedAtQuitEvent);
    EXPECT_TRUE(nbhost::PluginManager::instance().plugins().empty());
    EXPECT_EQ(nbhost::NodeTypeRegistry::instance().find("nbTestNode"), nullptr);
}

} // namespace
} // namespace plugintest
