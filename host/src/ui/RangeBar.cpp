#include "ui/RangeBar.h"

#include "time/TimeState.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace nbhost {

namespace {
const double kInset = 4.0;    // pixels kept free at both ends of the track
const double kEndGrip = 6.0;  // pixels around a thumb end that grab that end
} // namespace

RangeBar::RangeBar(TimeState& time, QWidget* parent) : QWidget(parent), m_time(time)
{
    setMinimumHeight(18);
}

QSize RangeBar::sizeHint() const { return QSize(400, 20); }

double RangeBar::animationStart() const { return m_time.animationStartTime().as(m_time.uiUnit()); }

double RangeBar::animationEnd() const { return m_time.animationEndTime().as(m_time.uiUnit()); }

double RangeBar::xAt(double frame) const
{
    const double span = animationEnd() - animationStart();
    const double track = std::max(1.0, width() - 2.0 * kInset);
    return kInset + (span > 0.0 ? (frame - animationStart()) / span * track : 0.0);
}

double RangeBar::frameAt(double x) const
{
    const double span = animationEnd() - animationStart();
    const double track = std::max(1.0, width() - 2.0 * kInset);
    return animationStart() + (x - kInset) / track * span;
}

void RangeBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const MTime::Unit unit = m_time.uiUnit();
    const QRectF track(kInset, 3.0, width() - 2.0 * kInset, height() - 6.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(45, 45, 45));
    painter.drawRoundedRect(track, 3.0, 3.0);
    const double left = xAt(m_time.minTime().as(unit));
    const double right = xAt(m_time.maxTime().as(unit));
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRoundedRect(QRectF(left, track.top(), std::max(right - left, 4.0), track.height()), 3.0, 3.0);
}

void RangeBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const MTime::Unit unit = m_time.uiUnit();
    m_startAtPress = m_time.minTime().as(unit);
    m_endAtPress = m_time.maxTime().as(unit);
    const double x = event->localPos().x();
    const double left = xAt(m_startAtPress);
    const double right = xAt(m_endAtPress);
    if (std::abs(x - left) <= kEndGrip && x < (left + right) / 2.0)
        m_drag = Drag::Start;
    else if (std::abs(x - right) <= kEndGrip)
        m_drag = Drag::End;
    else if (x > left && x < right)
        m_drag = Drag::Both;
    else
        m_drag = Drag::None;
    m_anchor = frameAt(x);
    event->accept();
}

void RangeBar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_drag == Drag::None)
        return;
    const double frame = std::round(frameAt(event->localPos().x()));
    const double first = animationStart();
    const double last = animationEnd();
    switch (m_drag) {
    case Drag::Start:
        setPlaybackRange(std::clamp(frame, first, m_endAtPress), m_endAtPress);
        break;
    case Drag::End:
        setPlaybackRange(m_startAtPress, std::clamp(frame, m_startAtPress, last));
        break;
    case Drag::Both: {
        const double shift = std::clamp(std::round(frameAt(event->localPos().x()) - m_anchor),
                                        first - m_startAtPress, last - m_endAtPress);
        setPlaybackRange(m_startAtPress + shift, m_endAtPress + shift);
        break;
    }
    case Drag::None:
        break;
    }
}

void RangeBar::mouseReleaseEvent(QMouseEvent*) { m_drag = Drag::None; }

void RangeBar::setPlaybackRange(double start, double end)
{
    const MTime::Unit unit = m_time.uiUnit();
    m_time.setMinTime(MTime(start, unit));
    m_time.setMaxTime(MTime(end, unit));
}

} // namespace nbhost
