#include "raster/DrawUtil.h"

#include "RasterTestSupport.h"

#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace rastertest;

// Whole strokes compared with stored images, to catch regressions in how the
// primitives combine. Run with NB_UPDATE_GOLDEN=1 to rewrite the images after
// an intended change, and inspect them before committing.

namespace {

QString GoldenPath(const char* name)
{
    return QStringLiteral(NB_TEST_DATA_DIR "/raster/") + name;
}

void ExpectGolden(const QImage& actual, const char* name)
{
    const QString path = GoldenPath(name);
    if (qEnvironmentVariableIsSet("NB_UPDATE_GOLDEN")) {
        ASSERT_TRUE(actual.save(path, "PNG"));
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QImage expected;
    ASSERT_TRUE(DrawUtil::UnpackPngBuffer(file.readAll(), expected));
    ASSERT_EQ(expected.size(), actual.size());
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            differing += expected.pixel(x, y) != actual.pixel(x, y);
    EXPECT_EQ(differing, 0) << name;
}

// A wavy stroke across a band of the frame, with width and opacity changing
// along it as pen pressure would.
QList<StrokePoint> Wave(int top, const QList<int>& widths)
{
    QList<StrokePoint> points;
    for (int i = 0; i <= 60; ++i) {
        const int x = 20 + i * 16;
        const int y = top + int(40 * std::sin(i * 0.35));
        const float pressure = 0.35f + 0.65f * float(std::fabs(std::cos(i * 0.2)));
        points.append(Point(x, y, widths.at(i * widths.size() / 61), pressure));
    }
    return points;
}

} // namespace

TEST(Golden, FreehandPencilBrushAndEraser)
{
    QImage image = Frame(QColor(0, 128, 255));
    DrawUtil::DrawFreehand(image, Wave(120, {1, 6, 20, 40}), 0, TOOL_PENCIL);
    DrawUtil::DrawFreehand(image, Wave(400, {1, 6, 19, 20, 40}), 0, TOOL_BRUSH);
    // A brush drawn as points arrive, a few at a time.
    const QList<StrokePoint> live = Wave(700, {3, 12, 30, 100});
    for (int count = 2, last = 0; count <= live.size(); count += 3) {
        DrawUtil::DrawFreehand(image, live.mid(0, count), last, TOOL_BRUSH);
        last = count - 1;
    }
    QList<StrokePoint> eraser;
    for (int i = 0; i <= 10; ++i)
        eraser.append(Point(100 + i * 80, 60 + i * 90, i < 5 ? 30 : 1, 1.0f));
    DrawUtil::DrawFreehand(image, eraser, 0, TOOL_ERASER);
    ExpectGolden(image, "freehand.png");
}

TEST(Golden, Shapes)
{
    QImage image = Frame(QColor(0, 0, 0));
    QPainter painter(&image);
    const struct { ToolType tool; QPoint from; QPoint to; int width; float opacity; } shapes[] = {
        {TOOL_LINE, {50, 50}, {400, 180}, 6, 1.0f},
        {TOOL_ARROW, {500, 300}, {900, 100}, 12, 0.7f},
        {TOOL_ARROW, {100, 600}, {180, 560}, 3, 1.0f},
        {TOOL_ELLIPSE, {600, 500}, {950, 800}, 9, 0.5f},
        {TOOL_RECTANGLE, {80, 700}, {400, 1000}, 20, 1.0f},
    };
    for (const auto& shape : shapes) {
        Stroke stroke;
        stroke.tool = shape.tool;
        stroke.color = QColor(255, 200, 0);
        stroke.points = {Point(shape.from.x(), shape.from.y(), shape.width, shape.opacity),
                         Point(shape.to.x(), shape.to.y(), 1, 1.0f)};
        QImage layer = Frame();
        DrawUtil::DrawStroke(layer, stroke, true);
        painter.drawImage(0, 0, layer);
    }
    painter.end();
    ExpectGolden(image, "shapes.png");
}
