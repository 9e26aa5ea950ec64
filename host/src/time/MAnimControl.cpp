#include <maya/MAnimControl.h>

#include "core/Host.h"
#include "time/TimeState.h"

using nbhost::TimeState;

namespace {

TimeState* timeState()
{
    nbhost::Host* host = nbhost::Host::current();
    return host ? &host->time() : nullptr;
}

// A time of the host's, or the one a new scene starts with when there is no
// host.
MTime read(MTime (TimeState::*get)() const, double fallbackFrames)
{
    TimeState* time = timeState();
    return time ? (time->*get)() : MTime(fallbackFrames, MTime::kFilm);
}

// Applies a change to the host's time; fails when there is no host.
template <typename Change>
MStatus change(Change apply)
{
    TimeState* time = timeState();
    if (!time)
        return MStatus::kFailure;
    apply(*time);
    return MStatus::kSuccess;
}

} // namespace

MTime MAnimControl::currentTime() { return read(&TimeState::currentTime, 1.0); }

MStatus MAnimControl::setCurrentTime(const MTime& newTime)
{
    return change([&](TimeState& time) { time.setCurrentTime(newTime); });
}

MTime MAnimControl::minTime() { return read(&TimeState::minTime, 1.0); }

MTime MAnimControl::maxTime() { return read(&TimeState::maxTime, 120.0); }

MStatus MAnimControl::setMinTime(MTime newMinTime)
{
    return change([&](TimeState& time) { time.setMinTime(newMinTime); });
}

MStatus MAnimControl::setMaxTime(MTime newMaxTime)
{
    return change([&](TimeState& time) { time.setMaxTime(newMaxTime); });
}

MStatus MAnimControl::setMinMaxTime(const MTime& newMinTime, const MTime& newMaxTime)
{
    TimeState* time = timeState();
    if (!time || newMaxTime < newMinTime)
        return MStatus::kInvalidParameter;
    time->setMinTime(newMinTime);
    time->setMaxTime(newMaxTime);
    return MStatus::kSuccess;
}

MTime MAnimControl::animationStartTime() { return read(&TimeState::animationStartTime, 1.0); }

MTime MAnimControl::animationEndTime() { return read(&TimeState::animationEndTime, 200.0); }

MStatus MAnimControl::setAnimationStartTime(MTime newStartTime)
{
    return change([&](TimeState& time) { time.setAnimationStartTime(newStartTime); });
}

MStatus MAnimControl::setAnimationEndTime(MTime newEndTime)
{
    return change([&](TimeState& time) { time.setAnimationEndTime(newEndTime); });
}

MStatus MAnimControl::setAnimationStartEndTime(MTime newStartTime, MTime newEndTime)
{
    TimeState* time = timeState();
    if (!time || newEndTime < newStartTime)
        return MStatus::kInvalidParameter;
    time->setAnimationStartTime(newStartTime);
    time->setAnimationEndTime(newEndTime);
    return MStatus::kSuccess;
}

MAnimControl::PlaybackMode MAnimControl::playbackMode(MStatus* ReturnStatus)
{
    TimeState* time = timeState();
    if (ReturnStatus)
        *ReturnStatus = time ? MStatus::kSuccess : MStatus::kFailure;
    return time ? time->playbackMode() : kPlaybackLoop;
}

MStatus MAnimControl::setPlaybackMode(PlaybackMode newMode)
{
    return change([&](TimeState& time) { time.setPlaybackMode(newMode); });
}

bool MAnimControl::isPlaying()
{
    TimeState* time = timeState();
    return time && time->isPlaying();
}

MStatus MAnimControl::playForward()
{
    return change([](TimeState& time) { time.setPlaying(true, true); });
}

MStatus MAnimControl::playBackward()
{
    return change([](TimeState& time) { time.setPlaying(true, false); });
}

MStatus MAnimControl::stop()
{
    return change([](TimeState& time) { time.setPlaying(false, time.isPlayingForward()); });
}
