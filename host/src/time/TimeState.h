#pragma once

#include <maya/MAnimControl.h>
#include <maya/MTime.h>

#include <functional>

namespace nbhost {

class EventBus;

// The host's time: UI unit, current time, playback and animation ranges,
// playing state and the time slider's highlighted range. Times are kept as
// absolute MTime values, so changing the UI unit keeps them where they are
// (a range of 1 to 120 film reads 1.25 to 150 in ntsc).
class TimeState
{
public:
    explicit TimeState(EventBus& events);

    // Runs after every change of the state (unit, times, ranges, playing,
    // highlighted range): the GUI's time slider follows it.
    void setChangedHook(std::function<void()> hook) { m_changed = std::move(hook); }

    MTime::Unit uiUnit() const { return m_uiUnit; }
    // Fires "timeUnitChanged" when the unit changes; false for an invalid unit.
    bool setUIUnit(MTime::Unit unit);

    MTime currentTime() const { return m_current; }
    // Fires "timeChanged" when the time changes.
    void setCurrentTime(const MTime& time);

    MTime minTime() const { return m_min; }
    MTime maxTime() const { return m_max; }
    MTime animationStartTime() const { return m_animStart; }
    MTime animationEndTime() const { return m_animEnd; }
    // A new playback bound moves the other one when they would cross, and
    // widens the animation range to contain the playback range.
    void setMinTime(const MTime& time);
    void setMaxTime(const MTime& time);
    // A new animation bound narrows the playback range to stay inside it.
    void setAnimationStartTime(const MTime& time);
    void setAnimationEndTime(const MTime& time);

    bool isPlaying() const;
    bool isPlayingForward() const { return m_forward; }
    // Changes the "playingBack" condition when the state changes.
    void setPlaying(bool playing, bool forward);

    MAnimControl::PlaybackMode playbackMode() const { return m_mode; }
    void setPlaybackMode(MAnimControl::PlaybackMode mode);

    // The time slider's highlighted range [start, end); empty when equal.
    bool hasHighlightedRange() const { return m_highlightStart != m_highlightEnd; }
    MTime highlightStart() const { return m_highlightStart; }
    MTime highlightEnd() const { return m_highlightEnd; }
    void setHighlightedRange(const MTime& start, const MTime& end);

private:
    void keepPlaybackInsideAnimation();
    void widenAnimationToPlayback();
    void changed() const;

    EventBus& m_events;
    MTime::Unit m_uiUnit = MTime::kFilm;
    MTime m_current{1.0, MTime::kFilm};
    MTime m_min{1.0, MTime::kFilm};
    MTime m_max{120.0, MTime::kFilm};
    MTime m_animStart{1.0, MTime::kFilm};
    MTime m_animEnd{200.0, MTime::kFilm};
    bool m_forward = true;
    MAnimControl::PlaybackMode m_mode = MAnimControl::kPlaybackLoop;
    MTime m_highlightStart{0.0, MTime::kFilm};
    MTime m_highlightEnd{0.0, MTime::kFilm};
    std::function<void()> m_changed;
};

} // namespace nbhost
