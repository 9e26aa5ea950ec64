#include "FrameCommandTest.h"

#include <gmock/gmock.h>

using ::testing::HasSubstr;
using ::testing::Not;

namespace frametest {
namespace {

TEST_F(FrameCommandTest, InsertAddsMissingFramesOverTheSelectionAndMayCreateALayer)
{
    AddLayer("persp", {12});
    SetTime(5);
    Run("vxNiblineFrame -insert persp");
    Highlight(10, 14);
    Run("vxNiblineFrame -ins persp");
    EXPECT_EQ(FrameTimes(), Times({5, 10, 11, 12, 13}));
    EXPECT_EQ(MarkAt(12), 12);
    Run("undo");
    EXPECT_EQ(FrameTimes(), Times({5, 12}));

    Run("vxNiblineFrame -insert top");
    EXPECT_EQ(FrameTimes("top"), Times({10, 11, 12, 13}));
    Run("undo");
    EXPECT_EQ(Manager().LayerCount("top"), 0);
}

TEST_F(FrameCommandTest, UndoOfAnInsertThatMadeTheFirstLayerGivesBackTheActiveCamera)
{
    Manager().SetActiveCamera("side");
    const std::string before = Document();
    Run("vxNiblineFrame -insert top");
    EXPECT_EQ(Manager().GetActiveCamera(), "top");
    Run("undo");
    EXPECT_EQ(Manager().GetActiveCamera(), "side");
    EXPECT_EQ(Manager().TotalLayerCount(), 0);
    EXPECT_TRUE(Document() == before); // top is not listed either
}

TEST_F(FrameCommandTest, DuplicateCopiesThePreviousDrawingAndUndoTakesOutThatCopyOnly)
{
    AddLayer("persp", {1, 8});
    const std::string before = Document();
    SetTime(5);
    Run("vxNiblineFrame -duplicate persp");
    EXPECT_EQ(MarkAt(5), 1);
    EXPECT_THAT(Refused("vxNiblineFrame -dup persp"),
                HasSubstr("[Nibline2] A frame already exists at the current time."));
    SetTime(0); // nothing to copy before the first drawing
    EXPECT_THAT(Refused("vxNiblineFrame -dup persp"), Not(HasSubstr("[Nibline2]")));

    // The current time moved to another drawing: that one stays.
    SetTime(8);
    Run("undo");
    EXPECT_TRUE(Document() == before);
    SetTime(3);
    Run("redo");
    EXPECT_EQ(FrameTimes(), Times({1, 5, 8}));
    EXPECT_EQ(MarkAt(5), 1);
}

TEST_F(FrameCommandTest, CutThenPasteReplacesFramesAndUndoGivesTheReplacedOnesBack)
{
    AddLayer("persp", {5, 10, 12, 20, 22, 25});
    Highlight(10, 13);
    const size_t steps = UndoSteps();
    Run("vxNiblineFrame -copy persp");
    EXPECT_EQ(UndoSteps(), steps);
    Run("vxNiblineFrame -cut persp");
    EXPECT_EQ(FrameTimes(), Times({5, 20, 22, 25}));
    const std::string afterCut = Document();

    Highlight(20, 21);
    Run("vxNiblineFrame -paste persp");
    EXPECT_EQ(FrameTimes(), Times({5, 20, 22, 25}));
    EXPECT_EQ(MarkAt(20), 10);
    EXPECT_EQ(MarkAt(22), 12);
    const std::string afterPaste = Document();
    Run("undo");
    EXPECT_TRUE(Document() == afterCut);
    EXPECT_EQ(MarkAt(20), 20);

    // Redo works on the first run's range whatever is selected now, and the
    // cut's redo leaves the clipboard alone.
    Highlight(5, 6);
    Run("undo; redo; redo");
    EXPECT_TRUE(Document() == afterPaste);
    Highlight(40, 41);
    Run("vxNiblineFrame -pst persp");
    EXPECT_EQ(MarkAt(40), 10);
    EXPECT_EQ(MarkAt(42), 12);
}

TEST_F(FrameCommandTest, ClearEmptiesTheDrawingsInTheRangeAndDeleteOfNothingChangesNothing)
{
    AddLayer("persp", {3, 4, 9});
    const std::string before = Document();
    Highlight(5, 9);
    Run("vxNiblineFrame -delete persp");
    EXPECT_TRUE(Document() == before);

    Highlight(3, 5);
    Run("vxNiblineFrame -clear persp");
    EXPECT_EQ(FrameTimes(), Times({3, 4, 9}));
    EXPECT_EQ(MarkAt(3), 0);
    EXPECT_EQ(MarkAt(4), 0);
    EXPECT_EQ(MarkAt(9), 9);
    Run("undo; undo");
    EXPECT_TRUE(Document() == before);
}

TEST_F(FrameCommandTest, StepsGoToTheNeighbouringDrawingOfTheActiveCameraOrFail)
{
    AddLayer("persp", {3, 8});
    SetTime(8);
    Run("vxNiblineFrame -stepForward persp");
    EXPECT_EQ(Now(), 3); // wraps past the last drawing
    Run("vxNiblineFrame -sb persp");
    EXPECT_EQ(Now(), 8);
    Run("undo");
    EXPECT_EQ(Now(), 3);
    // Redo goes to the drawing found by the first run, from wherever the
    // user has moved the time since.
    SetTime(1);
    Run("redo");
    EXPECT_EQ(Now(), 8);
    Run("undo");
    EXPECT_EQ(Now(), 1);

    // The named camera does not matter. A single drawing at the current
    // time, or none: nowhere to go, no undo step.
    AddLayer("top", {5});
    SetTime(5);
    const size_t steps = UndoSteps();
    Refused("vxNiblineFrame -stepForward persp");
    AddLayer("top", {});
    Refused("vxNiblineFrame -stepBack persp");
    EXPECT_EQ(Now(), 5);
    EXPECT_EQ(UndoSteps(), steps);
}

TEST_F(FrameCommandTest, ALockedLayerRefusesEveryEditWithItsMessage)
{
    AddLayer("persp", {1, 2})->SetState(LAYER_STATE_LOCKED);
    Highlight(1, 3);
    Run("vxNiblineFrame -copy persp");
    const std::string before = Document();
    const size_t steps = UndoSteps();
    SetTime(5);
    const std::pair<const char*, const char*> refusals[] = {
        {"-insert", "Cannot add frames to a locked layer"},
        {"-duplicate", "Cannot duplicate frames on a locked layer"},
        {"-delete", "Cannot remove frames from a locked layer"},
        {"-clear", "Cannot remove frames from a locked layer"},
        {"-cut", "Cannot cut frames from a locked layer"},
        {"-paste", "Cannot paste frames to a locked layer"}};
    for (const auto& refusal : refusals)
        EXPECT_THAT(Refused(std::string("vxNiblineFrame ") + refusal.first + " persp"),
                    HasSubstr(std::string("[Nibline2] ") + refusal.second));
    EXPECT_TRUE(Document() == before);
    EXPECT_EQ(UndoSteps(), steps);
}

TEST_F(FrameCommandTest, BadInvocationsFailWithTheirMessageAndChangeNothing)
{
    AddLayer("persp", {1});
    Highlight(1, 3);
    Run("vxNiblineFrame -delete persp");
    const std::string before = Document();
    const size_t steps = UndoSteps();
    EXPECT_THAT(Refused("vxNiblineFrame -insert nocam"), HasSubstr("[Nibline2] Camera does not exist: nocam"));
    // Batch mode has no active view to take the camera from.
    EXPECT_THAT(Refused("vxNiblineFrame -insert"), HasSubstr("[Nibline2] Camera not specified"));
    for (const char* bad : {"persp", "-move 1 2 persp", "-retime x persp", "-q -insert persp"})
        EXPECT_NE(Refused(std::string("vxNiblineFrame ") + bad), "") << bad;
    Run("vxNiblineFrame -copy persp");
    EXPECT_THAT(Refused("vxNiblineFrame -paste top"),
                HasSubstr("[Nibline2] Cannot paste frames without an active layer"));
    EXPECT_TRUE(Document() == before);
    EXPECT_EQ(UndoSteps(), steps);

    // The node goes without undo: its commands fail and touch nothing.
    ASSERT_TRUE(eval("delete nibline", false).ok);
    EXPECT_THAT(Refused("vxNiblineFrame -clear persp"), HasSubstr("[Nibline2] Node not found"));
    EXPECT_THAT(Refused("vxNiblineFrame -insert persp"),
                HasSubstr("[Nibline2] Failed to insert key. Node does not exist."));
    EXPECT_NE(Refused("undo"), "");
}

} // namespace
} // namespace frametest
