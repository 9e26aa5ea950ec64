#include "ui/PlaybackTimer.h"

#include "events/EventBus.h"
#include "time/TimeState.h"
#include "time/TimeUnits.h"

#include <algorithm>
#include <cmath>

namespace nbhost {

PlaybackTimer::PlaybackTimer(TimeState& time, EventBus& events) : m_time(time), m_events(events)
{
    connect(&m_timer, &QTimer::timeout, this, &PlaybackTimer::step);
    m_playingListener =
        events.addConditionListener("playingBack", [this](bool playing) { playingChanged(playing); });
    m_unitListener = events.addEventListener("timeUnitChanged", [this] { m_timer.setInterval(interval()); });
    playingChanged(time.isPlaying());
}

PlaybackTimer::~PlaybackTimer()
{
    m_events.remove(m_playingListener);
    m_events.remove(m_unitListener);
}

int PlaybackTimer::interval() const
{
    const double fps = TimeUnits::unitsPerSecond(m_time.uiUnit());
    return fps > 0.0 ? std::max(1, static_cast<int>(std::lround(1000.0 / fps))) : 40;
}

void PlaybackTimer::playingChanged(bool playing)
{
    if (!playing) {
        m_timer.stop();
        return;
    }
    m_timer.setInterval(interval());
    if (!m_timer.isActive())
        m_timer.start();
}

void PlaybackTimer::step()
{
    if (!m_time.isPlaying())
        return;
    const MTime::Unit unit = m_time.uiUnit();
    const double first = m_time.minTime().as(unit);
    const double last = m_time.maxTime().as(unit);
    const bool forward = m_time.isPlayingForward();
    double next = m_time.currentTime().as(unit) + (forward ? 1.0 : -1.0);
    if (next > last || next < first) {
        switch (m_time.playbackMode()) {
        case MAnimControl::kPlaybackOnce:
            m_time.setCurrentTime(MTime(forward ? last : first, unit));
            m_time.setPlaying(false, forward);
            return;
        case MAnimControl::kPlaybackOscillate:
            m_time.setPlaying(true, !forward);
            next = std::clamp(next + (forward ? -2.0 : 2.0), first, last);
            break;
        default:
            next = forward ? first : last;
            break;
        }
    }
    m_time.setCurrentTime(MTime(next, unit));
}

} // namespace nbhost
