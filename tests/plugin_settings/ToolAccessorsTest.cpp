#include "plugin/Settings.h"

#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

const ToolType DRAWING_TOOLS[] = {TOOL_PENCIL, TOOL_BRUSH,  TOOL_ERASER,  TOOL_TEXT,
                                  TOOL_LINE,   TOOL_ARROW, TOOL_ELLIPSE, TOOL_RECTANGLE};

// Restores every member the accessors touch.
class ToolAccessors : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (ToolType tool : DRAWING_TOOLS) {
            sizes.push_back(Settings::GetToolSize(tool));
            opacities.push_back(Settings::GetToolOpacity(tool));
        }
    }

    void TearDown() override
    {
        for (size_t i = 0; i < sizes.size(); ++i) {
            Settings::SetToolSize(DRAWING_TOOLS[i], sizes[i]);
            Settings::SetToolOpacity(DRAWING_TOOLS[i], opacities[i]);
        }
        Settings::brushHardness = 100;
        Settings::eraserHardness = 100;
    }

    std::vector<int> sizes;
    std::vector<int> opacities;
};

TEST_F(ToolAccessors, SizesClampToEachToolsLimit)
{
    for (ToolType tool : DRAWING_TOOLS) {
        const int limit = tool <= TOOL_TEXT ? 100 : 50;
        Settings::SetToolSize(tool, 1000);
        EXPECT_EQ(Settings::GetToolSize(tool), limit) << tool;
        Settings::SetToolSize(tool, -3);
        EXPECT_EQ(Settings::GetToolSize(tool), 1) << tool;
        Settings::SetToolSize(tool, 10 + tool);
        EXPECT_EQ(Settings::GetToolSize(tool), 10 + tool) << tool;
    }
    // Each tool has its own member.
    EXPECT_EQ(Settings::pencilSize, 10);
    EXPECT_EQ(Settings::rectangleSize, 17);
}

TEST_F(ToolAccessors, OpacitiesClampForAllEightTools)
{
    for (ToolType tool : DRAWING_TOOLS) {
        Settings::SetToolOpacity(tool, 101);
        EXPECT_EQ(Settings::GetToolOpacity(tool), 100) << tool;
        Settings::SetToolOpacity(tool, 0);
        EXPECT_EQ(Settings::GetToolOpacity(tool), 1) << tool;
        Settings::SetToolOpacity(tool, 40 + tool);
    }
    EXPECT_EQ(Settings::eraserOpacity, 42);
    EXPECT_EQ(Settings::textOpacity, 43);
}

TEST_F(ToolAccessors, UnknownToolsAreReportedAndChangeNothing)
{
    Settings::SetToolSize(TOOL_PENCIL, 9);
    Settings::SetToolOpacity(TOOL_PENCIL, 55);
    nbtest::OutputCapture log;
    Settings::SetToolSize(TOOL_TRANSFORM, 3);
    Settings::SetToolOpacity(static_cast<ToolType>(-1), 3);
    EXPECT_EQ(Settings::GetToolSize(static_cast<ToolType>(12)), 9);
    EXPECT_EQ(Settings::GetToolOpacity(TOOL_TRANSFORM), 55);
    EXPECT_EQ(log.errors(), "[Nibline2] Unknown tool type: 8\n[Nibline2] Unknown tool type: -1\n"
                            "[Nibline2] Unknown tool type: 12\n[Nibline2] Unknown tool type: 8\n");
    for (ToolType tool : DRAWING_TOOLS) {
        if (tool != TOOL_PENCIL) {
            EXPECT_NE(Settings::GetToolSize(tool), 3) << tool;
        }
    }
}

TEST_F(ToolAccessors, HardnessOnlyForBrushAndEraser)
{
    Settings::SetToolHardness(TOOL_BRUSH, -5);
    Settings::SetToolHardness(TOOL_ERASER, -5);
    EXPECT_EQ(Settings::GetToolHardness(TOOL_BRUSH), 10);
    EXPECT_EQ(Settings::GetToolHardness(TOOL_ERASER), 0);
    Settings::SetToolHardness(TOOL_BRUSH, 150);
    Settings::SetToolHardness(TOOL_ERASER, 150);
    EXPECT_EQ(Settings::brushHardness, 100);
    EXPECT_EQ(Settings::eraserHardness, 100);
    Settings::SetToolHardness(TOOL_BRUSH, 0);
    Settings::SetToolHardness(TOOL_ERASER, 35);
    EXPECT_EQ(Settings::GetToolHardness(TOOL_BRUSH), 0);
    EXPECT_EQ(Settings::GetToolHardness(TOOL_ERASER), 35);

    Settings::SetToolHardness(TOOL_PENCIL, 20);
    EXPECT_EQ(Settings::GetToolHardness(TOOL_PENCIL), 100);
    EXPECT_EQ(Settings::GetToolHardness(TOOL_BRUSH), 0);
}

TEST_F(ToolAccessors, TabletPressureOnlyForPencilBrushAndEraser)
{
    const bool saved[] = {Settings::pencilTabletEnabled, Settings::brushTabletEnabled,
                          Settings::eraserTabletEnabled};
    Settings::pencilTabletEnabled = true;
    Settings::brushTabletEnabled = false;
    Settings::eraserTabletEnabled = true;
    EXPECT_TRUE(Settings::IsTabletPressureEnabled(TOOL_PENCIL));
    EXPECT_FALSE(Settings::IsTabletPressureEnabled(TOOL_BRUSH));
    EXPECT_TRUE(Settings::IsTabletPressureEnabled(TOOL_ERASER));
    for (ToolType tool : {TOOL_TEXT, TOOL_LINE, TOOL_ARROW, TOOL_ELLIPSE, TOOL_RECTANGLE, TOOL_TRANSFORM})
        EXPECT_FALSE(Settings::IsTabletPressureEnabled(tool)) << tool;
    Settings::pencilTabletEnabled = saved[0];
    Settings::brushTabletEnabled = saved[1];
    Settings::eraserTabletEnabled = saved[2];
}

} // namespace
