// Loading the test plug-in module: search path, identity, registrations,
// and modules that are missing, foreign or fail to initialise.
#include "PluginFixture.h"

#include "core/Host.h"
#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"

#include <dlfcn.h>

namespace plugintest {
namespace {

using Names = std::vector<std::string>;

class PluginLoadingTest : public PluginFixture
{
};

TEST_F(PluginLoadingTest, LoadsByNameFromTheSearchPathAndReportsItsIdentity)
{
    EXPECT_EQ(run("loadPlugin nbtestplugin").asStringArray(), Names{kPlugin});
    EXPECT_TRUE(isLoaded());
    EXPECT_EQ(run("pluginInfo -q -vendor nbtestplugin").asString(), "Nibline tests");
    EXPECT_EQ(run("pluginInfo -q -version nbtestplugin").asString(), "1.2");
    EXPECT_EQ(run("pluginInfo -q -path nbtestplugin").asString(), pluginPath());
    EXPECT_EQ(run("pluginInfo -q -listPlugins").asStringArray(), Names{kPlugin});
    EXPECT_EQ(run("pluginInfo -q -command nbtestplugin").asStringArray(), Names{"nbTestCommand"});
    EXPECT_EQ(run("pluginInfo -q -dependNode nbtestplugin").asStringArray(), Names{"nbTestNode"});
    EXPECT_EQ(run("pluginInfo -q -data nbtestplugin").asStringArray(), Names{"nbTestData"});
    EXPECT_EQ(run("nbTestCommand a b c").asInt(), 3);
    EXPECT_EQ(run("createNode nbTestNode -n probe").asString(), "probe");
}

TEST_F(PluginLoadingTest, LoadingAgainIsANoOpWithAWarning)
{
    run("loadPlugin nbtestplugin");
    output().clear();
    EXPECT_EQ(run("loadPlugin \"" + pluginPath() + "\"").asStringArray(), Names{kPlugin});
    EXPECT_NE(output().warnings().find("already loaded"), std::string::npos);
    output().clear();
    run("loadPlugin -quiet nbtestplugin");
    EXPECT_EQ(output().warnings(), "");
    EXPECT_EQ(nbhost::PluginManager::instance().plugins().size(), 1u);
}

TEST_F(PluginLoadingTest, UnloadingWithdrawsEverythingItRegistered)
{
    run("loadPlugin \"" + pluginPath() + "\"");
    EXPECT_EQ(run("unloadPlugin nbtestplugin").asStringArray(), Names{kPlugin});
    EXPECT_FALSE(isLoaded());
    EXPECT_FALSE(hasCommand("nbTestCommand"));
    EXPECT_EQ(nbhost::NodeTypeRegistry::instance().find("nbTestNode"), nullptr);
    EXPECT_EQ(nbhost::DataTypeRegistry::instance().find("nbTestData"), nullptr);
    EXPECT_NE(failure("createNode nbTestNode").find("nbTestNode"), std::string::npos);
    // And it loads again.
    run("loadPlugin nbtestplugin");
    EXPECT_TRUE(hasCommand("nbTestCommand"));
}

TEST_F(PluginLoadingTest, MissingAndForeignModulesFailClearlyAndTheHostRunsOn)
{
    std::string errors = failure("loadPlugin noSuchPlugin");
    EXPECT_NE(errors.find("\"noSuchPlugin\" was not found on NB_PLUGIN_PATH (/nonexistent:"), std::string::npos)
        << errors;

    nbtest::TempDir dir("nbforeign");
    const std::string junk = dir.write("junk.so", "this is not a shared object");
    EXPECT_NE(failure("loadPlugin \"" + junk + "\"").find("Cannot load"), std::string::npos);

    // A real library that is no plug-in: the host's own.
    Dl_info info{};
    ASSERT_TRUE(dladdr(reinterpret_cast<void*>(&nbhost::Host::current), &info));
    errors = failure(std::string("loadPlugin \"") + info.dli_fname + "\"");
    EXPECT_NE(errors.find("does not export initializePlugin"), std::string::npos) << errors;

    EXPECT_NE(failure("unloadPlugin nbtestplugin").find("is not loaded"), std::string::npos);
    EXPECT_NE(failure("pluginInfo -q -version nbtestplugin").find("not loaded"), std::string::npos);
    EXPECT_TRUE(nbhost::PluginManager::instance().plugins().empty());
    EXPECT_EQ(run("size(\"abc\")").asInt(), 3);
}

TEST_F(PluginLoadingTest, AModuleThatFailsToInitialiseIsUnloadedAndLeavesNothing)
{
    ScopedEnv fail("NBTEST_PLUGIN_FAIL_INIT", "1");
    const std::string errors = failure("loadPlugin nbtestplugin");
    EXPECT_NE(errors.find("initializePlugin failed"), std::string::npos) << errors;
    EXPECT_FALSE(isLoaded());
    // It had registered its command before failing.
    EXPECT_FALSE(hasCommand("nbTestCommand"));
}

TEST_F(PluginLoadingTest, AModuleNeedingANewerHostRefusesToLoad)
{
    ScopedEnv require("NBTEST_PLUGIN_REQUIRE", "20990000");
    const std::string errors = failure("loadPlugin nbtestplugin");
    EXPECT_NE(errors.find("requires API version 20990000"), std::string::npos) << errors;
    EXPECT_FALSE(isLoaded());
}

} // namespace
} // namespace plugintest
