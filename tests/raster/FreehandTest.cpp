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

} // namespace

TEST(Freehand, OnePixelPencilAndEraserPlotSinglePixelsUpToTheEdge)
{
    QImage image = Frame();
    DrawUtil::DrawFreehandSegment(image, 0, 0, 5, 0, 1, 0.5f, 0.5f, TOOL_PENCIL);
    DrawUtil::DrawFreehandSegment(image, 0, 0, 0, 5, 1, 0.5f, 0.5f, TOOL_PENCIL);
    EXPECT_EQ(OpaqueBounds(image), QRect(0, 0, 6, 6));
    EXPECT_EQ(Alpha(image, 5, 0), 127);
    EXPECT_EQ(Alpha(image, 0, 5), 127);
    EXPECT_EQ(Alpha(image, 1, 1), 0);

    // The opacity fades along the walk.
    QImage fade = Frame();
    DrawUtil::DrawFreehandSegment(fade, 10, 10, 20, 10, 1, 0.0f, 1.0f, TOOL_PENCIL);
    EXPECT_EQ(Alpha(fade, 10, 10), 0);
    EXPECT_EQ(Alpha(fade, 15, 10), 127);
    EXPECT_GE(Alpha(fade, 20, 10), 254);
    for (int x = 11; x <= 20; ++x)
        EXPECT_GT(Alpha(fade, x, 10), Alpha(fade, x - 1, 10)) << x;

    QImage erased = Frame(QColor(10, 20, 30), 255);
    DrawUtil::DrawFreehandSegment(erased, 3, 3, 6, 3, 1, 1.0f, 1.0f, TOOL_ERASER);
    for (int x = 2; x <= 7; ++x)
        EXPECT_EQ(Alpha(erased, x, 3), x >= 3 && x <= 6 ? 0 : 255) << x;
    EXPECT_EQ(erased.pixelColor(4, 3).rgb(), QColor(10, 20, 30).rgb());
}

TEST(Freehand, EraserClearsAFullDiscAtAnyVisibleOpacity)
{
    QImage image = Frame(QColor(10, 20, 30), 255);
    DrawUtil::DrawFreehandSegment(image, 500, 500, 500, 500, 40, 0.005f, 0.005f, TOOL_ERASER);
    // Radius 20 around the disc's centre cell, which falls on (499, 499).
    EXPECT_EQ(Alpha(image, 499, 499), 0);
    EXPECT_EQ(Alpha(image, 518, 499), 0);
    EXPECT_EQ(Alpha(image, 499, 480), 0);
    EXPECT_EQ(Alpha(image, 521, 499), 255);
    EXPECT_EQ(Alpha(image, 485, 485), 0);
    EXPECT_EQ(Alpha(image, 484, 484), 255);
    EXPECT_EQ(image.pixelColor(499, 499).rgb(), QColor(10, 20, 30).rgb());

    // Below one step of alpha the stamp is empty and nothing is erased.
    QImage untouched = Frame(QColor(10, 20, 30), 255);
    DrawUtil::DrawFreehandSegment(untouched, 500, 500, 510, 500, 40, 0.001f, 0.001f,
                                  TOOL_ERASER);
    EXPECT_EQ(untouched, Frame(QColor(10, 20, 30), 255));
}

TEST(Freehand, LargeStampsAreSpacedByATenthOfTheWidthFromTheFirstPoint)
{
    // A size 100 stamp reaches 50 pixels right of its centre: stamps fall on
    // 300 and 310, not on the end point 315.
    QImage image = Frame();
    const QRect touched =
        DrawUtil::DrawFreehandSegment(image, 300, 500, 315, 500, 100, 1.0f, 1.0f, TOOL_PENCIL);
    EXPECT_EQ(OpaqueBounds(image).right(), 360);
    EXPECT_EQ(OpaqueBounds(image).left(), 250);
    EXPECT_TRUE(touched.contains(OpaqueBounds(image)));

    // Size 20 stamps every second point: 300 and 302 of 300..303.
    QImage twenty = Frame();
    DrawUtil::DrawFreehandSegment(twenty, 300, 500, 303, 500, 20, 1.0f, 1.0f, TOOL_PENCIL);
    EXPECT_EQ(OpaqueBounds(twenty).right(), 312);

    // Each segment restarts the count: its first point is always stamped.
    QImage stroke = Frame();
    DrawUtil::DrawFreehand(stroke, Points({{300, 500}, {315, 500}, {318, 500}}, 100), 0,
                           TOOL_PENCIL);
    EXPECT_EQ(OpaqueBounds(stroke).right(), 365);
}

TEST(Freehand, StartIndexSelectsTheSegmentsToDraw)
{
    const QList<StrokePoint> points =
        Points({{100, 100}, {140, 120}, {180, 100}, {220, 160}, {260, 100}}, 8, 0.7f);
    for (ToolType tool : {TOOL_PENCIL, TOOL_BRUSH, TOOL_ERASER}) {
        const QImage blank = Frame(QColor(10, 20, 30), tool == TOOL_ERASER ? 255 : 0);
        QImage image = blank;
        EXPECT_TRUE(DrawUtil::DrawFreehand(image, points.mid(0, 1), 0, tool).isEmpty());
        EXPECT_TRUE(DrawUtil::DrawFreehand(image, points, 4, tool).isEmpty());
        EXPECT_TRUE(DrawUtil::DrawFreehand(image, {}, 0, tool).isEmpty());
        EXPECT_EQ(image, blank);

        // Drawn as points arrive, the stroke matches one drawn at once.
        QImage whole = blank;
        DrawUtil::DrawFreehand(whole, points, -1, tool);
        int lastDrawn = 0;
        for (int count = 1; count <= points.size(); ++count) {
            DrawUtil::DrawFreehand(image, points.mid(0, count), lastDrawn, tool);
            lastDrawn = count - 1;
        }
        EXPECT_EQ(image, whole) << tool;
        EXPECT_NE(image, blank) << tool;
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
    // A click gives a dot about the tool's width.
    EXPECT_NEAR(OpaqueBounds(twenty).width(), 20, 2);
    EXPECT_NEAR(OpaqueBounds(nineteen).width(), 21, 2);

    // Size 1 is an antialiased line, not a stamp.
    QImage one = Frame();
    renderer.DrawFreehand(one, Points({{10, 10}, {20, 10}}, 1), 0, TOOL_BRUSH);
    EXPECT_EQ(OpaqueBounds(one), QRect(10, 10, 11, 1));
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
    DrawUtil::DrawFreehandSegmentBrush(ramp, 100, 500, 400, 500, 30, 0.1f, 1.0f, TOOL_BRUSH,
                                       true);
    EXPECT_LE(Alpha(ramp, 105, 500), 45);
    EXPECT_LT(Alpha(ramp, 150, 500), Alpha(ramp, 250, 500));
    EXPECT_LT(Alpha(ramp, 250, 500), Alpha(ramp, 350, 500));
    EXPECT_GE(Alpha(ramp, 395, 500), 200);
}

TEST(Freehand, TouchedRectangleHoldsEveryChange)
{
    const QList<StrokePoint> points = Points(
        {{-30, 40}, {60, 5}, {200, 300}, {1040, 310}, {1000, 1030}, {990, 1000}}, 24, 0.8f);
    for (ToolType tool : {TOOL_PENCIL, TOOL_BRUSH, TOOL_ERASER}) {
        const QImage before = Frame(QColor(10, 20, 30), tool == TOOL_ERASER ? 255 : 0);
        QImage image = before;
        const QRect touched = DrawUtil::DrawFreehand(image, points, 0, tool);
        const QRect changed = ChangedBounds(before, image);
        EXPECT_FALSE(changed.isEmpty()) << tool;
        EXPECT_TRUE(touched.contains(changed)) << tool;
        EXPECT_TRUE(QRect(0, 0, SIDE, SIDE).contains(touched)) << tool;
    }
}

TEST(Freehand, PointsAnywhereStayInsideTheImage)
{
    // Segments reaching far past the image draw exactly their visible part.
    for (ToolType tool : {TOOL_PENCIL, TOOL_BRUSH, TOOL_ERASER}) {
        const QImage blank = Frame(QColor(10, 20, 30), tool == TOOL_ERASER ? 255 : 0);
        QImage far = blank;
        QImage near = blank;
        const QList<StrokePoint> farPoints = Points({{-2000000000, 300}, {2000000000, 300}}, 12);
        DrawUtil::DrawFreehand(far, farPoints, 0, tool);
        DrawUtil::DrawFreehand(near, Points({{-100, 300}, {1200, 300}}, 12), 0, tool);
        EXPECT_EQ(far, near) << tool;
        EXPECT_NE(far, blank) << tool;
    }
    // Garbage of every kind finishes without touching memory outside.
    const QList<StrokePoint> garbage = {
        StrokePoint{6, 1.0f, 1.0f, QPoint(INT_MIN, INT_MIN)},
        StrokePoint{1000000, NAN, 1.0f, QPoint(INT_MAX, INT_MAX)},
        StrokePoint{INT_MAX, 5.0f, 1.0f, QPoint(512, 512)},
        StrokePoint{-7, -1.0f, 1.0f, QPoint(INT_MIN, 512)},
        StrokePoint{0, 1.0f, 1.0f, QPoint(600, 600)},
        StrokePoint{3, INFINITY, 1.0f, QPoint(1023, 0)},
    };
    for (ToolType tool : {TOOL_PENCIL, TOOL_BRUSH, TOOL_ERASER}) {
        QImage image = Frame();
        DrawUtil::DrawFreehand(image, garbage, 0, tool);
        QImage small(16, 16, QImage::Format_RGBA8888);
        small.fill(Qt::transparent);
        DrawUtil::DrawFreehand(small, Points({{0, 0}, {400, 400}}, 40), 0, tool);
        QImage null;
        DrawUtil::DrawFreehand(null, garbage, 0, tool);
        EXPECT_TRUE(null.isNull());
    }
}
