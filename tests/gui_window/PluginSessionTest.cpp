// A whole session as a user has it: nbhost started in GUI mode with the
// plug-in loaded from the plug-in path, a script that draws into the scene,
// saves, reopens and unloads, and a clean quit.
#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The body runs inside catch() so that a failing step still reaches the
// quit and reports itself through the exit status instead of leaving the
// window open.
const char* const kSessionScript = R"(
proc session(string $scene)
{
    global string $gVxNbMainMenu;
    print ("loaded " + `pluginInfo -q -loaded nibline2` + " " + `pluginInfo -q -version nibline2` + "\n");
    print ("menu " + `menu -q -exists $gVxNbMainMenu` + "\n");
    vxNiblineNode;
    vxNiblineLayer -add persp;
    vxNiblineLayer -add -n "Second" persp;
    currentTime 5;
    vxNiblineFrame -insert;
    undo;
    redo;
    file -rename $scene;
    file -save;
    file -new -f;
    print ("after new " + `vxNiblineNode -exists` + "\n");
    file -open -f $scene;
    print ("after open " + `vxNiblineNode -exists` + " " + `vxNiblineLayer -count persp` + " "
           + `vxNiblineLayer -qn 1 persp` + "\n");
    file -new -f;
    unloadPlugin nibline2;
    print ("unloaded " + `pluginInfo -q -loaded nibline2` + " menu " + `menu -q -exists $gVxNbMainMenu` + "\n");
}
int $failed = catch(session($scenePath));
quit -f -exitCode $failed;
)";

TEST(PluginSessionTest, DrawSaveReopenAndUnloadInTheWindowThenQuitCleanly)
{
    nbtest::TempDir dir("nbsession");
    const std::string script = "string $scenePath = \"" + dir.file("shot.nba") + "\";\n" + kSessionScript;
    const nbtest::ProcessResult run =
        nbtest::runHost({"-prefs", dir.file("prefs"), "-script", dir.write("session.mel", script)});

    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("loaded 1 2.5.4\nmenu 1\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("after new 0\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("after open 1 2 Second\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("unloaded 0 menu 0\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.err.find("// Error"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("// Warning"), std::string::npos) << run.err;
}

} // namespace
