#include "raster/DrawUtil.h"

#include "RasterTestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace rastertest;

namespace {

// A source whose left half is red and right half blue.
QImage Halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGBA8888);
    image.fill(QColor(255, 0, 0));
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x)
            image.setPixelColor(x, y, QColor(0, 0, 255));
    return image;
}

QImage Transformed(const Stroke& stroke, const QImage& source)
{
    QImage image = Frame();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawUtil::DrawTransform(painter, stroke, source);
    painter.end();
    return image;
}

Stroke Move(QRect region, QPoint offset)
{
    Stroke stroke;
    stroke.tool = TOOL_TRANSFORM;
    stroke.region = region;
    stroke.offset = offset;
    return stroke;
}

} // namespace

TEST(Transform, PasteIgnoresRotationAndScale)
{
    Stroke stroke = Move(QRect(100, 100, 10, 10), QPoint(5, 7));
    stroke.paste = true;
    stroke.rotation = 45.0f;
    stroke.scaleX = 2.0;
    stroke.scaleY = -3.0;
    const QImage image = Transformed(stroke, Halves(10, 10));
    EXPECT_EQ(OpaqueBounds(image), QRect(105, 107, 10, 10));
    EXPECT_EQ(image.pixelColor(105, 107).rgb(), QColor(255, 0, 0).rgb());
    EXPECT_EQ(image.pixelColor(114, 116).rgb(), QColor(0, 0, 255).rgb());
}

TEST(Transform, NegativeScaleMirrorsInPlace)
{
    Stroke stroke = Move(QRect(100, 100, 10, 10), QPoint(0, 0));
    stroke.scaleX = -1.0;
    const QImage image = Transformed(stroke, Halves(10, 10));
    EXPECT_EQ(OpaqueBounds(image), QRect(100, 100, 10, 10));
    EXPECT_EQ(image.pixelColor(101, 105).rgb(), QColor(0, 0, 255).rgb());
    EXPECT_EQ(image.pixelColor(108, 105).rgb(), QColor(255, 0, 0).rgb());
}

TEST(Transform, RotatedAndScaledResultIsCentredOnTheMovedRegion)
{
    Stroke stroke = Move(QRect(200, 200, 40, 40), QPoint(10, -5));
    stroke.rotation = 90.0f;
    stroke.scaleX = 2.0;
    const QImage image = Transformed(stroke, Halves(20, 10));
    const QRect bounds = OpaqueBounds(image);
    // 40 x 10 after scaling, 10 x 40 after turning.
    EXPECT_NEAR(bounds.width(), 10, 1);
    EXPECT_NEAR(bounds.height(), 40, 1);
    EXPECT_NEAR(bounds.left() + bounds.width() / 2.0, 230, 1.5);
    EXPECT_NEAR(bounds.top() + bounds.height() / 2.0, 215, 1.5);
    // A quarter turn clockwise takes the left (red) half to the top.
    EXPECT_EQ(image.pixelColor(230, bounds.top() + 5).rgb(), QColor(255, 0, 0).rgb());
    EXPECT_EQ(image.pixelColor(230, bounds.bottom() - 5).rgb(), QColor(0, 0, 255).rgb());
}

TEST(Transform, BadMatricesDrawNothingOrStayBounded)
{
    for (double scale : {double(NAN), double(INFINITY), 0.0}) {
        Stroke stroke = Move(QRect(100, 100, 10, 10), QPoint(0, 0));
        stroke.scaleY = scale;
        EXPECT_EQ(MaxAlpha(Transformed(stroke, Halves(10, 10))), 0) << scale;
    }
    // Far too large to transform into an image: still covers the frame.
    Stroke huge = Move(QRect(500, 500, 10, 10), QPoint(0, 0));
    huge.scaleX = huge.scaleY = 100000.0;
    huge.rotation = 10.0f;
    const QImage image = Transformed(huge, Halves(10, 10));
    EXPECT_EQ(Alpha(image, 0, 0), 255);
    EXPECT_EQ(Alpha(image, 1023, 1023), 255);
    EXPECT_EQ(MaxAlpha(Transformed(Move(QRect(0, 0, 5, 5), {}), QImage())), 0);
}

TEST(Png, RoundTripGivesIdenticalPixels)
{
    QImage image = Frame();
    for (int y = 0; y < SIDE; y += 3)
        for (int x = 0; x < SIDE; x += 7)
            image.setPixelColor(x, y, QColor(x % 256, y % 256, (x * y) % 256, (x + y) % 256));
    QByteArray bytes;
    ASSERT_TRUE(DrawUtil::PackPngBuffer(image, bytes));
    EXPECT_TRUE(bytes.startsWith("\x89PNG"));
    QImage decoded;
    ASSERT_TRUE(DrawUtil::UnpackPngBuffer(bytes, decoded));
    EXPECT_EQ(decoded.format(), QImage::Format_RGBA8888);
    EXPECT_EQ(decoded, image);

    // Opaque images come back with alpha 255 in the same format.
    QImage rgb(8, 8, QImage::Format_RGB32);
    rgb.fill(QColor(1, 2, 3));
    ASSERT_TRUE(DrawUtil::PackPngBuffer(rgb, bytes));
    ASSERT_TRUE(DrawUtil::UnpackPngBuffer(bytes, decoded));
    EXPECT_EQ(decoded.format(), QImage::Format_RGBA8888);
    EXPECT_EQ(decoded.pixelColor(3, 3), QColor(1, 2, 3, 255));
}

TEST(Png, FailuresLeaveTheTargetAsItWas)
{
    QByteArray bytes("stale");
    EXPECT_FALSE(DrawUtil::PackPngBuffer(QImage(), bytes));
    EXPECT_TRUE(bytes.isEmpty());

    QImage valid = Frame(QColor(1, 2, 3), 200);
    ASSERT_TRUE(DrawUtil::PackPngBuffer(valid, bytes));
    const QByteArray truncated = bytes.left(bytes.size() / 2);
    for (const QByteArray& bad : {QByteArray(), QByteArray("not a png"), truncated}) {
        QImage kept = Frame(QColor(4, 5, 6), 7);
        const QImage before = kept;
        EXPECT_FALSE(DrawUtil::UnpackPngBuffer(bad, kept));
        EXPECT_EQ(kept, before);
        QImage null;
        EXPECT_FALSE(DrawUtil::UnpackPngBuffer(bad, null));
        EXPECT_TRUE(null.isNull());
    }
}
