#include <maya/MAnimControl.h>
#include <maya/MTime.h>

#include "events/EventBus.h"
#include "support/HostTestEnvironment.h"
#include "time/TimeState.h"
#include "time/TimeUnits.h"

#include <gtest/gtest.h>

using nbhost::EventBus;
using nbhost::TimeState;
using nbhost::TimeUnits;

TEST(Time, ConvertsBetweenUnitsByTheirRates)
{
    const MTime second(1.0, MTime::kSeconds);
    EXPECT_DOUBLE_EQ(second.as(MTime::kGames), 15.0);
    EXPECT_DOUBLE_EQ(second.as(MTime::kFilm), 24.0);
    EXPECT_DOUBLE_EQ(second.as(MTime::kPALFrame), 25.0);
    EXPECT_DOUBLE_EQ(second.as(MTime::kNTSCFrame), 30.0);
    EXPECT_DOUBLE_EQ(second.as(MTime::kShowScan), 48.0);
    EXPECT_DOUBLE_EQ(second.as(MTime::kPALField), 50.0);
    EXPECT_DOUBLE_EQ(second.as(MTime::kNTSCField), 60.0);
    EXPECT_DOUBLE_EQ(second.as(MTime::kMilliseconds), 1000.0);
    EXPECT_DOUBLE_EQ(MTime(2.0, MTime::kHours).as(MTime::kMinutes), 120.0);
    EXPECT_DOUBLE_EQ(MTime(24000.0, MTime::k23_976FPS).as(MTime::kSeconds), 1001.0);
    EXPECT_DOUBLE_EQ(MTime(1.0, MTime::kFilm).as(MTime::kNTSCFrame), 1.25);
    EXPECT_EQ(MTime(1.0, MTime::kFilm).as(MTime::kInvalid), 0.0);

    MTime t(48.0, MTime::kFilm);
    EXPECT_TRUE(t.setUnit(MTime::kSeconds));
    EXPECT_EQ(t.unit(), MTime::kSeconds);
    EXPECT_DOUBLE_EQ(t.value(), 2.0);
    EXPECT_FALSE(t.setUnit(MTime::kUserDef));
}

TEST(Time, ArithmeticAndComparisonWorkAcrossUnits)
{
    const MTime film(1.0, MTime::kFilm);
    const MTime ntsc(1.25, MTime::kNTSCFrame);
    EXPECT_TRUE(film == ntsc);
    EXPECT_FALSE(film < ntsc);
    EXPECT_TRUE(film <= ntsc && film >= ntsc);
    // One tenth of a second added 240 times in film units stays equal to 10 s.
    MTime sum(0.0, MTime::kFilm);
    for (int i = 0; i < 240; ++i)
        sum += MTime(0.1, MTime::kFilm);
    EXPECT_TRUE(sum == MTime(1.0, MTime::kSeconds));

    const MTime mixed = film + MTime(1.0, MTime::kNTSCFrame);
    EXPECT_EQ(mixed.unit(), MTime::kFilm);
    EXPECT_DOUBLE_EQ(mixed.value(), 1.8);
    EXPECT_TRUE(MTime(2.0, MTime::kFilm) > film);
    EXPECT_DOUBLE_EQ((film * 3.0 - 1.0).value(), 2.0);
    EXPECT_DOUBLE_EQ((10.0 - film).value(), 9.0);
    EXPECT_DOUBLE_EQ((-film / 2.0).value(), -0.5);
}

TEST(Time, EveryUnitNameReadsBack)
{
    for (int u = MTime::kHours; u < MTime::kUserDef; ++u) {
        const auto unit = static_cast<MTime::Unit>(u);
        ASSERT_TRUE(TimeUnits::isValid(unit)) << u;
        EXPECT_EQ(TimeUnits::fromName(TimeUnits::name(unit)), unit) << TimeUnits::name(unit);
    }
    EXPECT_EQ(TimeUnits::fromName("ntsc"), MTime::kNTSCFrame);
    EXPECT_EQ(TimeUnits::fromName("game"), MTime::kGames);
    EXPECT_EQ(TimeUnits::fromName("pal"), MTime::kPALFrame);
    EXPECT_EQ(TimeUnits::fromName("nonsense"), MTime::kInvalid);
}

TEST(Time, RangesKeepTheirOrderAndTheAnimationRangeHoldsThePlaybackRange)
{
    EventBus events;
    TimeState time(events);
    time.setMinTime(MTime(150.0, MTime::kFilm));
    EXPECT_DOUBLE_EQ(time.maxTime().as(MTime::kFilm), 150.0);
    EXPECT_DOUBLE_EQ(time.animationEndTime().as(MTime::kFilm), 200.0);
    time.setMaxTime(MTime(300.0, MTime::kFilm));
    EXPECT_DOUBLE_EQ(time.animationEndTime().as(MTime::kFilm), 300.0);
    time.setMaxTime(MTime(-5.0, MTime::kFilm));
    EXPECT_DOUBLE_EQ(time.minTime().as(MTime::kFilm), -5.0);
    EXPECT_DOUBLE_EQ(time.animationStartTime().as(MTime::kFilm), -5.0);
    // Narrowing the animation range pulls the playback range in.
    time.setAnimationStartTime(MTime(10.0, MTime::kFilm));
    time.setAnimationEndTime(MTime(20.0, MTime::kFilm));
    EXPECT_DOUBLE_EQ(time.minTime().as(MTime::kFilm), 10.0);
    EXPECT_DOUBLE_EQ(time.maxTime().as(MTime::kFilm), 10.0);
    EXPECT_FALSE(time.maxTime() < time.minTime());
}

TEST(Time, EventsFireOnlyWhenTimeOrUnitChange)
{
    EventBus events;
    TimeState time(events);
    int timeChanged = 0;
    int unitChanged = 0;
    events.addEventListener("timeChanged", [&] { ++timeChanged; });
    events.addEventListener("timeUnitChanged", [&] { ++unitChanged; });
    time.setCurrentTime(MTime(1.0, MTime::kFilm));
    time.setCurrentTime(MTime(1.25, MTime::kNTSCFrame)); // the same time
    EXPECT_EQ(timeChanged, 0);
    time.setCurrentTime(MTime(2.0, MTime::kFilm));
    EXPECT_EQ(timeChanged, 1);
    EXPECT_FALSE(time.setUIUnit(MTime::kInvalid));
    EXPECT_TRUE(time.setUIUnit(MTime::kFilm));
    EXPECT_EQ(unitChanged, 0);
    EXPECT_TRUE(time.setUIUnit(MTime::kNTSCFrame));
    EXPECT_EQ(unitChanged, 1);
    // Times stay where they were: the range of 1 to 120 film reads 1.25 to 150 ntsc.
    EXPECT_DOUBLE_EQ(time.maxTime().as(time.uiUnit()), 150.0);
}

TEST(Time, AnimControlFollowsTheHost)
{
    nbtest::ScopedHost scoped;
    EXPECT_EQ(MTime::uiUnit(), MTime::kFilm);
    EXPECT_DOUBLE_EQ(MAnimControl::currentTime().value(), 1.0);
    EXPECT_DOUBLE_EQ(MAnimControl::minTime().as(MTime::kFilm), 1.0);
    EXPECT_DOUBLE_EQ(MAnimControl::maxTime().as(MTime::kFilm), 120.0);
    EXPECT_TRUE(MTime::setUIUnit(MTime::kPALFrame));
    EXPECT_EQ(MTime().unit(), MTime::kPALFrame);
    EXPECT_TRUE(MAnimControl::setCurrentTime(MTime(50.0)));
    EXPECT_DOUBLE_EQ(MAnimControl::currentTime().as(MTime::kSeconds), 2.0);
    EXPECT_EQ(MAnimControl::setMinMaxTime(MTime(10.0), MTime(5.0)), MStatus::kInvalidParameter);
    EXPECT_FALSE(MAnimControl::isPlaying());
    MAnimControl::playForward();
    EXPECT_TRUE(MAnimControl::isPlaying());
    MAnimControl::stop();
    EXPECT_FALSE(MAnimControl::isPlaying());
}
