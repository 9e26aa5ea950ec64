#include "UiTest.h"

#include "core/Host.h"
#include "core/OptionVarStore.h"
#include "ui/MainWindow.h"
#include "ui/MenuSets.h"

#include <QActionGroup>
#include <QComboBox>
#include <QMenuBar>

using nbhost::ControlRegistry;

namespace {

QStringList labels(const QMenu& menu)
{
    QStringList result;
    for (const QAction* action : menu.actions())
        result << (action->isSeparator() ? QStringLiteral("----") : action->text());
    return result;
}

} // namespace

class MenuCommandsTest : public UiTest
{
};

TEST_F(MenuCommandsTest, BuildsRealMenusWithDividersAndSubMenus)
{
    const std::string top = str("menu -parent MayaWindow -tearOff true -label \"Tools\"");
    EXPECT_EQ(top, "MayaWindow|menu1");
    eval("menuItem -label \"One\"; menuItem -divider true;");
    const std::string sub = str("menuItem -label \"More\" -subMenu true -tearOff true");
    const std::string inner = str("menuItem -label \"Inner\"");
    eval("setParent -menu \"..\"; menuItem -label \"Two\";");
    EXPECT_EQ(sub, "MayaWindow|menu1|menuItem3");
    EXPECT_EQ(inner, "MayaWindow|menu1|menuItem3|menuItem4");

    QMenu* tools = menu(top);
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(mainWindow().menuBar()->actions().contains(tools->menuAction()));
    EXPECT_TRUE(tools->isTearOffEnabled());
    EXPECT_EQ(labels(*tools), QStringList({"One", "----", "More", "Two"}));
    ASSERT_NE(menu(sub), nullptr);
    EXPECT_TRUE(menu(sub)->isTearOffEnabled());
    EXPECT_EQ(labels(*menu(sub)), QStringList({"Inner"}));

    EXPECT_EQ(strings("menu -q -itemArray " + top),
              std::vector<std::string>({"menuItem1", "menuItem2", "menuItem3", "menuItem5"}));
    EXPECT_EQ(str("menu -q -label " + top), "Tools");
    EXPECT_EQ(str("menuItem -q -label " + sub), "More");
    EXPECT_EQ(num("menuItem -q -subMenu " + sub), 1);
    EXPECT_EQ(num("menuItem -q -divider menuItem2"), 1);
    EXPECT_EQ(num("menu -exists " + sub), 1);
    EXPECT_EQ(num("menu -exists menuItem1"), 0);
}

TEST_F(MenuCommandsTest, RadioCollectionKeepsOneItemOnWhileCheckBoxesStayIndependent)
{
    eval("menu -label \"R\"; radioMenuItemCollection;"
         "menuItem -label A -radioButton true; menuItem -label B -radioButton false;"
         "menuItem -label C -checkBox false; menuItem -label D -checkBox true;");
    EXPECT_EQ(num("menuItem -q -radioButton menuItem1"), 1);
    eval("menuItem -e -radioButton true menuItem2");
    EXPECT_EQ(num("menuItem -q -radioButton menuItem1"), 0);
    EXPECT_EQ(num("menuItem -q -radioButton menuItem2"), 1);

    // A user's click goes through the same collection.
    item("menuItem1")->trigger();
    EXPECT_TRUE(item("menuItem1")->isChecked());
    EXPECT_FALSE(item("menuItem2")->isChecked());

    eval("menuItem -e -checkBox 1 menuItem3");
    EXPECT_EQ(num("menuItem -q -checkBox menuItem3"), 1);
    EXPECT_EQ(num("menuItem -q -checkBox menuItem4"), 1);
    EXPECT_EQ(num("menuItem -q -radioButton menuItem1"), 1);

    // Radio state on a check box (and the reverse) is refused and changes nothing.
    EXPECT_TRUE(fails("menuItem -e -radioButton false menuItem3"));
    EXPECT_TRUE(fails("menuItem -e -checkBox true menuItem2"));
    EXPECT_TRUE(item("menuItem3")->isChecked());
    EXPECT_FALSE(item("menuItem2")->isChecked());
}

TEST_F(MenuCommandsTest, ChosenItemRunsItsCommandThroughTheHostWithUndoOn)
{
    eval("menu -label \"M\"; menuItem -label \"Go\" -command \"optionVar -iv nbMenuHit 7\";");
    host().journal().clear();
    item("menuItem1")->trigger();
    EXPECT_EQ(host().optionVars().get("nbMenuHit").asInt(), 7);
    ASSERT_FALSE(host().journal().entries().empty());
    const nbhost::JournalEntry& entry = host().journal().entries().front();
    EXPECT_EQ(entry.text, "optionVar -iv nbMenuHit 7");
    EXPECT_TRUE(entry.undo);
    EXPECT_EQ(str("menuItem -q -command menuItem1"), "optionVar -iv nbMenuHit 7");
}

TEST_F(MenuCommandsTest, EditsAndDeletionsReachTheMenus)
{
    const std::string top = str("menu -label \"Old\"");
    eval("menuItem -label a; menuItem -label b; menuItem -label c -subMenu true; menuItem -label d;");
    eval("menu -e -label \"New\" " + top + "; menuItem -e -label \"A\" -enable false menuItem1;");
    EXPECT_EQ(menu(top)->title(), "New");
    EXPECT_EQ(item("menuItem1")->text(), "A");
    EXPECT_FALSE(item("menuItem1")->isEnabled());
    eval("menu -e -enable false " + top);
    EXPECT_EQ(num("menu -q -enable " + top), 0);
    eval("menu -e -enable true " + top);
    EXPECT_EQ(num("menu -q -enable " + top), 1);

    eval("deleteUI -menuItem menuItem2");
    EXPECT_EQ(num("menuItem -exists menuItem2"), 0);
    EXPECT_EQ(labels(*menu(top)), QStringList({"A", "c"}));

    eval("menu -e -deleteAllItems " + top);
    EXPECT_TRUE(strings("menu -q -itemArray " + top).empty());
    for (const char* gone : {"menuItem1", "menuItem3", "menuItem4"})
        EXPECT_EQ(num(std::string("menuItem -exists ") + gone), 0) << gone;

    QAction* menuAction = menu(top)->menuAction();
    eval("deleteUI -menu " + top);
    EXPECT_EQ(num("menu -exists " + top), 0);
    EXPECT_FALSE(mainWindow().menuBar()->actions().contains(menuAction));
    nbtest::processEvents();
}

TEST_F(MenuCommandsTest, ItemMayDeleteItsOwnMenu)
{
    eval("menu -label Doomed; menuItem -label Bye -command \"deleteUI -menu menu1\";");
    QPointer<QMenu> doomed = menu("menu1");
    item("menuItem1")->trigger();
    EXPECT_EQ(num("menu -exists menu1"), 0);
    nbtest::processEvents([&] { return doomed.isNull(); });
    EXPECT_TRUE(doomed.isNull());
}

TEST_F(MenuCommandsTest, BadUseFailsWithAMessageAndChangesNothing)
{
    EXPECT_TRUE(fails("menuItem -label orphan"));
    EXPECT_NE(output().errors().find("no menu to add the item to"), std::string::npos);
    EXPECT_TRUE(fails("radioMenuItemCollection"));
    EXPECT_NE(output().errors().find("no menu to add the collection to"), std::string::npos);
    eval("menu -label First mine; menuItem -label x;");
    EXPECT_TRUE(fails("menu -label Second mine"));
    EXPECT_NE(output().errors().find("not unique"), std::string::npos);
    EXPECT_TRUE(fails("menuItem -parent nowhere -label y"));
    EXPECT_TRUE(fails("radioMenuItemCollection -parent noSuchMenu"));
    EXPECT_NE(output().errors().find("Object 'noSuchMenu' not found"), std::string::npos);
    EXPECT_TRUE(fails("menu -parent menuItem1 -label z"));
    EXPECT_TRUE(fails("setParent -menu nowhere"));

    // One bad name stops the whole deletion before anything goes.
    EXPECT_TRUE(fails("deleteUI menuItem1 nowhere"));
    EXPECT_EQ(num("menuItem -exists menuItem1"), 1);
    EXPECT_TRUE(fails("deleteUI -window mine"));
    EXPECT_EQ(num("menu -exists mine"), 1);
    EXPECT_TRUE(fails("deleteUI MayaWindow"));
    EXPECT_NE(ControlRegistry::mainWindow(), nullptr);
}

TEST_F(MenuCommandsTest, MenuSetsShowTheirMenusOnlyWhileCurrent)
{
    EXPECT_EQ(str("menuSet -q -currentMenuSet"), "modelingMenuSet");
    EXPECT_EQ(num("menuSet -exists animationMenuSet"), 1);
    EXPECT_EQ(num("menuSet -exists bogusMenuSet"), 0);
    const std::string anim = str("menu -label Anim");
    const std::string always = str("menu -label Always");
    eval("setMenuMode animationMenuSet; menuSet -addMenu " + anim + " animationMenuSet;");
    EXPECT_EQ(strings("menuSet -q -menuArray animationMenuSet"), std::vector<std::string>({"menu1"}));
    EXPECT_TRUE(menu(anim)->menuAction()->isVisible());

    eval("setMenuMode modelingMenuSet");
    EXPECT_FALSE(menu(anim)->menuAction()->isVisible());
    EXPECT_TRUE(menu(always)->menuAction()->isVisible());
    EXPECT_EQ(mainWindow().menuSetSelector().currentData().toString(), "modelingMenuSet");

    // The selector switches sets as setMenuMode does.
    QComboBox& selector = mainWindow().menuSetSelector();
    emit selector.activated(selector.findData("animationMenuSet"));
    EXPECT_EQ(str("setMenuMode"), "animationMenuSet");
    EXPECT_TRUE(menu(anim)->menuAction()->isVisible());

    EXPECT_TRUE(fails("setMenuMode bogusMenuSet"));
    EXPECT_TRUE(fails("menuSet -addMenu nowhere animationMenuSet"));
    EXPECT_EQ(str("menuSet -q -cms"), "animationMenuSet");
}

// Batch mode: the commands exist and fail plainly, as the real host's do.
class BatchUiTest : public nbtest::HostTest
{
};

TEST_F(BatchUiTest, InterfaceCommandsNeedTheUserInterface)
{
    for (const char* script :
         {"menu -label x", "menuItem -label x", "radioMenuItemCollection", "setParent -menu ..", "deleteUI -menu x",
          "menuSet -q -currentMenuSet", "setMenuMode animationMenuSet", "window", "showWindow x",
          "colorSliderGrp -rgbValue 1 0 0 c", "menu -exists x"}) {
        output().clear();
        EXPECT_FALSE(eval(script).ok) << script;
        EXPECT_NE(output().errors().find("this command needs the user interface"), std::string::npos) << script;
    }
    EXPECT_TRUE(eval("refresh -force").ok);
    EXPECT_EQ(ControlRegistry::mainWindow(), nullptr);
}
