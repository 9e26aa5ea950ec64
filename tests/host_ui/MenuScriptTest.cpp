#include "UiTest.h"

#include "base/MayaUtil.h"
#include "ui/MenuSets.h"

#include <fstream>
#include <sstream>

namespace {

// The plug-in's main-menu script as the plug-in evaluates it, with its own
// names in place of the name tokens.
std::string menuScript()
{
    std::ifstream file(std::string(NB_TEST_DATA_DIR) + "/../../resources/scripts/Nibline.mel");
    std::stringstream text;
    text << file.rdbuf();
    return MayaUtil::ParseScript(QString::fromStdString(text.str())).toStdString();
}

// The menu as text: one line per item, sub-menu items indented, dividers
// as dashes, radio and check items with their state, commands after "=>".
void describe(const QMenu& menu, const std::string& indent, std::string& out)
{
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            out += indent + "----\n";
            continue;
        }
        out += indent + action->text().toStdString();
        if (action->isCheckable())
            out += action->isChecked() ? " [x]" : " [ ]";
        const QString command = action->property("nbCommand").toString();
        if (!command.isEmpty())
            out += " => " + command.toStdString();
        out += "\n";
        if (action->menu())
            describe(*action->menu(), indent + ". ", out);
    }
}

const char* const kExpectedMenu = R"(Draw => vxNiblineUtil -draw
Transform => vxNiblineUtil -transform
----
Draw Tool
. Pencil [x] => vxNiblineUtil -pencilTool
. Brush [ ] => vxNiblineUtil -brushTool
. Eraser [ ] => vxNiblineUtil -eraserTool
. Text [ ] => vxNiblineUtil -textTool
. Line [ ] => vxNiblineUtil -lineTool
. Arrow [ ] => vxNiblineUtil -arrowTool
. Ellipse [ ] => vxNiblineUtil -ellipseTool
. Rectangle [ ] => vxNiblineUtil -rectangleTool
----
Layer
. New Layer... => vxNiblineUtil -newLayer
. Layer Properties... => vxNiblineUtil -layerProperties
Frame
. Insert Frame(s) => vxNiblineFrame -insert
. Duplicate Frame => vxNiblineFrame -duplicate
. Delete Frame(s) => vxNiblineFrame -delete
. ----
. Cut Frame(s) => vxNiblineFrame -cut
. Copy Frame(s) => vxNiblineFrame -copy
. Paste Frame(s) => vxNiblineFrame -paste
. ----
. Clear Frame(s) => vxNiblineFrame -clear
. ----
. Step Forward => vxNiblineFrame -stepForward
. Step Back => vxNiblineFrame -stepBack
Ghosting
. Ghost Previous [ ] => vxNiblineUtil -e -ghostPrevious -1
. Ghost Next [ ] => vxNiblineUtil -e -ghostNext -1
. ----
. Settings... => vxNiblineUtil -ghostingSettings
----
Toolbox... => vxNiblineUtil -toolbox
Tool Options... => vxNiblineUtil -toolOptions
Layer Manager... => vxNiblineUtil -layerManager
Retiming Tool... => vxNiblineUtil -retimingTool
----
Display Timeline Frames
. Always [x] => vxNiblineUtil -e -timelineFrameDisplay 0
. Selection/Context Active [ ] => vxNiblineUtil -e -timelineFrameDisplay 1
. Off [ ] => vxNiblineUtil -e -timelineFrameDisplay 2
----
View
. Nibline View => vxNiblineUtil -fv
. Move layers to Nibline View => vxNiblineUtil -fvm ""
----
Utilities
. Reset UI => vxNiblineUtil -resetUI
Cleanup
. Delete Active Layer => vxNbDeleteActiveLayer()
. Delete Active Camera Layers => vxNbDeleteActiveCameraLayers()
. ----
. Clear All => vxNbDeleteAllNodes()
----
Preferences... => vxNiblineUtil -preferences
----
About... => vxNiblineUtil -about
)";

} // namespace

class MenuScriptTest : public UiTest
{
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        const nbhost::EvalResult sourced = eval(menuScript(), false);
        ASSERT_TRUE(sourced.ok) << sourced.error;
    }

    QMenu* mainMenu() { return menu(str("$tmp = $gVxNbMainMenu")); }
    std::string menuText()
    {
        std::string text;
        if (QMenu* built = mainMenu())
            describe(*built, "", text);
        return text;
    }
};

TEST_F(MenuScriptTest, CreateProcedureBuildsTheWholeMenu)
{
    ASSERT_TRUE(eval("vxNbCreateMainMenu(0)", false).ok) << output().errors();
    ASSERT_NE(mainMenu(), nullptr);
    EXPECT_EQ(mainMenu()->title(), "NB2");
    EXPECT_TRUE(mainMenu()->isTearOffEnabled());
    EXPECT_EQ(menuText(), kExpectedMenu);
    for (QAction* action : mainMenu()->actions()) {
        if (action->menu()) {
            EXPECT_TRUE(action->menu()->isTearOffEnabled()) << action->text().toStdString();
        }
    }
    EXPECT_EQ(str("menuSet -q -currentMenuSet"), "modelingMenuSet");
    EXPECT_TRUE(mainMenu()->menuAction()->isVisible());
}

TEST_F(MenuScriptTest, UpdateProcedureSetsToolGhostAndTimelineItems)
{
    eval("vxNbCreateMainMenu(0); vxNbUpdateMainMenu(3, 1, 0, 2);", false);
    const std::string text = menuText();
    EXPECT_NE(text.find(". Pencil [ ]"), std::string::npos);
    EXPECT_NE(text.find(". Text [x]"), std::string::npos);
    EXPECT_NE(text.find(". Ghost Previous [x]"), std::string::npos);
    EXPECT_NE(text.find(". Ghost Next [ ]"), std::string::npos);
    EXPECT_NE(text.find(". Always [ ]"), std::string::npos);
    EXPECT_NE(text.find(". Off [x]"), std::string::npos);

    // Both ghost items may be on together; values out of range change nothing.
    eval("vxNbUpdateMainMenu(9, 1, 1, -1)", false);
    const std::string after = menuText();
    EXPECT_NE(after.find(". Text [x]"), std::string::npos);
    EXPECT_NE(after.find(". Ghost Previous [x]"), std::string::npos);
    EXPECT_NE(after.find(". Ghost Next [x]"), std::string::npos);
    EXPECT_NE(after.find(". Off [x]"), std::string::npos);
}

// In the animation set, the menu shows only there, and the user's set is
// back once the deferred switch has run.
TEST_F(MenuScriptTest, AnimationMenuSetOptionLeavesTheCurrentSetAsItWas)
{
    eval("setMenuMode riggingMenuSet; vxNbCreateMainMenu(1);", false);
    EXPECT_EQ(str("menuSet -q -currentMenuSet"), "animationMenuSet");
    nbtest::processEvents([this] { return str("menuSet -q -currentMenuSet") == "riggingMenuSet"; });
    EXPECT_EQ(str("menuSet -q -currentMenuSet"), "riggingMenuSet");
    EXPECT_EQ(strings("menuSet -q -menuArray animationMenuSet"), std::vector<std::string>({"menu1"}));
    EXPECT_FALSE(mainMenu()->menuAction()->isVisible());
    eval("setMenuMode animationMenuSet");
    EXPECT_TRUE(mainMenu()->menuAction()->isVisible());
}

TEST_F(MenuScriptTest, DeleteProcedureRemovesTheMenuAndMayRunAgain)
{
    eval("vxNbCreateMainMenu(0)", false);
    const std::string name = str("$tmp = $gVxNbMainMenu");
    ASSERT_TRUE(eval("vxNbDeleteMainMenu()", false).ok);
    EXPECT_EQ(num("menu -exists " + name), 0);
    EXPECT_EQ(num("menuItem -exists menuItem1"), 0);
    EXPECT_TRUE(eval("vxNbDeleteMainMenu(); vxNbUpdateMainMenu(0, 0, 0, 0);", false).ok);
    EXPECT_EQ(output().errors(), "");
}
