#include "CommandTest.h"

#include "base/Settings.h"
#include "model/Frame.h"
#include "raster/Stroke.h"

#include <QHash>

namespace cmdtest {
namespace {

class StrokeCommandTest : public CommandTest
{
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        Settings::automaticallyAddFirstLayer = true;
        Settings::alwaysDisplayNewLayerDialog = false;
        Settings::insertDefaultStaticFrame = true;
        ASSERT_TRUE(eval("currentTime 5", false).ok);
    }
    void TearDown() override
    {
        Settings::activeTool = TOOL_PENCIL;
        CommandTest::TearDown();
    }

    // Prepares the camera as the draw tool does and draws a stroke of the
    // tool through the model; the stroke command's arguments for it.
    std::string Draw(ToolType tool, const QString& camera = "persp")
    {
        int newLayer = -1;
        bool frameAdded = false;
        EXPECT_TRUE(node->PrepareForDraw(camera, newLayer, frameAdded)) << output().errors();
        Settings::activeTool = tool;
        Stroke* stroke = node->GetActiveStroke(camera, tool == TOOL_TRANSFORM);
        EXPECT_TRUE(stroke);
        if (!stroke)
            return "";
        stroke->tool = tool;
        stroke->color = QColor(200, 40, 40, 255);
        for (int i = 0; i < 8; ++i) {
            StrokePoint point;
            point.width = 12;
            point.position = QPoint(100 + 30 * i, 100 + 20 * i);
            stroke->points.append(point);
        }
        stroke->text = "Hi";
        stroke->region = QRect(90, 90, 200, 200);
        stroke->offset = QPoint(40, 10);
        stroke->captureRegion = true;
        stroke->updated = true;
        std::string args;
        if (newLayer >= 0)
            args += " -la " + std::to_string(newLayer);
        if (frameAdded)
            args += " -fa";
        return args + " " + camera.toStdString();
    }
    // The drawing of the camera's active layer at the current time.
    size_t Drawing(const QString& camera = "persp")
    {
        Layer* layer = Manager().GetActiveLayer(camera);
        Frame* frame = layer ? layer->GetFrame(layer->GetCurrentFrameIndex()) : nullptr;
        if (!frame)
            return 0;
        const QImage& image = frame->GetImage();
        return qHashBits(image.constBits(), size_t(image.sizeInBytes()));
    }
};

TEST_F(StrokeCommandTest, EveryToolCommitsAndUndoRedoSwapTheImage)
{
    Manager().InsertLayer("persp", -1, QString("L"));
    Manager().AddFrame("persp", MTime(5.0, MTime::uiUnit()));
    for (ToolType tool : {TOOL_PENCIL, TOOL_BRUSH, TOOL_ELLIPSE, TOOL_TEXT, TOOL_TRANSFORM, TOOL_ERASER}) {
        const size_t before = Drawing();
        const std::string args = Draw(tool);
        EXPECT_EQ(args, " persp");
        Run("vxNiblineStroke" + args);
        const size_t after = Drawing();
        EXPECT_NE(after, before) << tool;
        Run("undo");
        EXPECT_EQ(Drawing(), before) << tool;
        Run("redo");
        EXPECT_EQ(Drawing(), after) << tool;
    }
    // Scrubbed away before the undo: the stroke's own frame is restored.
    Manager().AddFrame("persp", MTime(9.0, MTime::uiUnit()));
    const size_t stroked = Drawing();
    ASSERT_TRUE(eval("currentTime 9", false).ok);
    const size_t other = Drawing();
    Run("undo");
    ASSERT_TRUE(eval("currentTime 9", false).ok);
    EXPECT_EQ(Drawing(), other);
    ASSERT_TRUE(eval("currentTime 5", false).ok);
    EXPECT_NE(Drawing(), stroked);
}

TEST_F(StrokeCommandTest, UndoRemovesTheLayerAndFrameTheStrokeMade)
{
    Manager().InsertLayer("top", -1, QString("T0"));
    Manager().InsertLayer("top", -1, QString("T1"));
    Manager().SetActiveLayer("top", 1, true);
    Manager().SetActiveCamera("persp");
    const std::string before = Document();
    const std::string args = Draw(TOOL_PENCIL);
    EXPECT_EQ(args, " -la 0 -fa persp");
    Run("vxNiblineStroke" + args);
    EXPECT_EQ(Manager().LayerCount("persp"), 1);
    const size_t stroked = Drawing();
    const std::string after = Document();

    Run("undo");
    EXPECT_EQ(Manager().LayerCount("persp"), 0);
    EXPECT_EQ(Manager().GetActiveLayerIndex("top"), 1);
    Run("redo");
    EXPECT_EQ(Drawing(), stroked);
    EXPECT_EQ(Document(), after);
    Run("undo");
    EXPECT_EQ(Manager().LayerCount("persp"), 0);
    EXPECT_EQ(Manager().GetActiveLayerIndex("top"), 1);
    // Exactly as before: persp stays the active camera and is not listed.
    EXPECT_EQ(Document(), before);
}

TEST_F(StrokeCommandTest, ALayerTheStrokeDidNotMakeIsNeverTakenOut)
{
    Manager().InsertLayer("persp", -1, QString("A"));
    Manager().InsertLayer("persp", -1, QString("B"));
    Manager().SetActiveLayer("persp", 1, true);
    Run("vxNiblineStroke -la 0" + Draw(TOOL_BRUSH));
    Run("undo");
    EXPECT_EQ(Names("persp"), "A B");
    Run("redo");
    EXPECT_EQ(Names("persp"), "A B");
    EXPECT_NE(Drawing(), 0u);
}

TEST_F(StrokeCommandTest, StaticLayerFrameIsTheStaticTime)
{
    Manager().InsertLayer("persp", -1, QString("S"));
    Manager().SetLayerState("persp", 0, LAYER_STATE_STATIC);
    Run("vxNiblineStroke" + Draw(TOOL_LINE));
    QList<int> times;
    node->GetFrameTimes("persp", times);
    EXPECT_EQ(times, QList<int>({Settings::defaultStaticFrameTime}));
    Run("undo");
    node->GetFrameTimes("persp", times);
    EXPECT_TRUE(times.isEmpty());
}

TEST_F(StrokeCommandTest, RefusalsChangeNothing)
{
    Manager().InsertLayer("persp", -1, QString("L"));
    Manager().AddFrame("persp", MTime(5.0, MTime::uiUnit()));
    const std::string before = Document();
    Refused("vxNiblineStroke persp");  // no active stroke
    Refused("vxNiblineStroke -fa top"); // no active layer
    EXPECT_NE(Refused("vxNiblineStroke").find("Camera not specified"), std::string::npos);
    EXPECT_NE(Refused("vxNiblineStroke nowhere").find("Camera does not exist: nowhere"), std::string::npos);
    EXPECT_EQ(Document(), before);
}

} // namespace
} // namespace cmdtest
