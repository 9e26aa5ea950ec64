#include "FrameCommandTest.h"

#include <gmock/gmock.h>

using ::testing::HasSubstr;
using ::testing::Not;

namespace frametest {
namespace {

struct RetimeCase
{
    const char* name;
    Times before;
    int selStart, selEnd; // equal: nothing highlighted, the current time is selStart
    const char* flags;
    Times after;
    int shown;
};

class RetimeTest : public FrameCommandTest, public ::testing::WithParamInterface<RetimeCase>
{
};

TEST_P(RetimeTest, RespacesTheDrawingsShowsTheRightOneAndUndoes)
{
    const RetimeCase& c = GetParam();
    AddLayer("persp", std::initializer_list<int>());
    for (int time : c.before)
        Manager().AddFrame("persp", MTime(double(time), MTime::uiUnit()));
    const std::string before = Document();
    SetTime(c.selStart);
    if (c.selEnd != c.selStart)
        Highlight(c.selStart, c.selEnd);

    // A retime works on the active camera, whichever camera is named.
    Run(std::string("vxNiblineFrame ") + c.flags + " top");
    EXPECT_EQ(FrameTimes(), c.after);
    EXPECT_EQ(Now(), c.shown);
    Run("undo");
    EXPECT_TRUE(Document() == before);
    EXPECT_EQ(Now(), c.selStart);
    Run("redo");
    EXPECT_EQ(FrameTimes(), c.after);
    EXPECT_EQ(Now(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, RetimeTest,
    ::testing::Values(
        RetimeCase{"Absolute", {1, 5, 9, 13}, 5, 5, "-retime 2", {1, 5, 7, 11}, 5},
        RetimeCase{"MoveToNext", {1, 5, 9, 13}, 5, 5, "-moveToNext -retime 2", {1, 5, 7, 11}, 7},
        RetimeCase{"RelativeShorter", {1, 5, 9, 13}, 5, 5, "-relative -retime -2", {1, 5, 7, 11}, 5},
        RetimeCase{"RelativeLonger", {1, 5, 9, 13}, 5, 5, "-rel -ret 1", {1, 5, 10, 14}, 5},
        RetimeCase{"ZeroKeepsFramesApart", {1, 5, 9, 13}, 5, 5, "-retime 0", {1, 5, 6, 10}, 5},
        RetimeCase{"SelectionSnapsToDrawings", {1, 5, 9, 13}, 3, 10, "-retime 2", {1, 3, 5, 7}, 1},
        RetimeCase{"NoDrawingBeforeTheSelection", {5, 9}, 2, 7, "-retime 2", {5, 7}, 5},
        RetimeCase{"SingleDrawing", {4}, 10, 10, "-retime 3", {4}, 4}),
    [](const ::testing::TestParamInfo<RetimeCase>& info) { return info.param.name; });

TEST_F(FrameCommandTest, RetimeUndoAndRedoStayOnTheCameraOfTheirFirstRun)
{
    AddLayer("persp", {1, 5, 9, 13});
    SetTime(5);
    Run("vxNiblineFrame -retime 2 persp");
    // The user now works through another camera.
    AddLayer("top", {1, 2});
    Run("undo");
    EXPECT_EQ(FrameTimes("persp"), Times({1, 5, 9, 13}));
    EXPECT_EQ(FrameTimes("top"), Times({1, 2}));
    Run("redo");
    EXPECT_EQ(FrameTimes("persp"), Times({1, 5, 7, 11}));
    EXPECT_EQ(FrameTimes("top"), Times({1, 2}));
}

TEST_F(FrameCommandTest, RetimeFailsWithoutDrawingsOrBeyondTheTimeline)
{
    AddLayer("persp", {});
    Refused("vxNiblineFrame -retime 2 persp");
    AddLayer("persp", {1, 2, 3});
    Highlight(1, 3);
    EXPECT_THAT(Refused("vxNiblineFrame -relative -retime 2147483647 persp"),
                HasSubstr("the frame times would leave the timeline"));
    EXPECT_EQ(FrameTimes(), Times({1, 2, 3}));
    EXPECT_EQ(UndoSteps(), 0u);
}

TEST_F(FrameCommandTest, MoveShiftsTheRangeNearestFirstOrFailsWithoutMovingAnything)
{
    AddLayer("persp", {10, 12, 15});
    AddLayer("top", {1}); // the named camera moves, not the active one
    const std::string before = Document();
    EXPECT_THAT(Refused("vxNiblineFrame -move 3 10 14 persp"),
                HasSubstr("[Nibline2] Move Failed. A frame already exists at time 15"));
    EXPECT_THAT(Refused("vxNiblineFrame -move 2147483647 10 14 persp"),
                HasSubstr("[Nibline2] Move Failed. Time 2147483659 is out of range"));
    // Offset 0 and an empty range fail without a message of the plug-in's.
    EXPECT_THAT(Refused("vxNiblineFrame -move 0 10 14 persp"), Not(HasSubstr("[Nibline2]")));
    EXPECT_THAT(Refused("vxNiblineFrame -move 1 16 30 persp"), Not(HasSubstr("[Nibline2]")));
    EXPECT_TRUE(Document() == before);
    EXPECT_EQ(UndoSteps(), 0u);

    Run("vxNiblineFrame -move 2 10 12 persp"); // 12 moves to 14 first, then 10 to 12
    EXPECT_EQ(FrameTimes(), Times({12, 14, 15}));
    EXPECT_EQ(MarkAt(12), 10);
    EXPECT_EQ(MarkAt(14), 12);
    Run("undo");
    Run("vxNiblineFrame -mv -2 10 15 persp");
    EXPECT_EQ(FrameTimes(), Times({8, 10, 13}));
    EXPECT_EQ(MarkAt(10), 12);
    Run("undo");
    EXPECT_TRUE(Document() == before);
}

} // namespace
} // namespace frametest
