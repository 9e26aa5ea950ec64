// The frame marks over the host's real time slider, and the range-drag
// gesture that moves drawing frames along with the keys.
#include "ui/TimeControlOverlay.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"

#include "support/GuiTestEnvironment.h"
#include "ui/TimeSlider.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TimeControlOverlayTest : public nbtest::GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Settings::timeControlRangeMoveEnabled = true;
        Settings::timelineFrameColor = Settings::DEFAULT_TIMELINE_FRAME_COLOR;
        mainWindow().resize(1200, 800);
        mainWindow().show();
        eval("playbackOptions -min 1 -max 100");
        slider = qobject_cast<nbhost::TimeSlider*>(MayaUtil::GetTimeControlWidget());
        ASSERT_NE(slider, nullptr);
        overlay = std::make_unique<TimeControlOverlay>(slider);
        overlay->show();
        nbtest::processEvents();
    }
    void TearDown() override
    {
        overlay.reset();
        GuiTest::TearDown();
    }

    QPoint At(double frame) const
    {
        return QPoint(static_cast<int>(slider->timeToX(frame) + slider->frameWidth() * 0.5),
                      slider->height() / 2);
    }
    // Highlights [10, 20) with a shift-drag, then drags its middle by three
    // frames, telling the overlay of each time change as the node would.
    void DragRange()
    {
        nbtest::drag(*overlay, At(10), At(19), Qt::ShiftModifier);
        overlay->UpdateMoveOffset();
        nbtest::mouse(*overlay, QEvent::MouseButtonPress, At(15));
        for (int frame = 16; frame <= 18; ++frame) {
            nbtest::mouse(*overlay, QEvent::MouseMove, At(frame));
            overlay->UpdateMoveOffset();
        }
    }
    void Release() { nbtest::mouse(*overlay, QEvent::MouseButtonRelease, At(18)); }
    int MoveCommands()
    {
        int count = 0;
        for (const auto& entry : host().journal().entries())
            if (entry.text.find(" -move ") != std::string::npos) {
                lastMove = entry.text;
                ++count;
            }
        return count;
    }

    nbhost::TimeSlider* slider = nullptr;
    std::unique_ptr<TimeControlOverlay> overlay;
    std::string lastMove;
};

TEST_F(TimeControlOverlayTest, RangeDragWithTheDrawToolMovesTheFramesOnce)
{
    overlay->SetDrawContextActive(true);
    DragRange();
    EXPECT_TRUE(overlay->HasMoveOffset());
    EXPECT_EQ(overlay->GetMoveOffset(), 3);
    const MDoubleArray range = overlay->GetRangeForMoveOffset();
    ASSERT_EQ(range.length(), 2u);
    EXPECT_EQ(range[1], 20.0);
    Release();
    EXPECT_EQ(MoveCommands(), 1);
    EXPECT_NE(lastMove.find("-move 3 10 19"), std::string::npos) << lastMove;
    // The new range is recorded for the next gesture.
    EXPECT_EQ(overlay->GetRangeForMoveOffset()[0], 13.0);
}

TEST_F(TimeControlOverlayTest, NothingMovesWithoutTheDrawToolOrWithTheSettingOff)
{
    DragRange();
    EXPECT_FALSE(overlay->HasMoveOffset());
    Release();
    EXPECT_EQ(MoveCommands(), 0);

    Settings::timeControlRangeMoveEnabled = false;
    overlay->SetDrawContextActive(true);
    DragRange();
    EXPECT_EQ(overlay->GetMoveOffset(), 0);
    Release();
    EXPECT_EQ(MoveCommands(), 0);
}

TEST_F(TimeControlOverlayTest, ARangeThatGoesAwayMidDragAbandonsTheGesture)
{
    overlay->SetDrawContextActive(true);
    DragRange();
    ASSERT_EQ(overlay->GetMoveOffset(), 3);
    ASSERT_TRUE(eval("timeControl -e -highlightedRange 0 0 $gPlayBackSlider").ok);
    overlay->UpdateMoveOffset();
    EXPECT_FALSE(overlay->HasMoveOffset());
    EXPECT_EQ(overlay->GetMoveOffset(), 0);
    Release();
    EXPECT_EQ(MoveCommands(), 0);
}

// Colour of the tick of a time, sampled in its middle.
QColor TickFill(TimeControlOverlay& overlay, int time)
{
    TimeControlOverlay::TickLayout layout;
    TimeControlOverlay::Layout(1.0f, 100.0f, overlay.width(), overlay.height(),
                               MayaUtil::CachedPlaybackEnabled(), layout);
    QImage image(overlay.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    overlay.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image.pixelColor(layout.X(time) + layout.width / 2, layout.top + layout.height / 2);
}

TEST_F(TimeControlOverlayTest, TicksMarkFramesAndCollisionsPaintBlack)
{
    overlay->SetFrameTimes({5, 30});
    nbtest::processEvents();
    EXPECT_EQ(overlay->geometry(), slider->geometry());
    const QColor fill = TickFill(*overlay, 5);
    EXPECT_NEAR(fill.red(), 143, 1); // premultiplied rounding
    EXPECT_NEAR(fill.blue(), 207, 1);
    EXPECT_EQ(fill.alpha(), 63);
    EXPECT_EQ(TickFill(*overlay, 6).alpha(), 0);

    // A frame moved onto another one while a positive move is previewed.
    overlay->SetDrawContextActive(true);
    DragRange();
    overlay->SetFrameTimes({13, 13, 40});
    EXPECT_EQ(TickFill(*overlay, 13), QColor(Qt::black));
    EXPECT_EQ(TickFill(*overlay, 40).alpha(), 63);
}

} // namespace
