#include "raster/WuLine.h"

#include "RasterTestSupport.h"

#include <gtest/gtest.h>

using namespace rastertest;

TEST(WuLine, PartFunctionsFloorNegativeCoordinates)
{
    EXPECT_EQ(ipart_(2.7f), 2);
    EXPECT_EQ(ipart_(-0.5f), -1);
    EXPECT_EQ(round_(2.5f), 3);
    EXPECT_EQ(round_(-2.5f), -2);
    EXPECT_FLOAT_EQ(fpart_(-0.25f), 0.75f);
    EXPECT_FLOAT_EQ(rfpart_(3.25f), 0.75f);
}

TEST(WuLine, ZeroLengthRaisesOnlyTheStartPixel)
{
    QImage image = Frame();
    drawLineWu(image, 10, 10, 10, 10, 0.5f);
    EXPECT_EQ(Alpha(image, 10, 10), 127);
    EXPECT_EQ(OpaqueBounds(image), QRect(10, 10, 1, 1));
}

TEST(WuLine, ShallowLineHasHalfCoveredEndAndFullInterior)
{
    QImage image = Frame();
    const QRect touched = drawLineWu(image, 10, 20, 20, 20, 1.0f);
    for (int x = 10; x < 20; ++x)
        EXPECT_EQ(Alpha(image, x, 20), 255) << x;
    EXPECT_EQ(Alpha(image, 20, 20), 127);
    EXPECT_EQ(OpaqueBounds(image), QRect(10, 20, 11, 1));
    EXPECT_TRUE(touched.contains(OpaqueBounds(image)));
}

TEST(WuLine, FortyFiveDegreesIsNotSteepAndStaysOnTheDiagonal)
{
    QImage image = Frame();
    drawLineWu(image, 0, 0, 10, 10, 1.0f);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Alpha(image, i, i), 255) << i;
    EXPECT_EQ(Alpha(image, 10, 10), 127);
    EXPECT_EQ(OpaqueBounds(image), QRect(0, 0, 11, 11));
    EXPECT_EQ(Alpha(image, 1, 0), 0);
}

TEST(WuLine, SteepLineIsTheTransposeOfTheShallowOne)
{
    QImage steep = Frame();
    QImage shallow = Frame();
    drawLineWu(steep, 5, 3, 9, 40, 0.8f);
    drawLineWu(shallow, 3, 5, 40, 9, 0.8f);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(Alpha(steep, x, y), Alpha(shallow, y, x)) << x << "," << y;
    // Reversed end points draw the same interior.
    QImage reversed = Frame();
    drawLineWu(reversed, 9, 40, 5, 3, 0.8f);
    for (int y = 5; y < 38; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(Alpha(reversed, x, y), Alpha(steep, x, y)) << x << "," << y;
}

TEST(WuLine, OpacityScalesAndMaximumCombineKeepsStrongerAlpha)
{
    QImage image = Frame();
    SetAlpha(image, 12, 20, 200);
    SetAlpha(image, 14, 20, 50);
    drawLineWu(image, 10, 20, 20, 20, 0.5f);
    EXPECT_EQ(Alpha(image, 11, 20), 127);
    EXPECT_EQ(Alpha(image, 12, 20), 200);
    EXPECT_EQ(Alpha(image, 14, 20), 127);
    EXPECT_EQ(image.pixelColor(14, 20).red(), 10);
}

TEST(WuLine, PlotsClipAtTheImageEdges)
{
    QImage image = Frame();
    const QImage blank = image;
    for (QPoint p : {QPoint(-1, 5), QPoint(1024, 5), QPoint(5, -1), QPoint(5, 1024)})
        plot_(image, p.x(), p.y(), 1.0f);
    EXPECT_EQ(image, blank);
    plot_(image, 0, 0, 1.0f);
    plot_(image, 1023, 1023, 0.5f);
    EXPECT_EQ(Alpha(image, 0, 0), 255);
    EXPECT_EQ(Alpha(image, 1023, 1023), 127);
}

TEST(WuLine, LinesFarOutsideTheImageDrawOnlyTheirVisiblePart)
{
    QImage image = Frame();
    const QRect touched = drawLineWu(image, -1e9f, 500, 1e9f, 500, 1.0f);
    for (int x = 0; x < SIDE; ++x)
        ASSERT_EQ(Alpha(image, x, 500), 255) << x;
    EXPECT_EQ(OpaqueBounds(image), QRect(0, 500, SIDE, 1));
    EXPECT_EQ(touched, QRect(0, 500, SIDE, 1));

    QImage outside = Frame();
    EXPECT_TRUE(drawLineWu(outside, -5000, -10, 5000, -3000, 1.0f).isEmpty());
    EXPECT_TRUE(drawLineWu(outside, NAN, 0, 10, 10, 1.0f).isEmpty());
    EXPECT_EQ(MaxAlpha(outside), 0);
}

TEST(WuLine, UnsupportedImagesAreLeftAlone)
{
    QImage small(4, 4, QImage::Format_RGBA8888);
    small.fill(Qt::transparent);
    drawLineWu(small, 0, 0, 100, 100, 1.0f);  // past the end of a small image
    EXPECT_EQ(Alpha(small, 3, 3), 255);
    QImage rgb(8, 8, QImage::Format_RGB32);
    rgb.fill(Qt::black);
    const QImage before = rgb;
    EXPECT_TRUE(drawLineWu(rgb, 0, 0, 7, 7, 1.0f).isEmpty());
    EXPECT_EQ(rgb, before);
    QImage null;
    EXPECT_TRUE(drawLineWu(null, 0, 0, 7, 7, 1.0f).isEmpty());
}
