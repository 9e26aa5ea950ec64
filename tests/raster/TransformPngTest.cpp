#include "model/PngCodec.h"
#include "raster/DrawUtil.h"

#include "RasterTestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace rastertest;

namespace {

const QRgb RED = qRgb(255, 0, 0);
const QRgb BLUE = qRgb(0, 0, 255);

// A source whose left half is red and right half blue.
QImage Halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGBA8888);
    image.fill(QColor(RED));
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x)
            image.setPixel(x, y, BLUE);
    return image;
}

QImage Transformed(QRect region, QPoint offset, float rotation, double scaleX, double scaleY,
                   bool paste = false, const QImage& source = Halves(10, 10))
{
    Stroke stroke;
    stroke.tool = TOOL_TRANSFORM;
    stroke.region = region;
    stroke.offset = offset;
    stroke.rotation = rotation;
    stroke.scaleX = scaleX;
    stroke.scaleY = scaleY;
    stroke.paste = paste;
    QImage image = Frame();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawUtil::DrawTransform(painter, stroke, source);
    return image;
}

} // namespace

TEST(Transform, PasteIgnoresRotationAndScaleAndAFlipMirrorsInPlace)
{
    const QImage pasted = Transformed(QRect(100, 100, 10, 10), {5, 7}, 45.0f, 2.0, -3.0, true);
    EXPECT_EQ(ChangedBounds(pasted), QRect(105, 107, 10, 10));
    EXPECT_EQ(pasted.pixel(105, 107), RED);
    EXPECT_EQ(pasted.pixel(114, 116), BLUE);

    const QImage flipped = Transformed(QRect(100, 100, 10, 10), {0, 0}, 0.0f, -1.0, 1.0);
    EXPECT_EQ(ChangedBounds(flipped), QRect(100, 100, 10, 10));
    EXPECT_EQ(flipped.pixel(101, 105), BLUE);
    EXPECT_EQ(flipped.pixel(108, 105), RED);
}

TEST(Transform, RotatedAndScaledResultIsCentredOnTheMovedRegion)
{
    // 20 x 10 scaled to 40 x 10, then turned a quarter clockwise to 10 x 40.
    const QImage image =
        Transformed(QRect(200, 200, 40, 40), {10, -5}, 90.0f, 2.0, 1.0, false, Halves(20, 10));
    const QRect bounds = ChangedBounds(image);
    EXPECT_NEAR(bounds.width(), 10, 1);
    EXPECT_NEAR(bounds.height(), 40, 1);
    EXPECT_NEAR(bounds.left() + bounds.width() / 2.0, 230, 1.5);
    EXPECT_NEAR(bounds.top() + bounds.height() / 2.0, 215, 1.5);
    EXPECT_EQ(image.pixel(230, bounds.top() + 5), RED);  // the left half is now on top
    EXPECT_EQ(image.pixel(230, bounds.bottom() - 5), BLUE);
}

TEST(Transform, BadMatricesDrawNothingAndHugeOnesStayBounded)
{
    for (double scale : {double(NAN), double(INFINITY), 0.0})
        EXPECT_EQ(MaxAlpha(Transformed(QRect(100, 100, 10, 10), {}, 0.0f, 1.0, scale)), 0);
    // Far too large to transform into an image of its own: covers the frame.
    const QImage huge = Transformed(QRect(500, 500, 10, 10), {}, 10.0f, 1e5, 1e5);
    EXPECT_EQ(Alpha(huge, 0, 0), 255);
    EXPECT_EQ(Alpha(huge, 1023, 1023), 255);
}

TEST(Png, RoundTripGivesIdenticalPixels)
{
    QImage image = Frame();
    for (int y = 0; y < SIDE; y += 3)
        for (int x = 0; x < SIDE; x += 7)
            image.setPixelColor(x, y, QColor(x % 256, y % 256, (x * y) % 256, (x + y) % 256));
    QByteArray bytes;
    ASSERT_TRUE(PngCodec::Pack(image, bytes));
    QImage decoded;
    ASSERT_TRUE(PngCodec::Unpack(bytes, decoded));
    EXPECT_EQ(decoded.format(), QImage::Format_RGBA8888);
    EXPECT_EQ(decoded, image);
}

TEST(Png, FailuresLeaveTheTargetAsItWas)
{
    QByteArray bytes("stale");
    EXPECT_FALSE(PngCodec::Pack(QImage(), bytes));
    EXPECT_TRUE(bytes.isEmpty());

    ASSERT_TRUE(PngCodec::Pack(Frame(QColor(1, 2, 3), 200), bytes));
    for (const QByteArray& bad : {QByteArray(), QByteArray("not a png"), bytes.left(500)}) {
        QImage kept = Frame(QColor(4, 5, 6), 7);
        EXPECT_FALSE(PngCodec::Unpack(bad, kept));
        EXPECT_EQ(kept, Frame(QColor(4, 5, 6), 7));
        QImage null;
        EXPECT_FALSE(PngCodec::Unpack(bad, null));
        EXPECT_TRUE(null.isNull());
    }
}
