#include "model/PngCodec.h"
#include "raster/DrawUtil.h"

#include "RasterTestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace rastertest;

// Whole strokes compared with stored images, to catch regressions in how the
// primitives combine. Run with NB_UPDATE_GOLDEN=1 to rewrite the images after
// an intended change, and look at them before committing.

namespace {

void ExpectGolden(const QImage& actual, const char* name)
{
    const QString path = QStringLiteral(NB_TEST_DATA_DIR "/raster/") + name;
    if (qEnvironmentVariableIsSet("NB_UPDATE_GOLDEN")) {
        ASSERT_TRUE(actual.save(path, "PNG"));
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QImage expected;
    ASSERT_TRUE(PngCodec::Unpack(file.readAll(), expected));
    EXPECT_EQ(ChangedBounds(actual, expected), QRect()) << name;
}

// A wavy stroke across the frame, with width and opacity changing along it as
// pen pressure would.
QList<StrokePoint> Wave(int top, const QList<int>& widths)
{
    QList<StrokePoint> points;
    for (int i = 0; i <= 60; ++i) {
        const float pressure = 0.35f + 0.65f * float(std::fabs(std::cos(i * 0.2)));
        points.append(Point(20 + i * 16, top + int(40 * std::sin(i * 0.35)),
                            widths.at(i * widths.size() / 61), pressure));
    }
    return points;
}

} // namespace

TEST(Golden, FreehandPencilBrushAndEraser)
{
    QImage image = Frame(QColor(0, 128, 255));
    DrawUtil::DrawFreehand(image, Wave(120, {1, 6, 20, 40}), 0, TOOL_PENCIL);
    DrawUtil::DrawFreehand(image, Wave(400, {1, 6, 19, 20, 40}), 0, TOOL_BRUSH);
    DrawUtil::DrawFreehand(image, Wave(700, {3, 12, 30, 100}), 0, TOOL_BRUSH);
    QList<StrokePoint> eraser;
    for (int i = 0; i <= 10; ++i)
        eraser.append(Point(100 + i * 80, 60 + i * 90, i < 5 ? 30 : 1));
    DrawUtil::DrawFreehand(image, eraser, 0, TOOL_ERASER);
    ExpectGolden(image, "freehand.png");
}
