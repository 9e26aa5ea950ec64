#pragma once

#include <maya/MTypes.h>

#include <QObject>
#include <QTimer>

namespace nbhost {

class EventBus;
class TimeState;

// Advances the current time one frame of the UI unit per tick while the
// host plays (`play`, the play button), at the unit's frame rate; the
// playback mode decides what happens at the end of the playback range
// (loop, stop, or turn around).
class PlaybackTimer : public QObject
{
    Q_OBJECT

public:
    PlaybackTimer(TimeState& time, EventBus& events);
    ~PlaybackTimer() override;

    bool isRunning() const { return m_timer.isActive(); }
    // One playback step, as a tick of the timer makes it.
    void step();
    // Milliseconds between frames of the current UI unit.
    int interval() const;

private:
    void playingChanged(bool playing);

    TimeState& m_time;
    EventBus& m_events;
    QTimer m_timer;
    MCallbackId m_playingListener = 0;
    MCallbackId m_unitListener = 0;
};

} // namespace nbhost
