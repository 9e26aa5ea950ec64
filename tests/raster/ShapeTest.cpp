#include "raster/DrawUtil.h"

#include "RasterTestSupport.h"

#include <gtest/gtest.h>

using namespace rastertest;

namespace {

QImage Drawn(ToolType tool, const QList<StrokePoint>& points, bool preview = true,
             const QString& text = QString())
{
    Stroke stroke;
    stroke.tool = tool;
    stroke.color = QColor(255, 0, 0);
    stroke.points = points;
    stroke.text = text;
    QImage image = Frame(QColor(9, 9, 9), 255);  // cleared by the redraw
    DrawUtil::DrawStroke(image, stroke, preview);
    return image;
}

} // namespace

TEST(Shapes, OutlinesUseTheFirstTwoPointsAndTheFirstPointsPen)
{
    for (ToolType tool : {TOOL_LINE, TOOL_ARROW, TOOL_ELLIPSE, TOOL_RECTANGLE})
        EXPECT_EQ(MaxAlpha(Drawn(tool, {Point(100, 100)})), 0) << tool;
    EXPECT_EQ(MaxAlpha(Drawn(TOOL_PENCIL, {Point(1, 1), Point(50, 50)})), 0);

    const QImage line =
        Drawn(TOOL_LINE, {Point(100, 100, 6, 0.5f), Point(300, 100, 2), Point(500, 500, 2)});
    EXPECT_NEAR(Alpha(line, 200, 102), 127, 1);  // 6 wide, not 2
    EXPECT_EQ(line.pixelColor(200, 100).rgb(), QColor(255, 0, 0).rgb());
    EXPECT_GT(Alpha(line, 98, 100), 0);           // the cap passes the end point,
    EXPECT_LT(Alpha(line, 97, 97), 64);           // round, not square
    EXPECT_EQ(ChangedBounds(line).bottom(), 102);  // the third point is ignored

    const QList<StrokePoint> corners = {Point(100, 100, 4), Point(300, 200, 4)};
    const QImage ellipse = Drawn(TOOL_ELLIPSE, corners);
    const QImage rectangle = Drawn(TOOL_RECTANGLE, corners);
    for (QPoint edge : {QPoint(100, 150), QPoint(200, 100), QPoint(300, 150)}) {
        EXPECT_GT(Alpha(ellipse, edge.x(), edge.y()), 0);
        EXPECT_GT(Alpha(rectangle, edge.x(), edge.y()), 0);
    }
    EXPECT_EQ(Alpha(ellipse, 200, 150) + Alpha(rectangle, 200, 150), 0);  // not filled
    EXPECT_EQ(Alpha(ellipse, 102, 102), 0);
    EXPECT_GT(Alpha(rectangle, 101, 101), 0);
}

TEST(Shapes, ArrowHeadsAreAFifthOfTheShaftUpToFortyPixels)
{
    const float angle = 0.6283185f;
    EXPECT_EQ(DrawUtil::GetArrowHeadPoint({0, 0}, {100, 0}, angle), QPoint(83, -11));
    EXPECT_EQ(DrawUtil::GetArrowHeadPoint({0, 0}, {100, 0}, -angle), QPoint(83, 11));
    EXPECT_EQ(DrawUtil::GetArrowHeadPoint({0, 0}, {300, 0}, angle), QPoint(267, -23));
    EXPECT_EQ(DrawUtil::GetArrowHeadPoint({0, 0}, {0, 300}, -angle), QPoint(-23, 267));
    EXPECT_EQ(DrawUtil::GetArrowHeadPoint({7, 7}, {7, 7}, angle), QPoint(7, 7));

    const QImage image = Drawn(TOOL_ARROW, {Point(100, 500, 4), Point(400, 500, 4)});
    EXPECT_GT(Alpha(image, 368, 477), 0);  // along both head strokes
    EXPECT_GT(Alpha(image, 368, 523), 0);
    EXPECT_EQ(Alpha(image, 368, 490), 0);
}

TEST(Shapes, TextPreviewAddsAFrameEvenForEmptyText)
{
    const ScopedGuiApplication app;
    const QList<StrokePoint> at = {Point(100, 100, 20)};
    const QRect text = ChangedBounds(Drawn(TOOL_TEXT, at, false, "Hi"));
    const QRect framed = ChangedBounds(Drawn(TOOL_TEXT, at, true, "Hi"));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GE(text.left(), 100);
    EXPECT_GE(text.top(), 100);
    // The frame lies 4 pixels left of the laid-out text and 2 above it.
    EXPECT_NEAR(framed.left(), 100 - 4 - 1, 1);
    EXPECT_NEAR(framed.top(), 100 - 2 - 1, 1);
    EXPECT_GT(framed.right(), text.right() + 3);
    EXPECT_GT(framed.bottom(), text.bottom() + 3);

    EXPECT_EQ(MaxAlpha(Drawn(TOOL_TEXT, at, false)), 0);
    const QRect empty = ChangedBounds(Drawn(TOOL_TEXT, at, true));
    EXPECT_NEAR(empty.left(), 95, 1);
    EXPECT_GT(empty.height(), 20);
    // A bad point size still draws.
    EXPECT_GT(MaxAlpha(Drawn(TOOL_TEXT, {Point(100, 100, -5)}, false, "x")), 0);
}
