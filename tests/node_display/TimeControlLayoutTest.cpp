// Where the timeline overlay puts its ticks on the time slider.
#include "ui/TimeControlOverlay.h"

#include <gtest/gtest.h>

TEST(TimeControlLayout, TicksFollowTheRangeAndTheCacheBar)
{
    TimeControlOverlay::TickLayout plain;
    ASSERT_TRUE(TimeControlOverlay::Layout(1.0f, 100.0f, 1000, 30, false, plain));
    EXPECT_EQ(plain.height, 9);
    EXPECT_EQ(plain.top, 23);
    EXPECT_EQ(plain.width, 9);
    EXPECT_EQ(plain.X(1), 5);
    EXPECT_EQ(plain.X(11), 104);
    // Times outside the range fall off the slider by the same formula.
    EXPECT_LT(plain.X(-20), 0);
    EXPECT_GT(plain.X(120), 1000);

    // Above the host's cache bar the ticks sit higher and are shorter.
    TimeControlOverlay::TickLayout cached;
    ASSERT_TRUE(TimeControlOverlay::Layout(1.0f, 100.0f, 1000, 30, true, cached));
    EXPECT_EQ(cached.height, 6);
    EXPECT_EQ(cached.top, 19);

    TimeControlOverlay::TickLayout single;
    ASSERT_TRUE(TimeControlOverlay::Layout(10.0f, 10.0f, 1000, 30, false, single));
    EXPECT_EQ(single.width, 990);
    EXPECT_FALSE(TimeControlOverlay::Layout(10.0f, 9.0f, 1000, 30, false, single));
}
