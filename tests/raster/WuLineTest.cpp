#include "raster/WuLine.h"

#include "RasterTestSupport.h"

#include <gtest/gtest.h>

using namespace rastertest;

TEST(WuLine, EndsAreHalfCoveredInteriorFullAndZeroLengthOnlyTheStart)
{
    QImage image = Frame();
    drawLineWu(image, 10, 20, 20, 20, 1.0f);  // shallow
    drawLineWu(image, 0, 0, 10, 10, 1.0f);    // 45 degrees is not steep
    drawLineWu(image, 50, 50, 50, 50, 0.5f);  // zero length
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Alpha(image, 10 + i, 20), 255) << i;
        EXPECT_EQ(Alpha(image, i, i), 255) << i;
    }
    EXPECT_EQ(Alpha(image, 20, 20), 127);
    EXPECT_EQ(Alpha(image, 10, 10), 127);
    EXPECT_EQ(Alpha(image, 1, 0), 0);
    EXPECT_EQ(Alpha(image, 50, 50), 127);
    EXPECT_EQ(ChangedBounds(image), QRect(0, 0, 51, 51));
    EXPECT_EQ(Alpha(image, 51, 50) + Alpha(image, 49, 50) + Alpha(image, 50, 51), 0);

    // Coverage scales by the opacity; a stronger alpha stays.
    SetAlpha(image, 12, 30, 200);
    drawLineWu(image, 10, 30, 20, 30, 0.5f);
    EXPECT_EQ(Alpha(image, 11, 30), 127);
    EXPECT_EQ(Alpha(image, 12, 30), 200);
    EXPECT_EQ(image.pixelColor(11, 30).red(), 10);
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
}

TEST(WuLine, ClipsAtTheEdgesAndWalksOnlyTheVisiblePartOfFarLines)
{
    QImage image = Frame();
    for (QPoint p : {QPoint(-1, 5), QPoint(1024, 5), QPoint(5, -1), QPoint(5, 1024)})
        plot_(image, p.x(), p.y(), 1.0f);
    EXPECT_EQ(MaxAlpha(image), 0);
    plot_(image, 0, 0, 1.0f);
    plot_(image, 1023, 1023, 0.5f);
    EXPECT_EQ(Alpha(image, 0, 0), 255);
    EXPECT_EQ(Alpha(image, 1023, 1023), 127);

    QImage far = Frame();
    EXPECT_EQ(drawLineWu(far, -1e9f, 500, 1e9f, 500, 1.0f), QRect(0, 500, SIDE, 1));
    EXPECT_EQ(ChangedBounds(far), QRect(0, 500, SIDE, 1));
    for (int x = 0; x < SIDE; ++x)
        ASSERT_EQ(Alpha(far, x, 500), 255) << x;
    EXPECT_TRUE(drawLineWu(far, -5000, -10, 5000, -3000, 1.0f).isEmpty());
    EXPECT_TRUE(drawLineWu(far, NAN, 0, 10, 10, 1.0f).isEmpty());
}
