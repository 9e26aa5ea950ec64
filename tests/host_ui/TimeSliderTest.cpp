#include "UiTest.h"

#include "events/EventBus.h"
#include "time/TimeState.h"
#include "ui/MainWindow.h"
#include "ui/PlaybackTimer.h"
#include "ui/RangeBar.h"
#include "ui/TimeSlider.h"

#include <QDoubleSpinBox>
#include <QToolButton>

#include <cmath>
#include <vector>

// The time slider in a shown main window, driven by mouse input delivered
// through its window.
class TimeSliderTest : public UiTest
{
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        mainWindow().show();
        nbtest::processEvents();
    }

    nbhost::TimeSlider& slider() { return mainWindow().timeSlider(); }
    // The middle of the frame's cell.
    QPoint at(double frame)
    {
        return QPoint(static_cast<int>(slider().timeToX(frame) + slider().frameWidth() / 2), slider().height() / 2);
    }
    std::vector<double> range() { return eval("timeControl -q -rangeArray $gPlayBackSlider").value.asFloatArray(); }
    double now() { return eval("currentTime -q").value.asFloat(); }
};

// What the plug-in's frame marks compute from the slider's size alone.
TEST_F(TimeSliderTest, GeometryMatchesWhatOverlaysComputeFromTheSize)
{
    EXPECT_EQ(slider().geometry().topLeft(), QPoint(0, 0));
    for (int width : {400, 1000, 1237}) {
        slider().resize(width, 30);
        const float w = static_cast<float>(width);
        const float margin = w * 0.005f;
        const float perFrame = 0.99f * w / 120.0f;
        for (int t : {1, 2, 60, 120}) {
            const int tick = static_cast<int>((t - 1) * perFrame + margin + 0.5f);
            EXPECT_NEAR(slider().timeToX(t), tick, 1.0) << width << " " << t;
            EXPECT_EQ(slider().xToTime(slider().timeToX(t) + perFrame / 2), t);
        }
        EXPECT_EQ(slider().xToTime(-50), 1);
        EXPECT_EQ(slider().xToTime(width + 50), 120);
    }
}

TEST_F(TimeSliderTest, ClickAndDragScrubTheCurrentTime)
{
    int changes = 0;
    host().events().addEventListener("timeChanged", [&changes] { ++changes; });
    nbtest::mouse(slider(), QEvent::MouseButtonPress, at(30));
    nbtest::mouse(slider(), QEvent::MouseButtonRelease, at(30));
    EXPECT_EQ(now(), 30);
    EXPECT_EQ(changes, 1);
    nbtest::drag(slider(), at(30), at(45));
    EXPECT_EQ(now(), 45);
    EXPECT_GE(changes, 3);
    // Dragging past the end stops at the last frame.
    nbtest::drag(slider(), at(45), QPoint(slider().width() + 40, 5));
    EXPECT_EQ(now(), 120);
}

TEST_F(TimeSliderTest, ShiftDragHighlightsARangeThatTimeControlReports)
{
    eval("currentTime 5");
    EXPECT_EQ(eval("timeControl -q -rangeVisible $gPlayBackSlider").value.asInt(), 0);
    EXPECT_EQ(range(), std::vector<double>({5, 6}));

    nbtest::drag(slider(), at(10), at(19), Qt::ShiftModifier);
    EXPECT_EQ(eval("timeControl -q -rangeVisible $gPlayBackSlider").value.asInt(), 1);
    EXPECT_EQ(range(), std::vector<double>({10, 20}));
    EXPECT_EQ(now(), 5);

    nbtest::drag(slider(), at(40), at(31), Qt::ShiftModifier);
    EXPECT_EQ(range(), std::vector<double>({31, 41}));

    // A plain click outside the range's middle clears it and scrubs.
    nbtest::mouse(slider(), QEvent::MouseButtonPress, at(80));
    nbtest::mouse(slider(), QEvent::MouseButtonRelease, at(80));
    EXPECT_EQ(eval("timeControl -q -rangeVisible $gPlayBackSlider").value.asInt(), 0);
    EXPECT_EQ(now(), 80);
}

// The gesture the plug-in's overlay follows: at every time change during
// the drag, the range has already moved by as much as the time has.
TEST_F(TimeSliderTest, DraggingTheRangeByItsMiddleMovesItAndTheTime)
{
    eval("currentTime 15; timeControl -e -highlightedRange 10 20 $gPlayBackSlider");
    std::vector<std::pair<double, double>> seen; // (range start, time) at each change
    host().events().addEventListener("timeChanged", [&] { seen.emplace_back(range()[0], now()); });

    nbtest::drag(slider(), at(15), at(18));
    EXPECT_EQ(range(), std::vector<double>({13, 23}));
    EXPECT_EQ(now(), 18);
    ASSERT_FALSE(seen.empty());
    for (const auto& [start, time] : seen)
        EXPECT_EQ(start - 10, time - 15);

    // The range keeps its length and stays inside the playback range.
    nbtest::drag(slider(), at(18), QPoint(slider().width() + 100, 5));
    EXPECT_EQ(range(), std::vector<double>({111, 121}));
    EXPECT_EQ(now(), 116);
}

// The plug-in lays a widget over the slider that handles the mouse and
// then passes every event on; the slider must still get all of them.
TEST_F(TimeSliderTest, EventsIgnoredByAnOverlayReachTheSlider)
{
    class Overlay : public QWidget
    {
    public:
        using QWidget::QWidget;
        int seen = 0;

    protected:
        void mousePressEvent(QMouseEvent* e) override { ++seen, e->ignore(); }
        void mouseMoveEvent(QMouseEvent* e) override { ++seen, e->ignore(); }
        void mouseReleaseEvent(QMouseEvent* e) override { ++seen, e->ignore(); }
    };
    auto* overlay = new Overlay(&slider());
    overlay->setGeometry(slider().geometry());
    overlay->show();

    nbtest::drag(slider(), at(20), at(25), Qt::ShiftModifier, 3);
    EXPECT_EQ(overlay->seen, 5);
    EXPECT_EQ(range(), std::vector<double>({20, 26}));
}

TEST_F(TimeSliderTest, RangeSliderEditsThePlaybackRange)
{
    auto* start = mainWindow().findChild<QDoubleSpinBox*>("playbackStartField");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->value(), 1.0);
    start->setValue(20);
    emit start->editingFinished();
    EXPECT_EQ(eval("playbackOptions -q -min").value.asFloat(), 20);

    eval("playbackOptions -max 50");
    auto* end = mainWindow().findChild<QDoubleSpinBox*>("playbackEndField");
    EXPECT_EQ(end->value(), 50.0);

    // Dragging the bar's thumb moves both ends inside the animation range (1 to 200).
    auto* bar = mainWindow().findChild<nbhost::RangeBar*>("rangeBar");
    ASSERT_NE(bar, nullptr);
    const int y = bar->height() / 2;
    const int middle = static_cast<int>((bar->xAt(20) + bar->xAt(50)) / 2);
    nbtest::drag(*bar, QPoint(middle, y), QPoint(bar->width() + 200, y));
    EXPECT_EQ(eval("playbackOptions -q -min").value.asFloat(), 170);
    EXPECT_EQ(eval("playbackOptions -q -max").value.asFloat(), 200);
    nbtest::drag(*bar, QPoint(static_cast<int>(bar->xAt(170)), y), QPoint(static_cast<int>(bar->xAt(100)), y));
    EXPECT_NEAR(eval("playbackOptions -q -min").value.asFloat(), 100, 1);
    EXPECT_EQ(eval("playbackOptions -q -max").value.asFloat(), 200);
}

class PlaybackTest : public UiTest
{
protected:
    nbhost::PlaybackTimer& timer() { return session().playback(); }
    double now() { return eval("currentTime -q").value.asFloat(); }
};

TEST_F(PlaybackTest, PlayAdvancesTheTimeAtTheUnitsRateUntilStopped)
{
    EXPECT_EQ(timer().interval(), 42); // 24 fps
    // The host does not cache playback; the plug-in reads this to place its marks.
    EXPECT_EQ(eval("optionVar -exists cachedPlaybackEnable").value.asInt(), 1);
    EXPECT_EQ(eval("optionVar -q cachedPlaybackEnable").value.asInt(), 0);
    eval("play -state on");
    EXPECT_TRUE(timer().isRunning());
    EXPECT_TRUE(nbtest::processEvents([&] { return now() >= 3; }));
    eval("play -state off");
    EXPECT_FALSE(timer().isRunning());
    const double stopped = now();
    nbtest::processEvents();
    EXPECT_EQ(now(), stopped);

    eval("currentUnit -time ntsc");
    EXPECT_EQ(timer().interval(), 33);

    // The buttons do what play does.
    auto* play = mainWindow().findChild<QToolButton*>("playButton");
    auto* stop = mainWindow().findChild<QToolButton*>("stopButton");
    play->click();
    EXPECT_EQ(eval("play -q -state").value.asInt(), 1);
    EXPECT_TRUE(play->isChecked());
    stop->click();
    EXPECT_EQ(eval("play -q -state").value.asInt(), 0);
    EXPECT_FALSE(play->isChecked());
}

TEST_F(PlaybackTest, TheEndOfTheRangeLoopsStopsOrTurnsAround)
{
    eval("playbackOptions -min 1 -max 10; currentTime 10; play -state on");
    timer().step();
    EXPECT_EQ(now(), 1);

    eval("playbackOptions -loop \"once\"; currentTime 10");
    timer().step();
    EXPECT_EQ(now(), 10);
    EXPECT_EQ(eval("play -q -state").value.asInt(), 0);

    eval("playbackOptions -loop \"oscillate\"; currentTime 10; play -state on");
    timer().step();
    EXPECT_EQ(now(), 9);
    timer().step();
    EXPECT_EQ(now(), 8);
    eval("play -state off");
}
