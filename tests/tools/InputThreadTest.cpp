// The stroke input thread with a scripted pointer: the first samples of a
// press, shapes and text, the smoothing and spacing of freehand points, the
// pen pressure, and samples after the stop.
#include "commands_layer/CommandTest.h"

#include "base/Settings.h"
#include "raster/Stroke.h"
#include "tools/DrawContextInputHandler.h"
#include "tools/FreehandSmoother.h"
#include "tools/PointerSource.h"
#include "tools/ThreadManager.h"

#include <maya/MSelectionList.h>

#include <QWidget>

#include <atomic>

namespace {

// A pointer the test moves; read by the worker thread.
class ScriptedPointer : public PointerSource
{
public:
    QPoint GlobalPosition() const override { return QPoint(x.load(), y.load()); }
    void MoveTo(int newX, int newY)
    {
        x.store(newX);
        y.store(newY);
    }

private:
    std::atomic<int> x{0};
    std::atomic<int> y{0};
};

const int VIEW_WIDTH = 1024;
const int VIEW_HEIGHT = 576;

class InputThreadTest : public cmdtest::CommandTest
{
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        Settings::activeTool = TOOL_PENCIL;
        Settings::pencilSize = 1;
        Settings::pencilOpacity = 100;
        Settings::pencilTabletEnabled = false;
        Settings::tabletPressure.store(1.0f);
        Settings::tabletEraserEnabled = false;
        Manager().InsertLayer("persp", -1, QString("ink"));
        int newLayer = -1;
        bool frameAdded = false;
        ASSERT_TRUE(node->PrepareForDraw("persp", newLayer, frameAdded));
        // A view whose width the square image fills: image x equals view x.
        MSelectionList list;
        MDagPath camera;
        list.add("perspShape");
        list.getDagPath(0, camera);
        node->UpdateOverlayValues(camera, VIEW_WIDTH, VIEW_HEIGHT);
        ASSERT_EQ(node->ScreenCoordsToTexCoords(QPoint(10, 700)), QPoint(10, 100));
        viewWidget = std::make_unique<QWidget>();
        viewWidget->resize(VIEW_WIDTH, VIEW_HEIGHT);
        pointer = std::make_shared<ScriptedPointer>();
        manager().SetPointerSource(pointer);
    }
    void TearDown() override
    {
        manager().DestroyInputThread();
        manager().SetPointerSource(nullptr);
        CommandTest::TearDown();
    }

    static ThreadManager& manager() { return *ThreadManager::GetInstance(); }

    // Starts sampling a new stroke with the pointer at the view position.
    Stroke* Start(int x, int y)
    {
        pointer->MoveTo(view().mapToGlobal(QPoint(x, y)).x(), view().mapToGlobal(QPoint(x, y)).y());
        Stroke* stroke = node->GetActiveStroke("persp", false);
        manager().CreateInputThread(viewWidget.get(), node, stroke);
        return stroke;
    }
    void MoveTo(int x, int y)
    {
        const QPoint global = view().mapToGlobal(QPoint(x, y));
        pointer->MoveTo(global.x(), global.y());
    }
    // The image point of a view position (top-left origin) as the worker
    // reports it.
    QPoint ImagePoint(int x, int y) const
    {
        return node->ScreenCoordsToTexCoords(QPoint(x + 1, VIEW_HEIGHT + 1 - y));
    }
    bool WaitFor(const std::function<bool()>& condition) { return nbtest::processEvents(condition, 2000); }

    QWidget& view() const { return *viewWidget; }

    std::unique_ptr<QWidget> viewWidget;
    std::shared_ptr<ScriptedPointer> pointer;
};

TEST_F(InputThreadTest, AClickLeavesTwoPointsOnePixelApartAndLaterSamplesAreIgnored)
{
    Stroke* stroke = Start(100, 200);
    ASSERT_TRUE(WaitFor([&] { return stroke->points.size() == 2; }));
    manager().DestroyInputThread();
    const QPoint first = ImagePoint(99, 200);
    EXPECT_EQ(stroke->points[0].position, first);
    EXPECT_EQ(stroke->points[1].position, first + QPoint(1, 0));
    EXPECT_EQ(stroke->tool, TOOL_PENCIL);
    EXPECT_EQ(stroke->color, Settings::activeColor);

    manager().OnMousePositionChanged(QPoint(300, 300), 1, 1.0f, 1.0f);
    EXPECT_EQ(stroke->points.size(), 2);
}

TEST_F(InputThreadTest, ShapesKeepTheAnchorAndTheLatestEndAndTextOnePointWithItsFont)
{
    Settings::activeTool = TOOL_LINE;
    Stroke* line = Start(50, 60);
    ASSERT_TRUE(WaitFor([&] { return line->points.size() == 2; }));
    for (int x : {70, 90, 130}) {
        MoveTo(x, 80);
        ASSERT_TRUE(WaitFor([&] { return line->points[1].position == ImagePoint(x, 80); })) << x;
    }
    manager().DestroyInputThread();
    ASSERT_EQ(line->points.size(), 2);
    EXPECT_EQ(line->points[0].position, ImagePoint(50, 60));

    node->CancelActiveStroke();
    Settings::activeTool = TOOL_TEXT;
    Settings::textFontFamily = "Serif";
    Stroke* text = Start(10, 20);
    ASSERT_TRUE(WaitFor([&] { return !text->points.isEmpty(); }));
    MoveTo(40, 45);
    ASSERT_TRUE(WaitFor([&] { return text->points[0].position == ImagePoint(40, 45); }));
    manager().DestroyInputThread();
    EXPECT_EQ(text->points.size(), 1);
    EXPECT_EQ(text->fontFamily, QString("Serif"));
}

TEST_F(InputThreadTest, FreehandSamplesAreSmoothedAndSpacedByATenthOfTheWidth)
{
    Stroke* stroke = Start(100, 200);
    ASSERT_TRUE(WaitFor([&] { return stroke->points.size() == 2; }));
    const int y = VIEW_HEIGHT + 1 - 200;
    const int imageY = stroke->points[1].position.y();
    const auto sample = [&](int x, int width) {
        stroke->updated = false;
        manager().OnMousePositionChanged(QPoint(x, y), width, 1.0f, 1.0f);
        return stroke->points.last().position.x();
    };
    // Window (newest first) 101, 100 in image x. Width 50 needs 5 pixels:
    // (3 * 109 + 2 * 101 + 100) / 6 = 104.8 rounds to 105, 4 away: dropped.
    EXPECT_EQ(sample(109, 50), 101);
    EXPECT_FALSE(stroke->updated);
    // The dropped sample left the window: (3 * 111 + 302) / 6 = 105.8 -> 106.
    EXPECT_EQ(sample(111, 50), 106);
    EXPECT_TRUE(stroke->updated);
    EXPECT_EQ(stroke->points.last().position.y(), imageY);
    // Width 1: a smoothed sample on the last point is dropped, any other kept.
    // Window 105, 111, 101, 100: (4 * 105 + 635) / 10 = 105.5 rounds up to 106.
    EXPECT_EQ(sample(105, 1), 106);
    EXPECT_EQ(stroke->points.size(), 3);
    // (4 * 108 + 635) / 10 = 106.7 -> 107, one pixel on.
    EXPECT_EQ(sample(108, 1), 107);
    EXPECT_EQ(stroke->points.size(), 4);
    // A sample on the last point is ignored before it reaches the window.
    EXPECT_EQ(sample(107, 1), 107);
    EXPECT_EQ(stroke->points.size(), 4);
    EXPECT_FALSE(stroke->updated);
}

TEST_F(InputThreadTest, PenPressureScalesTheSampledOpacityWhenEnabled)
{
    Settings::pencilTabletEnabled = true;
    Settings::pencilOpacity = 80;
    Settings::tabletPressure.store(DrawContextInputHandler::MapTabletPressure(0.75f));
    Stroke* stroke = Start(10, 10);
    ASSERT_TRUE(WaitFor([&] { return stroke->points.size() == 2; }));
    EXPECT_FLOAT_EQ(stroke->points[0].opacity, 0.8f * 0.875f);
    manager().DestroyInputThread();
    node->CancelActiveStroke();

    Settings::tabletPressure.store(DrawContextInputHandler::MapTabletPressure(0.05f));
    stroke = Start(10, 10);
    ASSERT_TRUE(WaitFor([&] { return stroke->points.size() == 2; }));
    EXPECT_EQ(stroke->points[1].opacity, 0.0f);
}

TEST(FreehandSmootherTest, WeighsTheNewestMostAndRoundsHalvesUp)
{
    FreehandSmoother smoother;
    EXPECT_EQ(smoother.SmoothedPosition(), QPoint());
    smoother.Push(QPoint(0, 0), 1.0f);
    smoother.Push(QPoint(3, -3), 0.0f);
    // (2 * 3 + 0) / 3 = 2 and -2; opacity 1 / 3.
    EXPECT_EQ(smoother.SmoothedPosition(), QPoint(2, -2));
    EXPECT_FLOAT_EQ(smoother.SmoothedOpacity(), 1.0f / 3.0f);
    for (int i = 0; i < 6; ++i)
        smoother.Push(QPoint(10 * i, 0), 1.0f);
    // Window 50, 40, 30, 20, 10 with weights 5 to 1: 550 / 15 = 36.67.
    EXPECT_EQ(smoother.Count(), FreehandSmoother::WINDOW_SIZE);
    EXPECT_EQ(smoother.SmoothedPosition(), QPoint(37, 0));
    smoother.DropNewest();
    EXPECT_EQ(smoother.Count(), 4);
    EXPECT_EQ(FreehandSmoother::RoundHalfUp(2.5), 3);
    EXPECT_EQ(FreehandSmoother::RoundHalfUp(-2.5), -2);
    EXPECT_EQ(FreehandSmoother::RoundHalfUp(-2.6), -3);
}

TEST(TabletPressureTest, EasesAboveTheMidpointAndSnapsTheEnds)
{
    EXPECT_FLOAT_EQ(DrawContextInputHandler::MapTabletPressure(0.75f), 0.875f);
    EXPECT_FLOAT_EQ(DrawContextInputHandler::MapTabletPressure(0.99f), 1.0f);
    EXPECT_FLOAT_EQ(DrawContextInputHandler::MapTabletPressure(0.3f), 0.3f);
    EXPECT_FLOAT_EQ(DrawContextInputHandler::MapTabletPressure(0.1f), 0.15f);
    EXPECT_FLOAT_EQ(DrawContextInputHandler::MapTabletPressure(0.05f), 0.0f);
    EXPECT_FLOAT_EQ(DrawContextInputHandler::MapTabletPressure(0.08f), 0.15f);
}

} // namespace
