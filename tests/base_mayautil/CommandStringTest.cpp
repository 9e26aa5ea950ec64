#include "MayaUtilTest.h"

#include "base/MayaUtil.h"

#include <gtest/gtest.h>

std::vector<std::vector<std::string>> RecorderCommand::calls;

namespace {

using Words = std::vector<std::string>;

TEST_F(MayaUtilTest, LayerCommandsQuoteNamesAndCarryTheirArguments)
{
    MayaUtil::AddLayer("persp", "", -1);
    MayaUtil::AddLayer("persp", "My Layer", 1);
    MayaUtil::AddLayer("top", "a \"b\" c\\d 50%1", 0);
    MayaUtil::SetLayerName("persp", 2, "Line Art %2");
    MayaUtil::SetLayerName("persp", 0, "two\nlines\tand\\");
    MayaUtil::MoveLayer("persp", 1, "side", -1);
    MayaUtil::SetLayerVisible("persp", 3, false);
    MayaUtil::SetLayerOpacity("persp", 0, 0.35f);
    const std::vector<Issued> expected = {
        {"vxNiblineLayer -add persp", false, true},
        {"vxNiblineLayer -add -n \"My Layer\" -ls 1 persp", false, true},
        {"vxNiblineLayer -add -n \"a \\\"b\\\" c\\\\d 50%1\" -ls 0 top", false, true},
        {"vxNiblineLayer -en \"Line Art %2\" 2 persp", false, true},
        {"vxNiblineLayer -en \"two\\nlines\\tand\\\\\" 0 persp", false, true},
        {"vxNiblineLayer -newCamera side -move 1 -1 persp", false, true},
        {"vxNiblineLayer -ev 0 3 persp", false, true},
        {"vxNiblineLayer -eo 0.35 0 persp", false, true},
    };
    EXPECT_EQ(issued(), expected);
    // The host's tokenizer gives back each name as one argument, exactly.
    ASSERT_EQ(RecorderCommand::calls.size(), expected.size());
    EXPECT_EQ(RecorderCommand::calls[1], (Words{"-add", "-n", "My Layer", "-ls", "1", "persp"}));
    EXPECT_EQ(RecorderCommand::calls[2], (Words{"-add", "-n", "a \"b\" c\\d 50%1", "-ls", "0", "top"}));
    EXPECT_EQ(RecorderCommand::calls[3], (Words{"-en", "Line Art %2", "2", "persp"}));
    EXPECT_EQ(RecorderCommand::calls[4], (Words{"-en", "two\nlines\tand\\", "0", "persp"}));
    EXPECT_DOUBLE_EQ(std::stod(RecorderCommand::calls[7][1]), 0.35);
}

TEST_F(MayaUtilTest, StrokeCommandOptionalFlags)
{
    MayaUtil::PushStroke("persp", -1, false);
    MayaUtil::PushStroke("top", 0, true);
    const std::vector<Issued> expected = {
        {"vxNiblineStroke persp", false, true},
        {"vxNiblineStroke -la 0 -fa top", false, true},
    };
    EXPECT_EQ(issued(), expected);
}

TEST_F(MayaUtilTest, NodeCommandsRunWhenTheHostIsIdle)
{
    MayaUtil::CreateNode(false, true, "persp", "ignored", 1);
    MayaUtil::CreateNode(true, false, "", "", -1);
    MayaUtil::CreateNode(true, true, "persp", "My Layer", 0);
    EXPECT_TRUE(issued().empty());
    EXPECT_TRUE(RecorderCommand::calls.empty());

    host().processIdleQueue();
    const std::vector<Issued> expected = {
        {"vxNiblineNode", false, true},
        {"vxNiblineNode -l", false, true},
        {"vxNiblineNode -l -c persp -ln \"My Layer\" -ls 0 -f", false, true},
    };
    EXPECT_EQ(issued(), expected);
    ASSERT_EQ(RecorderCommand::calls.size(), 3u);
    EXPECT_EQ(RecorderCommand::calls[2], (Words{"-l", "-c", "persp", "-ln", "My Layer", "-ls", "0", "-f"}));
}

TEST_F(MayaUtilTest, UtilityCommandsAndTheirFlags)
{
    const bool savedPrev = Settings::ghostPrev;
    const bool savedNext = Settings::ghostNext;
    Settings::ghostPrev = false;
    Settings::ghostNext = true;

    EXPECT_FALSE(MayaUtil::SetActiveColor(QColor()));
    EXPECT_TRUE(issued().empty());
    EXPECT_TRUE(MayaUtil::SetActiveColor(QColor(255, 128, 0)));
    EXPECT_TRUE(MayaUtil::ToggleGhostPrevious());
    EXPECT_TRUE(MayaUtil::ToggleGhostNext());
    MayaUtil::SetBrushOptions(10, 50, 75, true);
    MayaUtil::SetTextOptions(20, 90, "DejaVu Sans \"Mono\"");
    MayaUtil::SetGhostColorOverridePrev(QColor(1, 2, 3));
    // A colour control that could not be read must not turn the ghosts black.
    MayaUtil::SetGhostColorOverrideNext(QColor());
    Settings::ghostPrev = savedPrev;
    Settings::ghostNext = savedNext;

    const std::vector<Issued> expected = {
        {"vxNiblineUtil -e -drawColor 255 128 0", true, false},
        {"vxNiblineUtil -e -ghostPrevious 1", true, false},
        {"vxNiblineUtil -e -ghostNext 0", true, false},
        {"vxNiblineUtil -brushOptions 10 50 75 1", false, false},
        {"vxNiblineUtil -textOptions 20 90 \"DejaVu Sans \\\"Mono\\\"\"", false, false},
        {"vxNiblineUtil -e -ghostColorPrevious 1 2 3", false, false},
    };
    EXPECT_EQ(issued(), expected);
    EXPECT_EQ(RecorderCommand::calls[4], (Words{"-textOptions", "20", "90", "DejaVu Sans \"Mono\""}));

    // Display on echoes the command, as in the host's script editor.
    EXPECT_NE(output().text(nbtest::OutputCapture::Kind::Echo).find("vxNiblineUtil -e -drawColor 255 128 0"),
              std::string::npos);
}

TEST_F(MayaUtilTest, DeferredUtilityCommandsRunAfterTheCurrentOne)
{
    MayaUtil::Draw();
    MayaUtil::RefreshLayerManagerDialog();
    const std::vector<Issued> queued = {
        {"evalDeferred(\"vxNiblineUtil -draw\")", false, false},
        {"evalDeferred(\"vxNiblineUtil -rlm\")", false, false},
    };
    EXPECT_EQ(issued(), queued);
    EXPECT_TRUE(RecorderCommand::calls.empty());
    host().processIdleQueue();
    EXPECT_EQ(RecorderCommand::calls, (std::vector<Words>{{"-draw"}, {"-rlm"}}));
}

TEST_F(MayaUtilTest, FrameCommandsAndTheirFlags)
{
    MayaUtil::RetimeFrames(3, true, true);
    MayaUtil::RetimeFrames(-2, false, false);
    MayaUtil::RetimeFrames(1, false, true);
    MayaUtil::CopyFrame();
    MayaUtil::StepBack();
    const std::vector<Issued> expected = {
        {"vxNiblineFrame -relative -moveToNext -retime 3", true, true},
        {"vxNiblineFrame -retime -2", true, true},
        {"vxNiblineFrame -moveToNext -retime 1", true, true},
        {"vxNiblineFrame -copy", true, false},
        {"vxNiblineFrame -stepBack", false, true},
    };
    EXPECT_EQ(issued(), expected);
}

TEST_F(MayaUtilTest, FailedCommandsReportFalse)
{
    host().commands().deregisterCommand(Settings::UTIL_COMMAND_NAME.toStdString(), "tests");
    EXPECT_FALSE(MayaUtil::SetPencilTool());
    EXPECT_FALSE(MayaUtil::SetActiveColor(Qt::red));
    EXPECT_FALSE(MayaUtil::ExecuteMel(QStringLiteral("this is not a command")));
}

} // namespace
