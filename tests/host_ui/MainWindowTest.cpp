#include "FakeFileCommand.h"
#include "UiTest.h"

#include "core/CommandRegistry.h"
#include "events/EventBus.h"
#include "ui/FileMenu.h"
#include "ui/MainWindow.h"
#include "ui/ScriptEditor.h"

using nbhost::FileMenu;

class MainWindowTest : public UiTest
{
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        FakeFileCommand::reset();
        host().commands().deregisterCommand("file");
        host().commands().registerCommand("file", FakeFileCommand::creator, FakeFileCommand::newSyntax, "tests");
    }

    FileMenu& files() { return mainWindow().fileMenu(); }
    QAction* menuAction(QMenu& menu, const QString& text)
    {
        for (QAction* action : menu.actions())
            if (action->text().startsWith(text))
                return action;
        return nullptr;
    }
};

TEST_F(MainWindowTest, TitleNamesTheSceneAndMarksUnsavedChanges)
{
    EXPECT_EQ(mainWindow().windowTitle(), "nbhost - untitled[*]");
    EXPECT_FALSE(mainWindow().isWindowModified());
    FakeFileCommand::sceneName = "/shots/sq010.nba";
    FakeFileCommand::modified = true;
    eval("optionVar -iv nbAnything 1");
    mainWindow().updateTitle();
    EXPECT_EQ(mainWindow().windowTitle(), "nbhost - sq010.nba[*]");
    EXPECT_TRUE(mainWindow().isWindowModified());
}

TEST_F(MainWindowTest, FileActionsRunTheFileCommandAndRememberRecentScenes)
{
    ASSERT_TRUE(files().openScene("/tmp/my \"shots\"/a.nbb"));
    ASSERT_TRUE(files().saveSceneAs("/tmp/out.nbb"));
    ASSERT_TRUE(files().saveScene());
    ASSERT_TRUE(files().importFile("/tmp/props.nba"));
    ASSERT_TRUE(files().newScene());
    EXPECT_EQ(FakeFileCommand::calls,
              std::vector<std::string>({"-open /tmp/my \"shots\"/a.nbb", "-rename /tmp/out.nbb", "-save -type nbBinary",
                                        "-save -type nbBinary", "-import /tmp/props.nba", "-new"}));
    EXPECT_EQ(nbhost::RecentFiles(mainWindow().settingsPath()).files(),
              QStringList({"/tmp/out.nbb", "/tmp/my \"shots\"/a.nbb"}));
    EXPECT_EQ(FileMenu::sceneType("x.NBB"), "nbBinary");
    EXPECT_EQ(FileMenu::sceneType("x.nba"), "nbAscii");

    FakeFileCommand::failSaves = true;
    EXPECT_FALSE(files().saveSceneAs("/tmp/never.nba"));
    EXPECT_FALSE(files().recentFiles().files().contains("/tmp/never.nba"));
}

TEST_F(MainWindowTest, UnsavedChangesAreKeptUnlessTheUserLetsThemGo)
{
    FakeFileCommand::sceneName = "/tmp/work.nba";
    FakeFileCommand::modified = true;
    FileMenu::Choice answer = FileMenu::Choice::Cancel;
    files().setAskFunction([&answer] { return answer; });

    EXPECT_FALSE(files().newScene());
    FakeFileCommand::failSaves = true;
    answer = FileMenu::Choice::Save;
    EXPECT_FALSE(files().openScene("/tmp/other.nba"));
    EXPECT_EQ(FakeFileCommand::calls, std::vector<std::string>({"-save -type nbAscii"}));

    int quits = 0;
    host().events().addEventListener("quitApplication", [&quits] { ++quits; });
    answer = FileMenu::Choice::Cancel;
    EXPECT_FALSE(mainWindow().close());
    EXPECT_FALSE(host().hasQuit());

    answer = FileMenu::Choice::Discard;
    EXPECT_TRUE(mainWindow().close());
    EXPECT_TRUE(host().hasQuit());
    EXPECT_EQ(quits, 1);
}

TEST_F(MainWindowTest, EditMenuNamesTheStepsAndUndoesThem)
{
    eval("createNode transform -n nbThing");
    emit mainWindow().editMenu().aboutToShow();
    QAction* undo = menuAction(mainWindow().editMenu(), "Undo");
    ASSERT_NE(undo, nullptr);
    EXPECT_TRUE(undo->text().contains("createNode")) << undo->text().toStdString();
    undo->trigger();
    EXPECT_EQ(num("objExists nbThing"), 0);
    emit mainWindow().editMenu().aboutToShow();
    EXPECT_FALSE(undo->isEnabled());
    QAction* redo = menuAction(mainWindow().editMenu(), "Redo");
    EXPECT_TRUE(redo->text().contains("createNode"));
    redo->trigger();
    EXPECT_EQ(num("objExists nbThing"), 1);

    menuAction(mainWindow().windowsMenu(), "Script Editor")->trigger();
    EXPECT_TRUE(session().scriptEditor().isVisible());
}

TEST(MainWindowGeometryTest, GeometryIsRememberedBetweenRuns)
{
    nbtest::TempDir prefs;
    {
        nbtest::ScopedGui first(nbtest::GuiSetup{false, true, prefs.path()});
        first.mainWindow().show();
        first.mainWindow().setGeometry(40, 50, 900, 640);
        nbtest::processEvents();
    }
    nbtest::ScopedGui second(nbtest::GuiSetup{false, true, prefs.path()});
    EXPECT_EQ(second.mainWindow().size(), QSize(900, 640));
}
