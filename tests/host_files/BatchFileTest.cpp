// nbhost -batch -file opens the scene before the script runs.
#include "support/HostTestEnvironment.h"

#include <filesystem>

namespace filetest {
namespace {

nbtest::ProcessResult batch(std::vector<std::string> args)
{
    static nbtest::TempDir prefs("nbfileprefs");
    args.insert(args.begin(), {"-batch", "-noplugin", "-prefs", prefs.path()});
    return nbtest::runHost(args);
}

TEST(BatchFile, TheSceneIsOpenBeforeTheScriptRuns)
{
    const std::string scene = std::string(NB_TEST_DATA_DIR) + "/scenes/handwritten.nba";
    nbtest::ProcessResult result = batch({"-file", scene, "-command", "print `getAttr stick.tx`"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "-1");

    // The path reaches the file command whole, whatever it holds.
    nbtest::TempDir dir("nbodd");
    const std::string odd = dir.file("say \"hi\"; a\\b\tc.nba");
    std::filesystem::copy_file(scene, odd);
    result = batch({"-file", odd, "-command", "print `getAttr stick.tx`"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "-1");
}

TEST(BatchFile, ASceneThatCannotOpenStopsTheRun)
{
    nbtest::TempDir dir("nbbadscene");
    const std::string scene = dir.write("bad.nbb", "\x89NBB\r\n\x1a\nshort");
    nbtest::ProcessResult result = batch({"-file", scene, "-command", "print \"ran\""});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("Cannot open"), std::string::npos) << result.err;
}

} // namespace
} // namespace filetest
