#include "base/Settings.h"

#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

const ToolType DRAWING_TOOLS[] = {TOOL_PENCIL, TOOL_BRUSH,  TOOL_ERASER,  TOOL_TEXT,
                                  TOOL_LINE,   TOOL_ARROW, TOOL_ELLIPSE, TOOL_RECTANGLE};

TEST(ToolAccessors, SizesAndOpacitiesClampPerTool)
{
    for (ToolType tool : DRAWING_TOOLS) {
        const int size = Settings::GetToolSize(tool);
        const int opacity = Settings::GetToolOpacity(tool);
        Settings::SetToolSize(tool, 1000);
        EXPECT_EQ(Settings::GetToolSize(tool), tool <= TOOL_TEXT ? 100 : 50) << tool;
        Settings::SetToolSize(tool, -3);
        EXPECT_EQ(Settings::GetToolSize(tool), 1) << tool;
        Settings::SetToolOpacity(tool, 101);
        EXPECT_EQ(Settings::GetToolOpacity(tool), 100) << tool;
        Settings::SetToolOpacity(tool, 0);
        EXPECT_EQ(Settings::GetToolOpacity(tool), 1) << tool;
        Settings::SetToolSize(tool, size);
        Settings::SetToolOpacity(tool, opacity);
    }
    // The eraser's opacity has a member of its own although it is not stored.
    Settings::SetToolOpacity(TOOL_ERASER, 42);
    EXPECT_EQ(Settings::eraserOpacity, 42);
    Settings::eraserOpacity = 100;
}

TEST(ToolAccessors, UnknownToolsAreReportedAndChangeNothing)
{
    const int size = Settings::pencilSize;
    const int opacity = Settings::pencilOpacity;
    nbtest::OutputCapture log;
    Settings::SetToolSize(TOOL_TRANSFORM, 3);
    Settings::SetToolOpacity(static_cast<ToolType>(-1), 3);
    EXPECT_EQ(Settings::GetToolSize(static_cast<ToolType>(12)), size);
    EXPECT_EQ(Settings::GetToolOpacity(TOOL_TRANSFORM), opacity);
    EXPECT_EQ(log.errors(), "[Nibline2] Unknown tool type: 8\n[Nibline2] Unknown tool type: -1\n"
                            "[Nibline2] Unknown tool type: 12\n[Nibline2] Unknown tool type: 8\n");
    EXPECT_EQ(Settings::pencilOpacity, opacity);
}

TEST(ToolAccessors, HardnessOnlyForBrushAndEraser)
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
    Settings::SetToolHardness(TOOL_PENCIL, 20);
    EXPECT_EQ(Settings::GetToolHardness(TOOL_BRUSH), 0);
    EXPECT_EQ(Settings::GetToolHardness(TOOL_PENCIL), 100);
    Settings::brushHardness = 100;
}

} // namespace
