#include "commands_layer/CommandTest.h"

namespace cmdtest {
namespace {

class NodeCommandTest : public CommandTest
{
protected:
    bool CreatesNode() const override { return false; }

    std::string Query(const std::string& script) { return Run(script).value.asString(); }
    bool Exists() { return Run("vxNiblineNode -exists").value.asInt() != 0; }
};

TEST_F(NodeCommandTest, CreationIsOneUndoableStep)
{
    Run("select -r persp");
    const size_t steps = UndoSteps();
    EXPECT_FALSE(Exists());
    EXPECT_EQ(UndoSteps(), steps);

    Run("vxNiblineNode");
    EXPECT_TRUE(Exists());
    EXPECT_EQ(UndoSteps(), steps + 1);
    EXPECT_TRUE(Run("objExists niblineShape").value.asInt());
    EXPECT_EQ(Query("listRelatives -p niblineShape"), "nibline");
    EXPECT_TRUE(Run("getAttr -lock nibline.translateX").value.asInt());
    EXPECT_TRUE(Run("getAttr -lock nibline.scaleZ").value.asInt());
    EXPECT_EQ(Run("ls -sl").value.asStringArray().size(), 0u);

    Run("undo");
    EXPECT_FALSE(Exists());
    EXPECT_FALSE(Run("objExists nibline").value.asInt());
    EXPECT_EQ(Run("ls -sl").value.asStringArray(), std::vector<std::string>({"persp"}));
    Run("redo");
    EXPECT_TRUE(Exists());
    EXPECT_TRUE(Run("objExists niblineShape").value.asInt());

    EXPECT_NE(Refused("vxNiblineNode").find("Node already exists"), std::string::npos);
}

TEST_F(NodeCommandTest, FirstLayerAndFramesOnTheFirstRunOnly)
{
    ASSERT_TRUE(eval("currentTime 7", false).ok);
    Run("vxNiblineNode -l -c top -ln \"Sketch\" -ls 5 -f");
    node = BaseNode::GetMaster();
    ASSERT_TRUE(node);
    EXPECT_EQ(Names("top"), "Sketch");
    EXPECT_EQ(Manager().GetLayerState("top", 0), LAYER_STATE_ANIM);
    QList<int> times;
    node->GetFrameTimes("top", times);
    EXPECT_EQ(times, QList<int>({7}));
    const std::string created = Document();

    Run("undo");
    Run("redo");
    node = BaseNode::GetMaster();
    ASSERT_TRUE(node);
    EXPECT_EQ(Document(), created);
    EXPECT_EQ(Query("vxNiblineNode -q -camera"), "top");
}

TEST_F(NodeCommandTest, FramesOverTheHighlightedRange)
{
    ASSERT_TRUE(eval("timeControl -e -highlightedRange 3 6 $gPlayBackSlider", false).ok);
    Run("vxNiblineNode -l -c front -ls 1 -f");
    node = BaseNode::GetMaster();
    ASSERT_TRUE(node);
    QList<int> times;
    node->GetFrameTimes("front", times);
    EXPECT_EQ(times, QList<int>({3, 4, 5}));
    EXPECT_EQ(Manager().GetLayerState("front", 0), LAYER_STATE_STATIC);
}

TEST_F(NodeCommandTest, QueriesRefreshesAndErrors)
{
    Refused("vxNiblineNode -q -camera");
    Refused("vxNiblineNode -refresh");
    Refused("vxNiblineNode -refreshGhosting");
    EXPECT_NE(Refused("vxNiblineNode -e -exists").find("Invalid edit parameter"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineNode -q -exists").find("Invalid query parameter"), std::string::npos);
    EXPECT_FALSE(Exists());

    Run("vxNiblineNode");
    const size_t steps = UndoSteps();
    Run("vxNiblineNode -refresh");
    Run("vxNiblineNode -refreshGhosting");
    EXPECT_EQ(Query("vxNiblineNode -q -camera"), "");
    EXPECT_EQ(UndoSteps(), steps);
}

} // namespace
} // namespace cmdtest
