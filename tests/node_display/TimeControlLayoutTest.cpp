// Where the timeline overlay puts its ticks on the time slider.
#include "ui/TimeControlOverlay.h"

#include <gtest/gtest.h>

namespace {

using Layout = TimeControlOverlay::TickLayout;

TEST(TimeControlLayout, TicksSitHigherAndShorterAboveTheCacheBar)
{
    Layout plain;
    ASSERT_TRUE(TimeControlOverlay::Layout(1.0f, 100.0f, 1000, 30, false, plain));
    EXPECT_EQ(plain.height, 9);
    EXPECT_EQ(plain.top, 23);
    Layout cached;
    ASSERT_TRUE(TimeControlOverlay::Layout(1.0f, 100.0f, 1000, 30, true, cached));
    EXPECT_EQ(cached.height, 6);
    EXPECT_EQ(cached.top, 19);
    EXPECT_LT(cached.top + cached.height, plain.top + plain.height);
}

TEST(TimeControlLayout, FramesSpreadOverTheSliderAndOutsideTimesFallOffIt)
{
    Layout layout;
    ASSERT_TRUE(TimeControlOverlay::Layout(1.0f, 100.0f, 1000, 30, false, layout));
    EXPECT_EQ(layout.width, 9);
    EXPECT_EQ(layout.X(1), 5);
    EXPECT_EQ(layout.X(11), 104);
    EXPECT_LT(layout.X(0) + layout.width, 10);
    EXPECT_LT(layout.X(-20), 0);
    EXPECT_GT(layout.X(120), 1000);
}

TEST(TimeControlLayout, SingleFrameRangePaintsAndReversedRangeDoesNot)
{
    Layout layout;
    ASSERT_TRUE(TimeControlOverlay::Layout(10.0f, 10.0f, 1000, 30, false, layout));
    EXPECT_EQ(layout.width, 990);
    EXPECT_EQ(layout.X(10), 5);
    EXPECT_FALSE(TimeControlOverlay::Layout(10.0f, 9.0f, 1000, 30, false, layout));
}

} // namespace
