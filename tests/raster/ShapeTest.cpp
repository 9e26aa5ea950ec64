#include "raster/DrawUtil.h"

#include "RasterTestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace rastertest;

namespace {

Stroke Shape(ToolType tool, QList<StrokePoint> points, QColor color = QColor(255, 0, 0))
{
    Stroke stroke;
    stroke.tool = tool;
    stroke.color = color;
    stroke.points = points;
    return stroke;
}

QImage Drawn(const Stroke& stroke, bool preview = true)
{
    QImage image = Frame(QColor(9, 9, 9), 255);
    DrawUtil::DrawStroke(image, stroke, preview);
    return image;
}

} // namespace

TEST(Shapes, NewStrokeStartsEmpty)
{
    const Stroke stroke;
    EXPECT_EQ(stroke.tool, TOOL_PENCIL);
    EXPECT_EQ(stroke.color, QColor(255, 255, 255, 255));
    EXPECT_TRUE(stroke.points.isEmpty());
    EXPECT_EQ(stroke.region, QRect(QPoint(0, 0), QPoint(-1, -1)));
    EXPECT_EQ(stroke.scaleX, 1.0);
    EXPECT_EQ(stroke.scaleY, 1.0);
    EXPECT_FALSE(stroke.captureRegion || stroke.cut || stroke.copy || stroke.paste
                 || stroke.updated);
}

TEST(Shapes, FewerThanTwoPointsOrAFreehandToolLeaveTheImageClear)
{
    for (ToolType tool : {TOOL_LINE, TOOL_ARROW, TOOL_ELLIPSE, TOOL_RECTANGLE, TOOL_PENCIL,
                          TOOL_TRANSFORM}) {
        EXPECT_EQ(MaxAlpha(Drawn(Shape(tool, {Point(100, 100, 6)}))), 0) << tool;
        EXPECT_EQ(MaxAlpha(Drawn(Shape(tool, {}))), 0) << tool;
    }
    EXPECT_EQ(MaxAlpha(Drawn(Shape(TOOL_PENCIL, {Point(1, 1), Point(50, 50)}))), 0);
    QImage null;
    DrawUtil::DrawStroke(null, Shape(TOOL_LINE, {Point(1, 1), Point(50, 50)}), true);
    EXPECT_TRUE(null.isNull());
}

TEST(Shapes, LineUsesTheFirstPointsPenWithRoundCaps)
{
    const QImage image = Drawn(Shape(TOOL_LINE, {Point(100, 100, 6), Point(300, 100, 2),
                                                 Point(500, 500, 2)}));
    EXPECT_EQ(Alpha(image, 200, 100), 255);
    EXPECT_EQ(image.pixelColor(200, 100).rgb(), QColor(255, 0, 0).rgb());
    EXPECT_EQ(Alpha(image, 200, 102), 255);  // 6 wide, not 2
    EXPECT_EQ(Alpha(image, 200, 104), 0);
    EXPECT_GT(Alpha(image, 98, 100), 0);     // the cap passes the end point
    EXPECT_LT(Alpha(image, 97, 97), 128);    // round, not square
    EXPECT_EQ(OpaqueBounds(image).bottom(), 102);  // the third point is ignored

    const QImage faint = Drawn(Shape(TOOL_LINE, {Point(100, 100, 6, 0.5f), Point(300, 100)}));
    EXPECT_NEAR(Alpha(faint, 200, 100), 127, 1);
}

TEST(Shapes, ArrowHeadsAreAFifthOfTheShaftUpToFortyPixels)
{
    const float angle = 0.6283185f;
    EXPECT_EQ(DrawUtil::GetArrowHeadPoint({0, 0}, {100, 0}, angle), QPoint(83, -11));
    EXPECT_EQ(DrawUtil::GetArrowHeadPoint({0, 0}, {100, 0}, -angle), QPoint(83, 11));
    EXPECT_EQ(DrawUtil::GetArrowHeadPoint({0, 0}, {300, 0}, angle), QPoint(267, -23));
    EXPECT_EQ(DrawUtil::GetArrowHeadPoint({0, 0}, {0, 300}, -angle), QPoint(-23, 267));
    EXPECT_EQ(DrawUtil::GetArrowHeadPoint({7, 7}, {7, 7}, angle), QPoint(7, 7));

    const QImage image = Drawn(Shape(TOOL_ARROW, {Point(100, 500, 4), Point(400, 500, 4)}));
    EXPECT_EQ(Alpha(image, 250, 500), 255);
    EXPECT_GT(Alpha(image, 368, 477), 0);  // along the upper head stroke
    EXPECT_GT(Alpha(image, 368, 523), 0);
    EXPECT_EQ(Alpha(image, 368, 490), 0);
}

TEST(Shapes, EllipseAndRectangleAreOutlinesOfThePointsRectangle)
{
    const QList<StrokePoint> corners = {Point(100, 100, 4), Point(300, 200, 4)};
    const QImage ellipse = Drawn(Shape(TOOL_ELLIPSE, corners));
    EXPECT_EQ(Alpha(ellipse, 200, 150), 0);
    EXPECT_GT(Alpha(ellipse, 100, 150), 0);
    EXPECT_GT(Alpha(ellipse, 200, 100), 0);
    EXPECT_EQ(Alpha(ellipse, 102, 102), 0);
    EXPECT_NEAR(OpaqueBounds(ellipse).center().x(), 200, 1);

    const QImage rectangle = Drawn(Shape(TOOL_RECTANGLE, corners));
    EXPECT_EQ(Alpha(rectangle, 200, 150), 0);
    EXPECT_GT(Alpha(rectangle, 100, 150), 0);
    EXPECT_GT(Alpha(rectangle, 101, 101), 0);
    EXPECT_GT(Alpha(rectangle, 300, 200), 0);

    // Corners given the other way round draw the same outline.
    const QImage reversed = Drawn(Shape(TOOL_RECTANGLE, {Point(301, 201, 4), Point(99, 99, 4)}));
    EXPECT_GT(Alpha(reversed, 100, 150), 0);
    EXPECT_EQ(Alpha(reversed, 200, 150), 0);
}

TEST(Shapes, TextPreviewAddsAFrameEvenForEmptyText)
{
    const ScopedGuiApplication app;
    Stroke stroke = Shape(TOOL_TEXT, {Point(100, 100, 20)});
    stroke.text = QStringLiteral("Hi");
    const QRect text = OpaqueBounds(Drawn(stroke, false));
    const QRect framed = OpaqueBounds(Drawn(stroke, true));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GE(text.left(), 100);
    EXPECT_GE(text.top(), 100);
    // The frame lies 4 pixels left of the laid-out text, 2 above.
    EXPECT_NEAR(framed.left(), 100 - 4 - 1, 1);
    EXPECT_NEAR(framed.top(), 100 - 2 - 1, 1);
    EXPECT_GT(framed.right(), text.right() + 3);
    EXPECT_GT(framed.bottom(), text.bottom() + 3);

    stroke.text.clear();
    EXPECT_EQ(MaxAlpha(Drawn(stroke, false)), 0);
    const QRect empty = OpaqueBounds(Drawn(stroke, true));
    EXPECT_NEAR(empty.left(), 95, 1);
    EXPECT_GT(empty.height(), 20);
    EXPECT_GT(empty.width(), 8);

    // A bad point size still draws.
    stroke.text = QStringLiteral("x");
    stroke.points[0].width = -5;
    EXPECT_GT(MaxAlpha(Drawn(stroke, false)), 0);
}
