#include "ui/TimeControlOverlay.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"

#include <QMouseEvent>
#include <QPainter>

TimeControlOverlay::TimeControlOverlay(QWidget* timeSlider) : QWidget(timeSlider)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    if (timeSlider)
        setGeometry(timeSlider->geometry());
}

TimeControlOverlay::~TimeControlOverlay() = default;

void TimeControlOverlay::SetFrameTimes(const QList<int>& times)
{
    frameTimes = times;
    update();
}

void TimeControlOverlay::ClearFrameTimes()
{
    frameTimes.clear();
    update();
}

void TimeControlOverlay::SetMarksShown(bool shown)
{
    setVisible(shown);
}

bool TimeControlOverlay::MarksShown() const
{
    return isVisible();
}

void TimeControlOverlay::SetDrawContextActive(bool active)
{
    drawContextActive = active;
    ResetDrag();
    if (active)
        UpdateDrag();
}

bool TimeControlOverlay::Tracking() const
{
    return Settings::timeControlRangeMoveEnabled && drawContextActive;
}

bool TimeControlOverlay::HasMoveOffset() const
{
    return Tracking() && rangeDragged;
}

int TimeControlOverlay::GetMoveOffset() const
{
    return Settings::timeControlRangeMoveEnabled ? moveOffset : 0;
}

MDoubleArray TimeControlOverlay::GetRangeForMoveOffset() const
{
    return dragStartRange;
}

void TimeControlOverlay::ResetDrag()
{
    moveOffset = 0;
    rangePressed = false;
    rangeDragged = false;
    moveActive = false;
    dragStartRange.clear();
}

void TimeControlOverlay::UpdateMoveOffset()
{
    if (!HasMoveOffset())
        return;
    MDoubleArray range;
    if (MayaUtil::IsTimeSliderRangeVisible() && MayaUtil::GetTimeSliderRange(range)) {
        // Only a shift of the whole range moves frames; a resize keeps the
        // last shift seen.
        if (range.length() == 2 && dragStartRange.length() == 2 &&
            range[0] - dragStartRange[0] == range[1] - dragStartRange[1])
            moveOffset = static_cast<int>(range[0]) - static_cast<int>(dragStartRange[0]);
        moveActive = true;
        return;
    }
    // The range went away: the gesture is abandoned.
    ResetDrag();
}

void TimeControlOverlay::UpdateDrag()
{
    if (!Tracking())
        return;
    bool move = false;
    int offset = 0;
    int first = 0;
    int last = 0;
    if (moveActive && dragStartRange.length() == 2) {
        move = true;
        offset = moveOffset;
        first = static_cast<int>(dragStartRange[0]);
        last = static_cast<int>(dragStartRange[1]);
        if (last > first)
            --last;
    }
    moveActive = false;

    MDoubleArray range;
    if (!MayaUtil::IsTimeSliderRangeVisible() || !MayaUtil::GetTimeSliderRange(range))
        range.clear();
    dragStartRange = range;
    moveOffset = 0;
    rangePressed = false;
    rangeDragged = false;

    if (!move)
        return;
    if (offset != 0)
        MayaUtil::MoveFrames(offset, first, last);
    else
        MayaUtil::RefreshTimelineOverlay();
}

void TimeControlOverlay::mousePressEvent(QMouseEvent* event)
{
    if (Tracking()) {
        moveActive = false;
        rangePressed = MayaUtil::IsTimeSliderRangeVisible();
    }
    event->ignore();
}

void TimeControlOverlay::mouseMoveEvent(QMouseEvent* event)
{
    if (Tracking() && rangePressed)
        rangeDragged = true;
    event->ignore();
}

void TimeControlOverlay::mouseReleaseEvent(QMouseEvent* event)
{
    UpdateDrag();
    event->ignore();
}

void TimeControlOverlay::showEvent(QShowEvent* event)
{
    ResetDrag();
    UpdateDrag();
    QWidget::showEvent(event);
}

void TimeControlOverlay::hideEvent(QHideEvent* event)
{
    ResetDrag();
    QWidget::hideEvent(event);
}

int TimeControlOverlay::TickLayout::X(int time) const
{
    return static_cast<int>((static_cast<float>(time) - start) * perFrame + margin + 0.5f);
}

bool TimeControlOverlay::Layout(float start, float end, int sliderWidth, int sliderHeight,
                                bool cachedPlayback, TickLayout& layout)
{
    const float frames = end - start + 1.0f;
    if (!(frames >= 1.0f))
        return false;
    // With cached playback the host draws its cache bar along the bottom.
    if (cachedPlayback) {
        layout.height = static_cast<int>((sliderHeight - 5) * 0.2f) + 1;
        layout.top = (sliderHeight - 5) - layout.height;
    } else {
        layout.height = static_cast<int>(sliderHeight * 0.333f);
        layout.top = (sliderHeight + 2) - layout.height;
    }
    const float w = static_cast<float>(sliderWidth);
    layout.start = start;
    layout.margin = w * 0.005f;
    layout.perFrame = 0.99f * w / frames;
    layout.width = static_cast<int>(layout.perFrame);
    return true;
}

void TimeControlOverlay::paintEvent(QPaintEvent*)
{
    QWidget* slider = parentWidget();
    if (!slider)
        return;
    setGeometry(slider->geometry());
    TickLayout layout;
    const float start = static_cast<float>(MayaUtil::GetPlaybackRangeStart().value());
    const float end = static_cast<float>(MayaUtil::GetPlaybackRangeEnd().value());
    if (!Layout(start, end, slider->width(), slider->height(), MayaUtil::CachedPlaybackEnabled(),
                layout))
        return;

    QColor fill = Settings::timelineFrameColor;
    fill.setAlpha(63);
    QPainter painter(this);
    painter.setPen(QPen(Settings::timelineFrameColor, 1));
    for (const int time : frameTimes) {
        const QRect tick(layout.X(time), layout.top, layout.width, layout.height);
        // A frame moved onto another frame shows black until the move ends.
        const bool collides = moveOffset > 0 && frameTimes.count(time) >= 2;
        painter.fillRect(tick, collides ? QColor(Qt::black) : fill);
        painter.drawRect(tick.adjusted(0, 0, -1, -1));
    }
}
