// The utility command on a batch host: every settings flag, its query and
// its checks, the order in which flags decide, that nothing enters the undo
// queue, and that flags showing something fail cleanly without an interface.
#include "commands_layer/CommandTest.h"

#include "base/Settings.h"
#include "commands/UtilCommand.h"

namespace cmdtest {
namespace {

class UtilCommandTest : public CommandTest
{
protected:
    bool CreatesNode() const override { return false; }

    void SetUp() override
    {
        CommandTest::SetUp();
        Settings::ghostPrev = false;
        Settings::ghostNext = false;
        Settings::ghostPrevCount = 3;
        Settings::ghostNextCount = 3;
        Settings::timelineFrameDisplay = 0;
        Settings::activeColor = QColor(0, 255, 255);
        Settings::activeTool = TOOL_BRUSH;
    }

    std::vector<long long> Ints(const std::string& script) { return Run(script).value.asIntArray(); }
};

TEST_F(UtilCommandTest, DrawColourIsCheckedSetAndQueried)
{
    Run("vxNiblineUtil -e -drawColor 255 0 0");
    EXPECT_EQ(Settings::activeColor, QColor(255, 0, 0, 255));
    EXPECT_EQ(Ints("vxNiblineUtil -q -drawColor"), std::vector<long long>({255, 0, 0}));

    EXPECT_NE(Refused("vxNiblineUtil -e -drawColor 256 0 0").find("Color values must be in the range of 0-255."),
              std::string::npos);
    EXPECT_EQ(Settings::activeColor, QColor(255, 0, 0));
    EXPECT_NE(Refused("vxNiblineUtil -drawColor 1 2 3").find("Invalid command parameters"), std::string::npos);
    EXPECT_EQ(Settings::activeColor, QColor(255, 0, 0));

    Run("vxNiblineUtil -e -ghostColorPrevious 1 2 3; vxNiblineUtil -e -gcn 4 5 6");
    EXPECT_EQ(Ints("vxNiblineUtil -q -ghostColorPrevious"), std::vector<long long>({1, 2, 3}));
    EXPECT_EQ(Settings::ghostColorOverrideNext, QColor(4, 5, 6, 255));
    EXPECT_NE(Refused("vxNiblineUtil -e -gcn 0 300 0").find("0-255"), std::string::npos);
    EXPECT_EQ(Settings::ghostColorOverrideNext, QColor(4, 5, 6));
}

TEST_F(UtilCommandTest, GhostingTogglesAndClampedCounts)
{
    Run("vxNiblineUtil -e -ghostPrevious -1");
    EXPECT_TRUE(Settings::ghostPrev);
    EXPECT_EQ(IntOf("vxNiblineUtil -q -ghostPrevious"), 1);
    Run("vxNiblineUtil -e -ghostPrevious -1");
    EXPECT_FALSE(Settings::ghostPrev);
    Run("vxNiblineUtil -e -ghostNext 7");
    EXPECT_TRUE(Settings::ghostNext);
    Run("vxNiblineUtil -e -gn 0");
    EXPECT_FALSE(Settings::ghostNext);

    Run("vxNiblineUtil -e -ghostPreviousCount 0");
    EXPECT_EQ(Settings::ghostPrevCount, 1);
    Run("vxNiblineUtil -e -ghostPreviousCount 20");
    EXPECT_EQ(IntOf("vxNiblineUtil -q -ghostPreviousCount"), 9);
    Run("vxNiblineUtil -e -gnc 4000000000");
    EXPECT_EQ(Settings::ghostNextCount, 9);
    Run("vxNiblineUtil -e -gnc 5");
    EXPECT_EQ(IntOf("vxNiblineUtil -q -gnc"), 5);

    Run("vxNiblineUtil -e -ghostColorOverride 2");
    EXPECT_TRUE(Settings::ghostColorOverride);
    const nbhost::Value overridden = Run("vxNiblineUtil -q -ghostColorOverride").value;
    EXPECT_EQ(overridden.asInt(), 1);
    Run("vxNiblineUtil -e -gco 0");
    EXPECT_FALSE(Settings::ghostColorOverride);

    EXPECT_NE(Refused("vxNiblineUtil -ghostNext 1").find("Invalid command parameters"), std::string::npos);
}

TEST_F(UtilCommandTest, TimelineFrameDisplayRejectsUnknownChoices)
{
    Run("vxNiblineUtil -e -timelineFrameDisplay 2");
    EXPECT_EQ(IntOf("vxNiblineUtil -q -timelineFrameDisplay"), 2);
    EXPECT_NE(Refused("vxNiblineUtil -e -tfd 3").find("Invalid timeline frame display option."), std::string::npos);
    EXPECT_EQ(Settings::timelineFrameDisplay, 2);
    Run("vxNiblineUtil -e -tfd 1");
    EXPECT_EQ(Settings::timelineFrameDisplay, 1);
}

TEST_F(UtilCommandTest, ToolOptionsAreClampedPerTool)
{
    Run("vxNiblineUtil -pencilOptions 500 0 1");
    EXPECT_EQ(Settings::pencilSize, 100);
    EXPECT_EQ(Settings::pencilOpacity, 1);
    EXPECT_TRUE(Settings::pencilTabletEnabled);
    Run("vxNiblineUtil -lineOptions 80 50");
    EXPECT_EQ(Settings::lineSize, 50);
    EXPECT_EQ(Settings::lineOpacity, 50);
    Run("vxNiblineUtil -brushOptions 12 40 4000000000 0");
    EXPECT_EQ(Settings::brushSize, 12);
    EXPECT_EQ(Settings::brushHardness, 100);
    EXPECT_FALSE(Settings::brushTabletEnabled);
    Run("vxNiblineUtil -eraserOptions 30 60 0 5");
    EXPECT_EQ(Settings::eraserOpacity, 60);
    EXPECT_EQ(Settings::eraserHardness, 0);
    EXPECT_TRUE(Settings::eraserTabletEnabled);
    Run("vxNiblineUtil -textOptions 24 80 \"DejaVu Serif\"");
    EXPECT_EQ(Settings::textSize, 24);
    EXPECT_EQ(Settings::textFontFamily, QString("DejaVu Serif"));
    Run("vxNiblineUtil -ao 60 100; vxNiblineUtil -elo 7 8; vxNiblineUtil -ro 0 9");
    EXPECT_EQ(Settings::arrowSize, 50);
    EXPECT_EQ(Settings::ellipseOpacity, 8);
    EXPECT_EQ(Settings::rectangleSize, 1);

    // A missing argument is the host's parse error; nothing changes.
    Refused("vxNiblineUtil -lineOptions 10");
    EXPECT_EQ(Settings::lineSize, 50);
}

TEST_F(UtilCommandTest, FirstFlagOfTheTableDecides)
{
    Run("vxNiblineUtil -e -ghostNext 1 -ghostPrevious 1");
    EXPECT_TRUE(Settings::ghostPrev);
    EXPECT_FALSE(Settings::ghostNext);
    Run("vxNiblineUtil -e -timelineFrameDisplay 2 -drawColor 9 9 9");
    EXPECT_EQ(Settings::activeColor, QColor(9, 9, 9));
    EXPECT_EQ(Settings::timelineFrameDisplay, 0);

    EXPECT_NE(Refused("vxNiblineUtil").find("Invalid command parameters"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineUtil -e").find("Invalid command parameters"), std::string::npos);
    // A query reads; it never runs an action.
    EXPECT_NE(Refused("vxNiblineUtil -q -refreshTimelineDisplay").find("Invalid command parameters"),
              std::string::npos);
}

TEST_F(UtilCommandTest, NothingEntersTheUndoQueue)
{
    const size_t steps = UndoSteps();
    Run("vxNiblineUtil -e -drawColor 1 2 3");
    Run("vxNiblineUtil -e -ghostPrevious -1");
    Run("vxNiblineUtil -pencilOptions 5 5 0");
    Run("vxNiblineUtil -e -tfd 1");
    Run("vxNiblineUtil -framedeckImport");
    EXPECT_EQ(UndoSteps(), steps);
    Run("undo");
    EXPECT_EQ(Settings::activeColor, QColor(1, 2, 3));
}

TEST_F(UtilCommandTest, WithoutAnInterfaceRefreshesDoNothingAndPanelsFailClearly)
{
    for (const char* refresh : {"-refreshTimelineDisplay", "-refreshLayerManager", "-refreshToolbox",
                                "-framedeckImport", "-rtd", "-rlm", "-rtb"})
        Run(std::string("vxNiblineUtil ") + refresh);
    Run("vxNiblineNode");
    Run("vxNiblineUtil -rlm");

    for (const char* shows : {"-floatingViewport", "-floatingViewportMove \"persp\"", "-fvm \"\"", "-layerManager",
                              "-toolbox", "-toolOptions", "-colorPalette", "-cp", "-retimingTool", "-rtt",
                              "-newLayer", "-layerProperties", "-ghostingSettings", "-resetUI", "-preferences",
                              "-about"}) {
        const std::string errors = Refused(std::string("vxNiblineUtil ") + shows);
        EXPECT_NE(errors.find("needs the interactive host"), std::string::npos) << shows << "\n" << errors;
    }
    EXPECT_NE(Refused("vxNiblineUtil -about").find("vxNiblineUtil -about needs"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineUtil -cp").find("vxNiblineUtil -colorPalette needs"), std::string::npos);
    EXPECT_FALSE(Run("objExists niblineCam").value.asInt());
}

// The tools need the draw context; without its context command the tool
// stays as it was and the error names what is missing.
TEST_F(UtilCommandTest, ToolFlagsGoThroughTheDrawContext)
{
    const bool drawContext = Run("exists vxNbDrawCtx").value.asInt() != 0;
    if (!drawContext) {
        EXPECT_NE(Refused("vxNiblineUtil -pencilTool").find("context command vxNbDrawCtx is not available"),
                  std::string::npos);
        EXPECT_EQ(Settings::activeTool, TOOL_BRUSH);
        EXPECT_NE(Refused("vxNiblineUtil -transform").find("vxNbTransformCtx"), std::string::npos);
        return;
    }
    const std::pair<const char*, ToolType> tools[] = {
        {"-pencilTool", TOOL_PENCIL}, {"-eraserTool", TOOL_ERASER},   {"-lineTool", TOOL_LINE},
        {"-arrowTool", TOOL_ARROW},   {"-ellipseTool", TOOL_ELLIPSE}, {"-rectangleTool", TOOL_RECTANGLE},
        {"-textTool", TOOL_TEXT},     {"-brushTool", TOOL_BRUSH}};
    for (const auto& [flag, tool] : tools) {
        Run(std::string("vxNiblineUtil ") + flag);
        EXPECT_EQ(Settings::activeTool, tool) << flag;
    }
    const std::string context = UtilCommand::drawContextName.asChar();
    EXPECT_EQ(Run("currentCtx").value.asString(), context);
    Run("vxNiblineUtil -draw");
    EXPECT_EQ(UtilCommand::drawContextName.asChar(), context);
}

} // namespace
} // namespace cmdtest
