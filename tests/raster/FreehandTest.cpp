#include "raster/DrawUtil.h"
#include "raster/FreehandRenderer.h"

#include "RasterTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace rastertest;

namespace {

QList<StrokePoint> Points(std::initializer_list<QPoint> positions, int width,
                          float opacity = 1.0f)
{
    QList<StrokePoint> points;
    for (QPoint p : positions)
        points.append(Point(p.x(), p.y(), width, opacity));
    return points;
}

QImage Blank(ToolType tool)
{
    return Frame(QColor(10, 20, 30), tool == TOOL_ERASER ? 255 : 0);
}

const ToolType FREEHAND[] = {TOOL_PENCIL, TOOL_BRUSH, TOOL_ERASER};

} // namespace

TEST(Freehand, PencilAndEraserPlotPixelsAtWidthOneAndDiscsAbove)
{
    QImage image = Frame();
    FreehandRenderer().DrawSegment(image, 0, 0, 5, 0, 1, 0.5f, 0.5f, TOOL_PENCIL);
    FreehandRenderer().DrawSegment(image, 0, 0, 0, 5, 1, 0.5f, 0.5f, TOOL_PENCIL);
    EXPECT_EQ(ChangedBounds(image), QRect(0, 0, 6, 6));
    EXPECT_EQ(Alpha(image, 5, 0) + Alpha(image, 0, 5), 2 * 127);
    // The opacity fades along the walk.
    FreehandRenderer().DrawSegment(image, 10, 10, 20, 10, 1, 0.0f, 1.0f, TOOL_PENCIL);
    EXPECT_EQ(Alpha(image, 15, 10), 127);

    QImage erased = Blank(TOOL_ERASER);
    FreehandRenderer().DrawSegment(erased, 3, 3, 6, 3, 1, 1.0f, 1.0f, TOOL_ERASER);
    EXPECT_EQ(ChangedBounds(erased, Blank(TOOL_ERASER)), QRect(3, 3, 4, 1));
    EXPECT_EQ(erased.pixelColor(4, 3), QColor(10, 20, 30, 0));

    // Any visible opacity clears the whole disc: radius 20 around the centre
    // cell, which falls on (499, 499). Below one step of alpha nothing is erased.
    QImage disc = Blank(TOOL_ERASER);
    FreehandRenderer().DrawSegment(disc, 500, 500, 500, 500, 40, 0.005f, 0.005f, TOOL_ERASER);
    EXPECT_EQ(ChangedBounds(disc, Blank(TOOL_ERASER)), QRect(479, 479, 41, 41));
    EXPECT_EQ(Alpha(disc, 485, 485), 0);  // a disc, not a square
    EXPECT_EQ(Alpha(disc, 484, 484), 255);
    QImage faint = Blank(TOOL_ERASER);
    FreehandRenderer().DrawSegment(faint, 500, 500, 510, 500, 40, 0.001f, 0.001f, TOOL_ERASER);
    EXPECT_EQ(faint, Blank(TOOL_ERASER));
}

TEST(Freehand, LargeStampsAreSpacedByATenthOfTheWidthFromTheFirstPoint)
{
    // A size 100 stamp reaches 50 pixels either side of its centre: stamps
    // fall on 300 and 310, not on the end point 315.
    QImage image = Frame();
    const QRect touched =
        FreehandRenderer().DrawSegment(image, 300, 500, 315, 500, 100, 1.0f, 1.0f, TOOL_PENCIL);
    EXPECT_EQ(ChangedBounds(image), QRect(QPoint(250, 450), QPoint(360, 550)));
    EXPECT_TRUE(touched.contains(ChangedBounds(image)));

    // Size 20 stamps every second point: 300 and 302 of 300..303.
    QImage twenty = Frame();
    FreehandRenderer().DrawSegment(twenty, 300, 500, 303, 500, 20, 1.0f, 1.0f, TOOL_PENCIL);
    EXPECT_EQ(ChangedBounds(twenty).right(), 312);

    // Each segment restarts the count: its first point is always stamped.
    QImage stroke = Frame();
    DrawUtil::DrawFreehand(stroke, Points({{300, 500}, {315, 500}, {318, 500}}, 100), 0,
                           TOOL_PENCIL);
    EXPECT_EQ(ChangedBounds(stroke).right(), 365);
}

TEST(Freehand, StrokesDrawnAsPointsArriveMatchOneDrawnAtOnce)
{
    // Crossing the image edges, so that clipping and the touched rectangle
    // are exercised too.
    const QList<StrokePoint> points = Points(
        {{-30, 40}, {60, 5}, {200, 300}, {1040, 310}, {1000, 1030}, {990, 1000}}, 24, 0.8f);
    for (ToolType tool : FREEHAND) {
        QImage image = Blank(tool);
        EXPECT_TRUE(DrawUtil::DrawFreehand(image, points.mid(0, 1), 0, tool).isEmpty());
        EXPECT_TRUE(DrawUtil::DrawFreehand(image, points, 5, tool).isEmpty());
        EXPECT_EQ(image, Blank(tool));

        QImage whole = Blank(tool);
        const QRect touched = DrawUtil::DrawFreehand(whole, points, -1, tool);
        EXPECT_TRUE(touched.contains(ChangedBounds(whole, Blank(tool)))) << tool;
        EXPECT_TRUE(QRect(0, 0, SIDE, SIDE).contains(touched)) << tool;
        int lastDrawn = 0;
        for (int count = 1; count <= points.size(); ++count) {
            DrawUtil::DrawFreehand(image, points.mid(0, count), lastDrawn, tool);
            lastDrawn = count - 1;
        }
        EXPECT_EQ(image, whole) << tool;
        EXPECT_NE(image, Blank(tool)) << tool;
    }
    QImage shape = Frame();
    EXPECT_TRUE(DrawUtil::DrawFreehand(shape, points, 0, TOOL_LINE).isEmpty());
}

TEST(Freehand, SmallBrushesUseAWiderFainterCone)
{
    FreehandRenderer renderer;
    QImage nineteen = Frame();
    renderer.DrawFreehand(nineteen, Points({{500, 500}, {501, 500}}, 19), 0, TOOL_BRUSH);
    // Radius 10.5 at 0.4 of the opacity: still non-zero ten cells out.
    EXPECT_EQ(renderer.Grid().Cell(10, 10), 102);
    EXPECT_EQ(renderer.Grid().Cell(20, 10), 4);
    EXPECT_LT(MaxAlpha(nineteen), 255);

    QImage twenty = Frame();
    renderer.DrawFreehand(twenty, Points({{500, 500}, {501, 500}}, 20), 0, TOOL_BRUSH);
    EXPECT_EQ(renderer.Grid().Cell(10, 10), 255);
    EXPECT_EQ(renderer.Grid().Cell(20, 10), 0);
    EXPECT_EQ(MaxAlpha(twenty), 255);
    // Size 1 is an antialiased line, not a stamp.
    QImage one = Frame();
    renderer.DrawFreehand(one, Points({{10, 10}, {20, 10}}, 1), 0, TOOL_BRUSH);
    EXPECT_EQ(ChangedBounds(one), QRect(10, 10, 11, 1));
}

TEST(Freehand, BrushNeverExceedsTheLocalOpacity)
{
    QList<StrokePoint> zigzag;
    for (int i = 0; i < 20; ++i)
        zigzag.append(Point(i % 2 ? 160 : 100, 100 + i % 3, 30, 0.5f));
    QImage image = Frame();
    DrawUtil::DrawFreehand(image, zigzag, 0, TOOL_BRUSH);
    EXPECT_EQ(MaxAlpha(image), 127);

    // Along a pressure ramp the ceiling follows the opacity.
    QImage ramp = Frame();
    FreehandRenderer().DrawSegmentBrush(ramp, 100, 500, 400, 500, 30, 0.1f, 1.0f, true);
    EXPECT_LE(Alpha(ramp, 105, 500), 45);
    EXPECT_LT(Alpha(ramp, 150, 500), Alpha(ramp, 250, 500));
    EXPECT_LT(Alpha(ramp, 250, 500), Alpha(ramp, 350, 500));
    EXPECT_GE(Alpha(ramp, 395, 500), 200);
}

TEST(Freehand, PointsAnywhereAndBadImagesStayInsideTheImage)
{
    // Segments reaching far past the image draw exactly their visible part.
    for (ToolType tool : FREEHAND) {
        QImage far = Blank(tool);
        QImage near = Blank(tool);
        DrawUtil::DrawFreehand(far, Points({{-2000000000, 300}, {2000000000, 300}}, 12), 0, tool);
        DrawUtil::DrawFreehand(near, Points({{-100, 300}, {1200, 300}}, 12), 0, tool);
        EXPECT_EQ(far, near) << tool;
        EXPECT_NE(far, Blank(tool)) << tool;
    }
    // Garbage of every kind finishes without touching memory outside.
    const QList<StrokePoint> garbage = {
        StrokePoint{6, 1.0f, 1.0f, QPoint(INT_MIN, INT_MIN)},
        StrokePoint{1000000, NAN, 1.0f, QPoint(INT_MAX, INT_MAX)},
        StrokePoint{INT_MAX, 5.0f, 1.0f, QPoint(512, 512)},
        StrokePoint{-7, -1.0f, 1.0f, QPoint(INT_MIN, 512)},
        StrokePoint{0, INFINITY, 1.0f, QPoint(1023, 0)},
        StrokePoint{1, 1.0f, 1.0f, QPoint(1023, 900)},
    };
    for (ToolType tool : FREEHAND) {
        QImage image = Frame();
        DrawUtil::DrawFreehand(image, garbage, 0, tool);
        QImage small(16, 16, QImage::Format_RGBA8888);
        DrawUtil::DrawFreehand(small, Points({{0, 0}, {400, 400}}, 40), 0, tool);
        QImage rgb(16, 16, QImage::Format_RGB32);
        EXPECT_TRUE(DrawUtil::DrawFreehand(rgb, garbage, 0, tool).isEmpty());
    }
}
