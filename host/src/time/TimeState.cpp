#include "time/TimeState.h"

#include "events/EventBus.h"
#include "time/TimeUnits.h"

namespace nbhost {

TimeState::TimeState(EventBus& events) : m_events(events) {}

bool TimeState::setUIUnit(MTime::Unit unit)
{
    if (!TimeUnits::isValid(unit))
        return false;
    if (unit == m_uiUnit)
        return true;
    m_uiUnit = unit;
    changed();
    m_events.fire("timeUnitChanged");
    return true;
}

void TimeState::setCurrentTime(const MTime& time)
{
    if (time == m_current)
        return;
    m_current = time;
    changed();
    m_events.fire("timeChanged");
}

void TimeState::setMinTime(const MTime& time)
{
    m_min = time;
    if (m_max < m_min)
        m_max = m_min;
    widenAnimationToPlayback();
    changed();
}

void TimeState::setMaxTime(const MTime& time)
{
    m_max = time;
    if (m_max < m_min)
        m_min = m_max;
    widenAnimationToPlayback();
    changed();
}

void TimeState::widenAnimationToPlayback()
{
    if (m_min < m_animStart)
        m_animStart = m_min;
    if (m_animEnd < m_max)
        m_animEnd = m_max;
}

void TimeState::setAnimationStartTime(const MTime& time)
{
    m_animStart = time;
    if (m_animEnd < m_animStart)
        m_animEnd = m_animStart;
    keepPlaybackInsideAnimation();
    changed();
}

void TimeState::setAnimationEndTime(const MTime& time)
{
    m_animEnd = time;
    if (m_animEnd < m_animStart)
        m_animStart = m_animEnd;
    keepPlaybackInsideAnimation();
    changed();
}

void TimeState::keepPlaybackInsideAnimation()
{
    if (m_min < m_animStart)
        m_min = m_animStart;
    if (m_animEnd < m_min)
        m_min = m_animEnd;
    if (m_max < m_min)
        m_max = m_min;
    if (m_animEnd < m_max)
        m_max = m_animEnd;
}

bool TimeState::isPlaying() const { return m_events.condition("playingBack"); }

void TimeState::setPlaying(bool playing, bool forward)
{
    m_forward = forward;
    m_events.setCondition("playingBack", playing);
    changed();
}

void TimeState::setPlaybackMode(MAnimControl::PlaybackMode mode)
{
    m_mode = mode;
    changed();
}

void TimeState::setHighlightedRange(const MTime& start, const MTime& end)
{
    m_highlightStart = start;
    m_highlightEnd = end < start ? start : end;
    changed();
}

void TimeState::changed() const
{
    if (m_changed)
        m_changed();
}

} // namespace nbhost
