#include "ui/TimeSlider.h"

#include "time/TimeState.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace nbhost {

namespace {
const QColor kBackground(58, 58, 58);
const QColor kTick(150, 150, 150);
const QColor kLabel(200, 200, 200);
const QColor kHighlight(190, 60, 60, 120);
const QColor kHandle(240, 240, 240, 170);
const QColor kCurrent(220, 120, 50, 200);
const double kMinLabelSpacing = 40.0; // pixels between frame labels

QString frameText(double frame)
{
    return frame == std::floor(frame) ? QString::number(static_cast<long long>(frame))
                                      : QString::number(frame, 'f', 2);
}
} // namespace

TimeSlider::TimeSlider(TimeState& time, QWidget* parent) : QWidget(parent), m_time(time)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

QSize TimeSlider::sizeHint() const { return QSize(640, 36); }

QSize TimeSlider::minimumSizeHint() const { return QSize(120, 28); }

double TimeSlider::firstFrame() const { return m_time.minTime().as(m_time.uiUnit()); }

double TimeSlider::lastFrame() const { return m_time.maxTime().as(m_time.uiUnit()); }

double TimeSlider::current() const { return m_time.currentTime().as(m_time.uiUnit()); }

double TimeSlider::margin() const { return width() * 0.005; }

double TimeSlider::frameWidth() const
{
    const double frames = lastFrame() - firstFrame() + 1.0;
    return frames >= 1.0 ? 0.99 * width() / frames : 0.0;
}

double TimeSlider::timeToX(double frame) const { return (frame - firstFrame()) * frameWidth() + margin(); }

double TimeSlider::xToTime(double x) const
{
    const double first = firstFrame();
    const double p = frameWidth();
    if (p <= 0.0)
        return first;
    const double frame = first + std::floor((x - margin()) / p);
    return std::clamp(frame, first, std::max(first, lastFrame()));
}

// --- Gestures ---------------------------------------------------------------

bool TimeSlider::onRangeHandle(double x) const
{
    if (!m_time.hasHighlightedRange())
        return false;
    const MTime::Unit unit = m_time.uiUnit();
    const double left = timeToX(m_time.highlightStart().as(unit));
    const double right = timeToX(m_time.highlightEnd().as(unit));
    const double halfWidth = std::max((right - left) / 6.0, 6.0);
    return std::abs(x - (left + right) / 2.0) <= halfWidth;
}

void TimeSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const double x = event->localPos().x();
    m_anchor = xToTime(x);
    if (event->modifiers() & Qt::ShiftModifier) {
        m_gesture = Gesture::Highlight;
        highlightTo(m_anchor);
    } else if (onRangeHandle(x)) {
        const MTime::Unit unit = m_time.uiUnit();
        m_gesture = Gesture::MoveRange;
        m_startAtPress = m_time.highlightStart().as(unit);
        m_endAtPress = m_time.highlightEnd().as(unit);
        m_currentAtPress = current();
    } else {
        m_gesture = Gesture::Scrub;
        if (m_time.hasHighlightedRange())
            setHighlight(0.0, 0.0);
        scrubTo(m_anchor);
    }
    event->accept();
}

void TimeSlider::mouseMoveEvent(QMouseEvent* event)
{
    const double frame = xToTime(event->localPos().x());
    switch (m_gesture) {
    case Gesture::Scrub:
        scrubTo(frame);
        break;
    case Gesture::Highlight:
        highlightTo(frame);
        break;
    case Gesture::MoveRange:
        moveRangeTo(frame);
        break;
    case Gesture::None:
        event->ignore();
        return;
    }
    event->accept();
}

void TimeSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_gesture != Gesture::None)
        mouseMoveEvent(event);
    m_gesture = Gesture::None;
    event->accept();
}

void TimeSlider::scrubTo(double frame)
{
    if (frame != current())
        m_time.setCurrentTime(MTime(frame, m_time.uiUnit()));
}

void TimeSlider::highlightTo(double frame)
{
    setHighlight(std::min(m_anchor, frame), std::max(m_anchor, frame) + 1.0);
}

// The range keeps its length and stays inside the playback range. It moves
// before the time does, so a listener of the time change reads the range
// where it now is.
void TimeSlider::moveRangeTo(double frame)
{
    const double lowest = firstFrame() - m_startAtPress;
    const double highest = lastFrame() + 1.0 - m_endAtPress;
    if (lowest > highest)
        return;
    const double shift = std::clamp(frame - m_anchor, lowest, highest);
    const MTime::Unit unit = m_time.uiUnit();
    if (m_startAtPress + shift == m_time.highlightStart().as(unit))
        return;
    setHighlight(m_startAtPress + shift, m_endAtPress + shift);
    scrubTo(std::clamp(m_currentAtPress + shift, firstFrame(), std::max(firstFrame(), lastFrame())));
}

void TimeSlider::setHighlight(double start, double end)
{
    const MTime::Unit unit = m_time.uiUnit();
    m_time.setHighlightedRange(MTime(start, unit), MTime(end, unit));
}

// --- Painting ---------------------------------------------------------------

int TimeSlider::labelStep() const
{
    const double p = frameWidth();
    for (int step : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 100000, 1000000})
        if (step * p >= kMinLabelSpacing)
            return step;
    return 10000000;
}

void TimeSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (lastFrame() - firstFrame() + 1.0 < 1.0)
        return;
    paintHighlight(painter);
    paintTicks(painter);
    paintCurrentTime(painter);
}

void TimeSlider::paintTicks(QPainter& painter) const
{
    const int step = labelStep();
    // Unlabelled ticks for every frame when there is room, else at a
    // fifth or half of the label step.
    const int minor = frameWidth() >= 4.0 ? 1 : (step % 5 == 0 ? step / 5 : std::max(1, step / 2));
    const double first = std::ceil(firstFrame() / minor) * minor;
    painter.setFont(font());
    const int h = height();
    int previousLabelEnd = std::numeric_limits<int>::min();
    for (double frame = first; frame <= lastFrame(); frame += minor) {
        const int x = static_cast<int>(timeToX(frame) + 0.5);
        const bool labelled = std::fmod(frame, step) == 0.0;
        painter.setPen(kTick);
        painter.drawLine(x, h - 1, x, h - (labelled ? h / 2 : h / 5));
        if (labelled) {
            // Right of its tick, or left of it where the slider ends; a
            // label that would run into the one before it is left out.
            const QString text = frameText(frame);
            const int textWidth = painter.fontMetrics().horizontalAdvance(text);
            const int left = x + 2 + textWidth <= width() ? x + 2 : x - 2 - textWidth;
            if (left <= previousLabelEnd)
                continue;
            previousLabelEnd = left + textWidth;
            painter.setPen(kLabel);
            painter.drawText(left, 0, textWidth, h / 2 + 2, Qt::AlignLeft | Qt::AlignVCenter, text);
        }
    }
}

void TimeSlider::paintHighlight(QPainter& painter) const
{
    if (!m_time.hasHighlightedRange())
        return;
    const MTime::Unit unit = m_time.uiUnit();
    const double left = timeToX(m_time.highlightStart().as(unit));
    const double right = timeToX(m_time.highlightEnd().as(unit));
    painter.fillRect(QRectF(left, 0.0, right - left, height()), kHighlight);
    // The move handle: two arrows at the middle of the range.
    const double middle = (left + right) / 2.0;
    const double y = height() / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHandle);
    painter.drawPolygon(QPolygonF({QPointF(middle - 1, y - 4), QPointF(middle - 6, y), QPointF(middle - 1, y + 4)}));
    painter.drawPolygon(QPolygonF({QPointF(middle + 1, y - 4), QPointF(middle + 6, y), QPointF(middle + 1, y + 4)}));
}

void TimeSlider::paintCurrentTime(QPainter& painter) const
{
    const double now = current();
    const double x = timeToX(now);
    const double markerWidth = std::max(frameWidth(), 2.0);
    painter.fillRect(QRectF(x, 0.0, markerWidth, height()), kCurrent);
    const QString text = frameText(now);
    const double textWidth = painter.fontMetrics().horizontalAdvance(text);
    const double left = x + markerWidth + 2.0 + textWidth <= width() ? x + markerWidth + 2.0 : x - 2.0 - textWidth;
    painter.setPen(Qt::white);
    painter.drawText(QRectF(left, height() / 2.0, textWidth, height() / 2.0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

} // namespace nbhost
