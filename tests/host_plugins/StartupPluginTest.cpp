// nbhost loads nibline2 at start unless -noplugin, and runs on without it.
#include "PluginFixture.h"

#include <filesystem>

namespace plugintest {
namespace {

nbtest::ProcessResult batch(const std::string& pluginPath, std::vector<std::string> args)
{
    static nbtest::TempDir prefs("nbplugprefs");
    ScopedEnv path("NB_PLUGIN_PATH", pluginPath);
    args.insert(args.begin(), {"-batch", "-prefs", prefs.path()});
    return nbtest::runHost(args);
}

TEST(StartupPlugin, AMissingStartupPluginIsReportedAndTheHostRunsOn)
{
    nbtest::TempDir empty("nbnoplug");
    nbtest::ProcessResult result = batch(empty.path(), {"-command", "print \"ran\""});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "ran");
    EXPECT_NE(result.err.find("\"nibline2\" was not found on NB_PLUGIN_PATH"), std::string::npos) << result.err;

    result = batch(empty.path(), {"-noplugin", "-command", "print \"ran\""});
    EXPECT_EQ(result.err, "");
}

TEST(StartupPlugin, TheStartupPluginIsLoadedAtStartUnlessNoplugin)
{
    // The test module standing in for nibline2.
    nbtest::TempDir dir("nbstartplug");
    std::filesystem::copy_file(std::string(NB_TEST_PLUGIN_DIR) + "/nbtestplugin.so", dir.file("nibline2.so"));
    nbtest::ProcessResult result =
        batch(dir.path(), {"-command", "print `pluginInfo -q -loaded nibline2`; print `nbTestCommand x`"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "11");
    EXPECT_EQ(result.err, "");

    result = batch(dir.path(), {"-noplugin", "-command", "print `pluginInfo -q -loaded nibline2`"});
    EXPECT_EQ(result.out, "0");
}

TEST(StartupPlugin, AStartupPluginThatFailsToInitialiseLeavesTheHostRunning)
{
    nbtest::TempDir dir("nbfailplug");
    std::filesystem::copy_file(std::string(NB_TEST_PLUGIN_DIR) + "/nbtestplugin.so", dir.file("nibline2.so"));
    ScopedEnv fail("NBTEST_PLUGIN_FAIL_INIT", "1");
    nbtest::ProcessResult result = batch(dir.path(), {"-command", "print `exists nbTestCommand`"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "0");
    EXPECT_NE(result.err.find("initializePlugin failed"), std::string::npos) << result.err;
}

} // namespace
} // namespace plugintest
