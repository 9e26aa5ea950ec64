// createNode, camera, rename, move, ls, select, listRelatives, delete and
// objExists through the script language, with undo and redo.
#include "CommandFixture.h"


#include <maya/MFnDagNode.h>

namespace scenetest {
namespace {

class SceneCommandsTest : public CommandFixture
{
};

TEST_F(SceneCommandsTest, CreateNodeNamesParentsSelectsAndUndoes)
{
    EXPECT_EQ(text("createNode transform -n group"), "group");
    EXPECT_EQ(text("createNode transform -n inner -p group"), "inner");
    EXPECT_EQ(list("ls -sl"), Names{"inner"});
    EXPECT_EQ(text("createNode transform -ss -n inner"), "inner1");
    EXPECT_EQ(list("ls -sl"), Names{"inner"});
    EXPECT_EQ(text(std::string("createNode ") + TestLocator::kName), "nbTestLocator1");
    EXPECT_EQ(list("listRelatives -p nbTestLocator1"), Names{"transform1"});

    MObject inner = node("inner");
    run("undo; undo; undo; undo");
    EXPECT_TRUE(node("group").isNull());
    EXPECT_TRUE(list("ls -sl").empty());
    run("redo; redo");
    EXPECT_EQ(node("inner"), inner); // the same node object again
    EXPECT_STREQ(MFnDagNode(inner).fullPathName().asChar(), "|group|inner");

    EXPECT_NE(failure("createNode noSuchType").find("Unknown object type: noSuchType"), std::string::npos);
    EXPECT_NE(failure("createNode transform -p ghost").find("No object matches name: ghost"),
              std::string::npos);
    EXPECT_NE(failure("createNode resolution -p group").find("not DAG nodes"), std::string::npos);
    EXPECT_NE(failure("createNode camera -p defaultResolution").find("not a transform"), std::string::npos);
}

TEST_F(SceneCommandsTest, SharedCreationReusesTheNamedNode)
{
    EXPECT_EQ(text("createNode transform -s -n persp"), "persp");
    run("setAttr \".tx\" 3");
    EXPECT_EQ(run("getAttr persp.tx").asFloat(), 3.0);
    EXPECT_EQ(text("createNode camera -s -n perspShape -p persp"), "perspShape");
    EXPECT_EQ(list("ls -type camera").size(), 4u);
    // A node of another type is not shared.
    EXPECT_EQ(text("createNode transform -s -n perspShape"), "perspShape1");
}

TEST_F(SceneCommandsTest, CameraAnswersBothNamesAndTheMenuProcedureWorks)
{
    EXPECT_EQ(list("camera"), (Names{"camera1", "cameraShape1"}));
    EXPECT_EQ(list("ls -sl"), Names{"camera1"});
    // The floating view's camera set-up: remember, create, rename, restore.
    run("select -r top front;"
        "string $sel[] = `ls -sl`;"
        "string $made[] = `camera`;"
        "rename $made[0] \"niblineCam\";"
        "move -a 0 1000 0 niblineCam;"
        "if (size($sel)) select -r $sel; else select -cl;");
    EXPECT_EQ(list("ls -sl"), (Names{"top", "front"}));
    EXPECT_EQ(list("listRelatives -s -f niblineCam"), Names{"|niblineCam|cameraShape2"});
    EXPECT_EQ(run("getAttr niblineCam.translate").asFloatArray(), (std::vector<double>{0, 1000, 0}));
}

TEST_F(SceneCommandsTest, RenameUsesTheSelectionAndKeepsNamesUnique)
{
    run("createNode transform -n a; createNode transform -n b");
    EXPECT_EQ(text("rename a b"), "b1");
    run("select -r b");
    EXPECT_EQ(text("rename \"c d\""), "c_d");
    run("undo");
    EXPECT_EQ(list("ls -sl"), Names{"b"});
    run("select -cl");
    EXPECT_NE(failure("rename x").find("nothing is selected"), std::string::npos);
    EXPECT_NE(failure("rename ghost x").find("No object matches name: ghost"), std::string::npos);
    EXPECT_NE(failure("rename b \"!!\"").find("not a valid name"), std::string::npos);
}

TEST_F(SceneCommandsTest, MoveSetsOrOffsetsTranslationAndRespectsLocks)
{
    run("createNode transform -n a; move -a 1 2 3 a; move -r 1 1 1");
    EXPECT_EQ(run("getAttr a.t").asFloatArray(), (std::vector<double>{2, 3, 4}));
    run("undo");
    EXPECT_EQ(run("getAttr a.t").asFloatArray(), (std::vector<double>{1, 2, 3}));
    // A shape moves its transform.
    run("move -a 5 0 0 perspShape");
    EXPECT_EQ(run("getAttr persp.tx").asFloat(), 5.0);

    run("setAttr -l on a.ty");
    const size_t steps = host().undoQueue().undoCount();
    EXPECT_NE(failure("move -a 0 0 0 a").find("is locked"), std::string::npos);
    EXPECT_EQ(host().undoQueue().undoCount(), steps);
    EXPECT_EQ(run("getAttr a.tx").asFloat(), 1.0); // nothing moved
    EXPECT_NE(failure("move -a 0 0 0 defaultResolution").find("cannot be moved"), std::string::npos);
    EXPECT_NE(failure("move -a -r 0 0 0 a").find("together"), std::string::npos);
    run("select -cl");
    EXPECT_NE(failure("move 1 1 1").find("nothing to move"), std::string::npos);
}

TEST_F(SceneCommandsTest, LsFiltersByTypeSelectionPatternAndDag)
{
    run(std::string("createNode ") + TestLocator::kName + " -n mark");
    EXPECT_EQ(list("ls -type camera"), (Names{"perspShape", "topShape", "frontShape", "sideShape"}));
    EXPECT_EQ(list(std::string("ls -type ") + TestLocator::kName + " -long"), Names{"|transform1|mark"});
    EXPECT_EQ(list("ls -type resolution -type transform").size(), 6u);
    EXPECT_EQ(list("ls \"*Shape\"").size(), 4u);
    EXPECT_EQ(list("ls -dag -s").back(), "mark");
    EXPECT_EQ(list("ls -dag -tr -l").front(), "|persp");
    EXPECT_EQ(list("ls \"|top|topShape\""), Names{"topShape"});
    EXPECT_TRUE(list("ls -sl \"ghost*\"").empty());
    EXPECT_EQ(list("ls -type shape").size(), 5u);
}

TEST_F(SceneCommandsTest, SelectReplacesAddsRemovesClearsAndFiresEachTime)
{
    int* events = countSelectionEvents();
    run("select -r persp; select -add top front; select -d persp");
    EXPECT_EQ(list("ls -sl"), (Names{"top", "front"}));
    run("select -tgl top side");
    EXPECT_EQ(list("ls -sl"), (Names{"front", "side"}));
    run("select \"*Shape\"");
    EXPECT_EQ(list("ls -sl").size(), 4u);
    run("select -cl");
    EXPECT_TRUE(list("ls -sl").empty());
    EXPECT_EQ(*events, 6);
    run("undo");
    EXPECT_EQ(list("ls -sl").size(), 4u);
    EXPECT_NE(failure("select -r ghost").find("No object matches name: ghost"), std::string::npos);
    EXPECT_NE(failure("select -add -d top").find("only one of"), std::string::npos);
}

TEST_F(SceneCommandsTest, ListRelativesAnswersParentsChildrenAndShapes)
{
    run("createNode transform -n a; createNode transform -n b -p a; createNode camera -n c -p a");
    EXPECT_EQ(list("listRelatives a"), (Names{"b", "c"}));
    EXPECT_EQ(list("listRelatives -s a"), Names{"c"});
    EXPECT_EQ(list("listRelatives -c -f a"), (Names{"|a|b", "|a|c"}));
    EXPECT_EQ(list("listRelatives -p b c"), Names{"a"});
    EXPECT_TRUE(list("listRelatives -p a").empty());
    run("select -r a");
    EXPECT_EQ(list("listRelatives -ad").size(), 2u);
    EXPECT_NE(failure("listRelatives ghost").find("No object matches name: ghost"), std::string::npos);
}

TEST_F(SceneCommandsTest, DeleteRemovesSubtreesAndUndoBringsThemBack)
{
    run(std::string("createNode transform -n a; createNode ") + TestLocator::kName + " -n mark -p a");
    MObject mark = node("mark");
    run("select -r mark a; delete");
    EXPECT_EQ(run("objExists a").asInt(), 0);
    EXPECT_TRUE(list("ls -sl").empty());
    EXPECT_EQ(TestLocator::destroyed, 0);
    run("undo");
    EXPECT_EQ(node("mark"), mark);
    EXPECT_EQ(list("ls -sl"), (Names{"mark", "a"}));
    run("redo; flushUndo");
    EXPECT_EQ(TestLocator::destroyed, 1); // dropped from the queue: destroyed

    EXPECT_NE(failure("delete persp").find("Cannot delete default node 'persp'"), std::string::npos);
    EXPECT_EQ(run("objExists perspShape").asInt(), 1);
    run("select -cl");
    EXPECT_NE(failure("delete").find("Not enough objects or values."), std::string::npos);
    EXPECT_NE(failure("delete ghost").find("No object matches name: ghost"), std::string::npos);
}

TEST_F(SceneCommandsTest, ObjExistsKnowsNodesPathsAndPlugs)
{
    EXPECT_EQ(run("objExists persp").asInt(), 1);
    EXPECT_EQ(run("objExists \"|persp|perspShape\"").asInt(), 1);
    EXPECT_EQ(run("objExists persp.translateX").asInt(), 1);
    EXPECT_EQ(run("objExists persp.noSuchAttr").asInt(), 0);
    EXPECT_EQ(run("objExists ghost").asInt(), 0);
    EXPECT_EQ(run("objExists \"\"").asInt(), 0);
}

} // namespace
} // namespace scenetest
