#include "CommandTest.h"

#include "base/Settings.h"

namespace cmdtest {
namespace {

class LayerCommandTest : public CommandTest
{
};

TEST_F(LayerCommandTest, AddMakesTheNewTopLayerActiveAndUndoGivesBackTheActiveLayer)
{
    AddLayers("persp", {"A", "B"});
    AddLayers("top", {"T"});
    Manager().SetActiveLayer("persp", 0, true);
    const std::string before = Document();

    EXPECT_EQ(Run("vxNiblineLayer -add -n \"\" top").value.asInt(), 1);
    EXPECT_EQ(Names("top"), "T Layer");
    EXPECT_EQ(Manager().GetActiveCamera(), "top");
    EXPECT_EQ(Manager().GetActiveLayerIndex("top"), 1);
    const std::string added = Document();

    Run("undo");
    EXPECT_EQ(Document(), before);
    Run("redo");
    EXPECT_EQ(Document(), added);
    Run("undo");
    EXPECT_EQ(Document(), before);
}

TEST_F(LayerCommandTest, AddLayerStateAndInsertPosition)
{
    Settings::defaultLayerState = LAYER_STATE_STATIC;
    Run("vxNiblineLayer -add -n \"S\" persp");
    Run("vxNiblineLayer -add -ls 7 -n \"Seven\" persp");
    Run("vxNiblineLayer -add -ls 2 -n \"L\" persp");
    Settings::defaultLayerState = LAYER_STATE_ANIM;
    EXPECT_EQ(Manager().GetLayerState("persp", 0), LAYER_STATE_STATIC);
    EXPECT_EQ(Manager().GetLayerState("persp", 1), LAYER_STATE_ANIM);
    EXPECT_EQ(Manager().GetLayerState("persp", 2), LAYER_STATE_LOCKED);

    // Past the end appends; insert leaves the active layer alone.
    EXPECT_EQ(Run("vxNiblineLayer -insert 99 -n \"Top\" persp").value.asInt(), 3);
    EXPECT_EQ(Run("vxNiblineLayer -insert 0 persp").value.asInt(), 0);
    EXPECT_EQ(Names("persp"), "Layer S Seven L Top");
    EXPECT_EQ(Manager().GetActiveLayerIndex("persp"), 3);

    // The first mode in the order wins: add, not delete.
    Run("vxNiblineLayer -delete 0 -add persp");
    EXPECT_EQ(Manager().LayerCount("persp"), 6);
}

TEST_F(LayerCommandTest, SetActiveAndQueries)
{
    AddLayers("persp", {"A", "B", "C"});
    AddLayers("top", {"T"});
    Manager().SetActiveLayer("persp", 2, true);

    EXPECT_EQ(Refused("vxNiblineLayer -e -active 2 persp").find("[Nibline2]"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineLayer -e -active 5 persp").find("Layer does not exist"), std::string::npos);
    const std::string before = Document();
    EXPECT_EQ(Run("vxNiblineLayer -e -active 0 top").value.asInt(), 0);
    EXPECT_EQ(Manager().GetActiveCamera(), "top");
    Run("undo");
    EXPECT_EQ(Document(), before);

    const size_t steps = UndoSteps();
    EXPECT_EQ(IntOf("vxNiblineLayer -q -active persp"), 2);
    EXPECT_EQ(IntOf("vxNiblineLayer -count persp"), 3);
    EXPECT_EQ(Run("vxNiblineLayer -queryName 1 persp").value.asString(), "B");
    EXPECT_TRUE(Run("vxNiblineLayer -queryVis 1 persp").value.asInt());
    EXPECT_DOUBLE_EQ(Run("vxNiblineLayer -queryOpacity 1 persp").value.asFloat(), 1.0);
    EXPECT_EQ(IntOf("vxNiblineLayer -queryState 1 persp"), 0);
    EXPECT_EQ(UndoSteps(), steps);

    EXPECT_NE(Refused("vxNiblineLayer -q -count persp").find("Invalid query parameter"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineLayer -e -delete 0 persp").find("Invalid edit parameter"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineLayer -active 1 persp").find("Invalid command parameters"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineLayer persp").find("Invalid command parameters"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineLayer -count").find("Camera not specified"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineLayer -count nowhere").find("Camera does not exist: nowhere"),
              std::string::npos);
    EXPECT_NE(Refused("vxNiblineLayer -queryName 3 persp").find("Layer does not exist for camera (index): persp (3)"),
              std::string::npos);
    Refused("vxNiblineLayer -delete \"x\" persp");
    EXPECT_EQ(Document(), before);
}

TEST_F(LayerCommandTest, SwappedEditsUndoAndRedoExactly)
{
    AddLayers("persp", {"A", "B"});
    const std::string before = Document();
    Run("vxNiblineLayer -en \"Say \\\"hi\\\"\" 1 persp");
    Run("vxNiblineLayer -ev 0 1 persp");
    Run("vxNiblineLayer -eo 0.25 1 persp");
    Run("vxNiblineLayer -es 2 1 persp");
    Layer* layer = Manager().GetLayer("persp", 1);
    EXPECT_EQ(layer->GetName(), "Say \"hi\"");
    EXPECT_FALSE(layer->IsVisible());
    EXPECT_FLOAT_EQ(layer->GetOpacity(), 0.25f);
    EXPECT_EQ(layer->GetState(), LAYER_STATE_LOCKED);
    const std::string edited = Document();

    for (int round = 0; round < 2; ++round) {
        Run("undo; undo; undo; undo");
        EXPECT_EQ(Document(), before);
        Run("redo; redo; redo; redo");
        EXPECT_EQ(Document(), edited);
    }

    EXPECT_NE(Refused("vxNiblineLayer -es 3 0 persp").find("Invalid state value: 3"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineLayer -en \"x\" 4 persp").find("(index): persp (4)"), std::string::npos);
    Refused("vxNiblineLayer -eo nan 0 persp");
    EXPECT_EQ(Document(), edited);
}

TEST_F(LayerCommandTest, DeleteHoldsTheSameLayerUntilUndoGivesItBack)
{
    AddLayers("persp", {"A", "B"});
    Layer* first = Manager().GetLayer("persp", 0);
    const std::string before = Document();
    Run("vxNiblineLayer -delete 0 persp");
    EXPECT_EQ(Names("persp"), "B");
    for (int round = 0; round < 2; ++round) {
        Run("undo");
        EXPECT_EQ(Manager().GetLayer("persp", 0), first);
        EXPECT_EQ(Document(), before);
        Run("redo");
        EXPECT_EQ(Names("persp"), "B");
    }
    // Dropped from the queue while holding the layer: it goes with the
    // command (the sanitizer build checks the leak).
    Run("flushUndo");
    EXPECT_TRUE(Refused("vxNiblineLayer -delete 5 persp").find("Layer does not exist") != std::string::npos);
}

// Delete and delete all on a camera other than the active one: undo must
// give that camera its own active layer back, and only that one.
TEST_F(LayerCommandTest, UndoOfDeletesRestoresEveryActiveLayer)
{
    AddLayers("persp", {"A", "B", "C"});
    AddLayers("top", {"T0", "T1"});
    Manager().SetActiveLayer("persp", 2, false);
    Manager().SetActiveLayer("top", 1, true);
    const std::string before = Document();

    Run("vxNiblineLayer -delete 2 persp");
    Run("undo");
    EXPECT_EQ(Document(), before);
    int flagged = 0;
    for (Layer* layer : Manager().GetLayers("persp"))
        flagged += layer->IsActive();
    EXPECT_EQ(flagged, 1);

    Run("vxNiblineLayer -deleteAll persp");
    EXPECT_EQ(Manager().LayerCount("persp"), 0);
    Run("vxNiblineLayer -deleteAll top");
    Run("undo; undo");
    EXPECT_EQ(Document(), before);
    Run("redo; redo; undo; redo; flushUndo");
    EXPECT_EQ(Manager().TotalLayerCount(), 0);
}

TEST_F(LayerCommandTest, MovesWithinAndBetweenCameras)
{
    AddLayers("persp", {"A", "B", "C"});
    AddLayers("top", {"T"});
    Manager().SetActiveLayer("persp", 1, true);
    const std::string before = Document();

    EXPECT_EQ(IntOf("vxNiblineLayer -move 0 9 persp"), 2);
    EXPECT_EQ(Names("persp"), "B C A");
    EXPECT_EQ(IntOf("vxNiblineLayer -newCamera top -move 0 0 persp"), 0);
    EXPECT_EQ(Names("top"), "B T");
    // The active layer went along, and with it the active camera.
    EXPECT_EQ(Manager().GetActiveCamera(), "top");
    EXPECT_EQ(Manager().GetActiveLayerIndex("top"), 0);
    const std::string moved = Document();
    Run("undo; undo");
    EXPECT_EQ(Document(), before);
    Run("redo; redo");
    EXPECT_EQ(Document(), moved);
    Run("undo; undo");
    EXPECT_EQ(Document(), before);

    // A move to a camera that does not exist fails and activates nothing.
    Refused("vxNiblineLayer -newCamera nowhere -move 1 0 persp");
    Refused("vxNiblineLayer -move 7 0 persp");
    EXPECT_EQ(Document(), before);
}

// A camera given its first layer is listed in the stored document; undo
// takes it out of the list again.
TEST_F(LayerCommandTest, UndoGivesBackTheDocumentWhenACameraGotItsFirstLayer)
{
    const std::string empty = Document();
    Run("vxNiblineLayer -add top; undo");
    EXPECT_EQ(Document(), empty);

    AddLayers("persp", {"A", "B"});
    Manager().SetActiveLayer("persp", 1, true);
    const std::string before = Document();
    for (const char* command :
         {"vxNiblineLayer -add top", "vxNiblineLayer -ins 3 side",
          "vxNiblineLayer -newCamera front -move 1 0 persp", "vxNiblineLayer -moveAll side persp"}) {
        Run(command);
        const std::string after = Document();
        Run("undo");
        EXPECT_EQ(Document(), before) << command;
        Run("redo");
        EXPECT_EQ(Document(), after) << command;
        Run("undo");
    }
}

TEST_F(LayerCommandTest, MoveAllKeepsTheOrderAboveTheTargetLayers)
{
    AddLayers("persp", {"A", "B", "C"});
    AddLayers("top", {"T0", "T1"});
    Manager().SetActiveLayer("top", 0, false);
    Manager().SetActiveLayer("persp", 1, true);
    const std::string before = Document();

    Run("vxNiblineLayer -moveAll top persp");
    EXPECT_EQ(Names("top"), "T0 T1 A B C");
    EXPECT_EQ(Manager().LayerCount("persp"), 0);
    EXPECT_EQ(Manager().GetActiveCamera(), "top");
    EXPECT_EQ(Manager().GetActiveLayerIndex("top"), 3);
    const std::string moved = Document();
    Run("undo");
    EXPECT_EQ(Document(), before);
    Run("redo");
    EXPECT_EQ(Document(), moved);
    Run("undo");
    EXPECT_EQ(Document(), before);

    // Nothing to move, no such camera, or onto itself: no step, no change.
    Refused("vxNiblineLayer -moveAll persp side");
    EXPECT_NE(Refused("vxNiblineLayer -moveAll nowhere persp").find("Camera does not exist: nowhere"),
              std::string::npos);
    Refused("vxNiblineLayer -moveAll persp persp");
    EXPECT_EQ(Document(), before);
}

TEST_F(LayerCommandTest, ImportIsAcceptedAndChangesNothing)
{
    AddLayers("persp", {"A"});
    const std::string before = Document();
    Run("vxNiblineLayer -importFramedeck \"deck\" \"name\" persp");
    Run("undo");
    EXPECT_EQ(Document(), before);
}

class LayerCommandWithoutNodeTest : public CommandTest
{
protected:
    bool CreatesNode() const override { return false; }
};

TEST_F(LayerCommandWithoutNodeTest, EveryModeNeedsTheNode)
{
    EXPECT_NE(Refused("vxNiblineLayer -count persp").find("Node not found"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineLayer -add persp").find("Failed to add layer. Node does not exist."),
              std::string::npos);
    EXPECT_NE(Refused("vxNiblineLayer -insert 0 persp").find("Failed to insert layer. Node does not exist."),
              std::string::npos);
}

} // namespace
} // namespace cmdtest
