// New, open, import and reference: read states, events, the undo queue,
// default cameras and names.
#include "FileFixture.h"

#include "core/Host.h"
#include "events/EventBus.h"
#include "undo/UndoQueue.h"

#include <maya/MFileIO.h>

namespace filetest {
namespace {

class FileOperationsTest : public FileFixture
{
protected:
    // A file holding "note" (a plug-in node under "box") and a changed persp.
    std::string writeNoteScene(const std::string& name)
    {
        buildScene();
        const std::string file = save(name);
        run("file -new -f");
        return file;
    }
};

TEST_F(FileOperationsTest, NodesMadeByAReadSeeItsStateOnlyWhileItRuns)
{
    using Bits = int;
    const Bits reading = 1, opening = 2, importing = 4, referencing = 8;
    for (const char* name : {"states.nba", "states.nbb"}) {
        run("file -new -f");
        const std::string file = writeNoteScene(name);
        ASSERT_TRUE(open(file));
        EXPECT_EQ(readState("note"), reading | opening) << name;
        run("file -import \"" + file + "\"");
        EXPECT_EQ(readState("note1"), reading | importing) << name;
        run("file -reference \"" + file + "\"");
        EXPECT_EQ(readState("note2"), reading | referencing) << name;
        run("createNode nbTestNode -n made");
        EXPECT_EQ(readState("made"), 0);
        EXPECT_FALSE(MFileIO::isReadingFile() || MFileIO::isOpeningFile() || MFileIO::isImportingFile()
                     || MFileIO::isReferencingFile() || MFileIO::isWritingFile());
    }
}

TEST_F(FileOperationsTest, OpenFiresSceneOpenedAfterTheReadAndEmptiesTheUndoQueue)
{
    const std::string file = writeNoteScene("events.nba");
    int fired = 0;
    bool noteExisted = false;
    host().events().addEventListener("SceneOpened", [&] {
        ++fired;
        noteExisted = nbhost::Scene::instance().find("note") != nullptr && !MFileIO::isReadingFile();
    });
    run("createNode transform -n extra");
    ASSERT_TRUE(host().undoQueue().canUndo());
    ASSERT_TRUE(open(file));
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(noteExisted);
    EXPECT_FALSE(host().undoQueue().canUndo());
    EXPECT_EQ(nbhost::Scene::instance().find("extra"), nullptr);

    // Import adds without an event and keeps the undo queue; new empties it.
    run("createNode transform -n extra");
    run("file -import \"" + file + "\"");
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(host().undoQueue().canUndo());
    run("file -new -force");
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(host().undoQueue().canUndo());
}

TEST_F(FileOperationsTest, NewGivesAnUntitledDefaultScene)
{
    const std::string defaults = dump();
    buildScene();
    save("named.nba");
    run("currentUnit -t ntsc");
    run("file -new -f");
    EXPECT_EQ(dump(), defaults);
    EXPECT_EQ(run("file -q -sceneName").asString(), "");
    EXPECT_EQ(run("currentUnit -q -t").asString(), "film");
    EXPECT_NE(failure("file -save").find("no name yet"), std::string::npos);
}

TEST_F(FileOperationsTest, ImportKeepsTheSceneItsCamerasAndItsNameAndRenamesClashes)
{
    const std::string file = writeNoteScene("import.nbb");
    run("createNode transform -n box; setAttr persp.tx 5");
    const std::string own = save("own.nba");
    run("file -import \"" + file + "\"");
    EXPECT_EQ(run("file -q -sceneName").asString(), own);
    EXPECT_EQ(run("getAttr persp.tx").asFloat(), 5.0);
    EXPECT_EQ(run("ls -type camera").asStringArray().size(), 5u);
    // The file's "box" became box1 and kept its children.
    EXPECT_EQ(run("listRelatives -c box1").asStringArray(), (std::vector<std::string>{"lid", "note"}));
    EXPECT_EQ(run("listRelatives -c box").asStringArray(), std::vector<std::string>{});
    EXPECT_EQ(run("getAttr box1.tx").asFloat(), 1.5);
}

TEST_F(FileOperationsTest, ModifiedCountsChangesSinceTheSceneWasStartedOpenedOrSaved)
{
    auto modified = [this] { return run("file -q -modified").asInt(); };
    EXPECT_EQ(modified(), 0);
    run("createNode transform -n a");
    EXPECT_EQ(modified(), 1);
    const std::string file = save("modified.nba");
    EXPECT_EQ(modified(), 0);
    run("ls; getAttr a.tx; file -q -sceneName");
    EXPECT_EQ(modified(), 0);
    // Changes made with undo off count too.
    ASSERT_TRUE(eval("setAttr a.tx 2", false).ok);
    EXPECT_EQ(modified(), 1);
    ASSERT_TRUE(open(file));
    EXPECT_EQ(modified(), 0);
    run("setAttr a.tx 3");
    save("modified.nba");
    run("undo");
    EXPECT_EQ(modified(), 1);
    run("file -new -f");
    EXPECT_EQ(modified(), 0);
    run("file -import \"" + file + "\"");
    EXPECT_EQ(modified(), 1);
}

TEST_F(FileOperationsTest, ReadsNeedTheirFileAndTheRightFlags)
{
    EXPECT_NE(failure("file -open -f").find("name the file"), std::string::npos);
    EXPECT_NE(failure("file -q").find("query -sceneName or -modified"), std::string::npos);
    EXPECT_NE(failure("file").find("say what to do"), std::string::npos);
    EXPECT_EQ(run("file -rename \"relative.nba\"").asString().front(), '/');
}

} // namespace
} // namespace filetest
