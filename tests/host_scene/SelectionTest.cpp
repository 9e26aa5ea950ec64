// Selection lists, the active selection and its change event.
#include "SceneFixture.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MDagPath.h>
#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

namespace scenetest {
namespace {

class SelectionTest : public SceneFixture
{
protected:
    std::vector<std::string> active()
    {
        MSelectionList list;
        MGlobal::getActiveSelectionList(list);
        MStringArray names;
        list.getSelectionStrings(names);
        std::vector<std::string> result;
        for (unsigned int i = 0; i < names.length(); ++i)
            result.push_back(names[i].asChar());
        return result;
    }
};

TEST_F(SelectionTest, ListsHoldEachNodeOnceAndResolveNamesPathsAndPatterns)
{
    MSelectionList list;
    EXPECT_TRUE(list.add("persp"));
    EXPECT_TRUE(list.add("|persp"));
    EXPECT_TRUE(list.add(node("persp")));
    EXPECT_EQ(list.length(), 1u);
    EXPECT_TRUE(list.add("*Shape"));
    EXPECT_EQ(list.length(), 5u);
    EXPECT_EQ(list.add("nothing*"), MStatus::kInvalidParameter);
    EXPECT_EQ(list.add("ghost"), MStatus::kInvalidParameter);
    EXPECT_TRUE(list.add("defaultResolution"));

    MDagPath path;
    EXPECT_TRUE(list.getDagPath(1, path));
    EXPECT_STREQ(path.fullPathName().asChar(), "|persp|perspShape");
    EXPECT_EQ(list.getDagPath(5, path), MStatus::kInvalidParameter); // not in the DAG
    MObject depend;
    EXPECT_TRUE(list.getDependNode(5, depend));
    EXPECT_EQ(depend, node("defaultResolution"));
    EXPECT_EQ(list.getDependNode(6, depend), MStatus::kInvalidParameter);

    MSelectionList other;
    other.add("persp");
    other.add("top");
    list.merge(other, MSelectionList::kXORWithList);
    EXPECT_FALSE(list.hasItem(node("persp")));
    EXPECT_TRUE(list.hasItem(node("top")));
    list.merge(other, MSelectionList::kRemoveFromList);
    EXPECT_FALSE(list.hasItem(node("top")));
    EXPECT_EQ(list.length(), 5u);
}

TEST_F(SelectionTest, EveryChangeFiresTheEventEvenToTheSameList)
{
    int* events = countSelectionEvents();
    MSelectionList list;
    list.add("persp");
    MGlobal::setActiveSelectionList(list);
    MGlobal::setActiveSelectionList(list);
    EXPECT_EQ(*events, 2);
    EXPECT_TRUE(MGlobal::isSelected(node("persp")));
    MGlobal::clearSelectionList();
    EXPECT_EQ(*events, 3);
    EXPECT_TRUE(active().empty());
}

TEST_F(SelectionTest, AdjustmentsAddRemoveToggleAndPrepend)
{
    EXPECT_TRUE(MGlobal::selectByName("top", MGlobal::kReplaceList));
    EXPECT_TRUE(MGlobal::selectByName("front"));
    EXPECT_TRUE(MGlobal::select(node("side"), MGlobal::kAddToHeadOfList));
    EXPECT_EQ(active(), (std::vector<std::string>{"side", "top", "front"}));
    MGlobal::selectByName("top", MGlobal::kXORWithList);
    MGlobal::selectByName("persp", MGlobal::kXORWithList);
    EXPECT_EQ(active(), (std::vector<std::string>{"side", "front", "persp"}));
    MGlobal::selectByName("side", MGlobal::kRemoveFromList);
    EXPECT_EQ(active(), (std::vector<std::string>{"front", "persp"}));
    EXPECT_EQ(MGlobal::selectByName("ghost"), MStatus::kInvalidParameter);
    EXPECT_EQ(active(), (std::vector<std::string>{"front", "persp"}));

    MSelectionList byName;
    EXPECT_TRUE(MGlobal::getSelectionListByName("top*", byName));
    EXPECT_EQ(byName.length(), 2u);
}

TEST_F(SelectionTest, NodesLeavingTheSceneLeaveTheSelectionWithAnEvent)
{
    MObject group = create("transform", "group");
    MGlobal::select(group);
    MGlobal::select(node("persp"));
    int* events = countSelectionEvents();
    scene().detach(*scene().find("group"));
    EXPECT_EQ(*events, 1);
    EXPECT_EQ(active(), std::vector<std::string>{"persp"});
    scene().detach(*scene().find("top"));
    EXPECT_EQ(*events, 1); // top was not selected

    // A stale handle cannot be selected.
    MGlobal::select(group, MGlobal::kAddToList);
    EXPECT_EQ(active(), std::vector<std::string>{"persp"});
}

TEST_F(SelectionTest, ArgumentObjectsBecomeSelectionListsWithTheSelectionAsDefault)
{
    MSyntax syntax;
    syntax.addFlag("-t", "-target", MSyntax::kString);
    syntax.setObjectType(MSyntax::kSelectionList);
    syntax.useSelectionAsDefault(true);
    using nbhost::Value;
    MArgDatabase named(syntax, MArgList({Value::fromString("-t"), Value::fromString("side"),
                                         Value::fromString("top*"), Value::fromString("persp")}));
    MSelectionList list;
    ASSERT_TRUE(named.getObjects(list));
    EXPECT_EQ(list.length(), 3u);
    MSelectionList target;
    ASSERT_TRUE(named.getFlagArgument("-t", 0, target));
    EXPECT_TRUE(target.hasItem(node("side")));

    MGlobal::selectByName("front", MGlobal::kReplaceList);
    MArgDatabase empty(syntax, MArgList(std::vector<Value>{}));
    ASSERT_TRUE(empty.getObjects(list));
    EXPECT_EQ(list.length(), 1u);
    EXPECT_TRUE(list.hasItem(node("front")));

    MArgDatabase ghost(syntax, MArgList({Value::fromString("ghost")}));
    EXPECT_EQ(ghost.getObjects(list), MStatus::kInvalidParameter);
    EXPECT_NE(output().errors().find("No object matches name: ghost"), std::string::npos);
}

} // namespace
} // namespace scenetest
