// The built module in nbhost -batch, as users and CI run it.
#include "support/HostTestEnvironment.h"

#include <cstdlib>

namespace {

TEST(BatchRun, ModuleLoadsSavesBothFormsAndQuitsCleanly)
{
    setenv("NB_PLUGIN_PATH", NB_PLUGIN_DIR, 1);
    nbtest::TempDir dir("nbbatch");
    const std::string script =
        "print (`pluginInfo -q -loaded nibline2` + \" \" + `pluginInfo -q -version nibline2` + \"\\n\");"
        "createNode vxNibline;"
        "file -rename \"" + dir.file("a.nba") + "\"; file -save -type \"nbAscii\";"
        "file -rename \"" + dir.file("b.nbb") + "\"; file -save -type \"nbBinary\";"
        "file -new -f; file -open -f \"" + dir.file("a.nba") + "\";"
        "file -new -f; file -open -f \"" + dir.file("b.nbb") + "\";"
        "print (size(`ls -type vxNibline`) + \"\\n\");";
    // A fresh preference folder: the settings file is written at quit.
    const nbtest::ProcessResult run = nbtest::runHost({"-batch", "-prefs", dir.path(), "-command", script});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "1 2.5.4\n1\n");
    EXPECT_EQ(run.err, "");
    EXPECT_NE(nbtest::readFile(dir.file("a.nba")).find("-type \"vxLayerData\" 1 1 \"\" 0"), std::string::npos);
    EXPECT_NE(nbtest::readFile(dir.file("nibline2.ini")).find("mainMenuName=NB2"), std::string::npos);
}

} // namespace
