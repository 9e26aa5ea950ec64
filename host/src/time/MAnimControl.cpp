#include <maya/MAnimControl.h>

#include "core/Host.h"
#include "time/TimeState.h"

namespace {

nbhost::TimeState* timeState()
{
    nbhost::Host* host = nbhost::Host::current();
    return host ? &host->time() : nullptr;
}

MTime filmTime(double value) { return MTime(value, MTime::kFilm); }

} // namespace

MTime MAnimControl::currentTime()
{
    nbhost::TimeState* time = timeState();
    return time ? time->currentTime() : filmTime(1.0);
}

MStatus MAnimControl::setCurrentTime(const MTime& newTime)
{
    nbhost::TimeState* time = timeState();
    if (!time)
        return MStatus::kFailure;
    time->setCurrentTime(newTime);
    return MStatus::kSuccess;
}

MTime MAnimControl::minTime()
{
    nbhost::TimeState* time = timeState();
    return time ? time->minTime() : filmTime(1.0);
}

MTime MAnimControl::maxTime()
{
    nbhost::TimeState* time = timeState();
    return time ? time->maxTime() : filmTime(120.0);
}

MStatus MAnimControl::setMinTime(MTime newMinTime)
{
    nbhost::TimeState* time = timeState();
    if (!time)
        return MStatus::kFailure;
    time->setMinTime(newMinTime);
    return MStatus::kSuccess;
}

MStatus MAnimControl::setMaxTime(MTime newMaxTime)
{
    nbhost::TimeState* time = timeState();
    if (!time)
        return MStatus::kFailure;
    time->setMaxTime(newMaxTime);
    return MStatus::kSuccess;
}

MStatus MAnimControl::setMinMaxTime(const MTime& newMinTime, const MTime& newMaxTime)
{
    nbhost::TimeState* time = timeState();
    if (!time || newMaxTime < newMinTime)
        return MStatus::kInvalidParameter;
    time->setMinTime(newMinTime);
    time->setMaxTime(newMaxTime);
    return MStatus::kSuccess;
}

MTime MAnimControl::animationStartTime()
{
    nbhost::TimeState* time = timeState();
    return time ? time->animationStartTime() : filmTime(1.0);
}

MTime MAnimControl::animationEndTime()
{
    nbhost::TimeState* time = timeState();
    return time ? time->animationEndTime() : filmTime(200.0);
}

MStatus MAnimControl::setAnimationStartTime(MTime newStartTime)
{
    nbhost::TimeState* time = timeState();
    if (!time)
        return MStatus::kFailure;
    time->setAnimationStartTime(newStartTime);
    return MStatus::kSuccess;
}

MStatus MAnimControl::setAnimationEndTime(MTime newEndTime)
{
    nbhost::TimeState* time = timeState();
    if (!time)
        return MStatus::kFailure;
    time->setAnimationEndTime(newEndTime);
    return MStatus::kSuccess;
}

MStatus MAnimControl::setAnimationStartEndTime(MTime newStartTime, MTime newEndTime)
{
    nbhost::TimeState* time = timeState();
    if (!time || newEndTime < newStartTime)
        return MStatus::kInvalidParameter;
    time->setAnimationStartTime(newStartTime);
    time->setAnimationEndTime(newEndTime);
    return MStatus::kSuccess;
}

MAnimControl::PlaybackMode MAnimControl::playbackMode(MStatus* ReturnStatus)
{
    nbhost::TimeState* time = timeState();
    if (ReturnStatus)
        *ReturnStatus = time ? MStatus::kSuccess : MStatus::kFailure;
    return time ? time->playbackMode() : kPlaybackLoop;
}

MStatus MAnimControl::setPlaybackMode(PlaybackMode newMode)
{
    nbhost::TimeState* time = timeState();
    if (!time)
        return MStatus::kFailure;
    time->setPlaybackMode(newMode);
    return MStatus::kSuccess;
}

bool MAnimControl::isPlaying()
{
    nbhost::TimeState* time = timeState();
    return time && time->isPlaying();
}

MStatus MAnimControl::playForward()
{
    nbhost::TimeState* time = timeState();
    if (!time)
        return MStatus::kFailure;
    time->setPlaying(true, true);
    return MStatus::kSuccess;
}

MStatus MAnimControl::playBackward()
{
    nbhost::TimeState* time = timeState();
    if (!time)
        return MStatus::kFailure;
    time->setPlaying(true, false);
    return MStatus::kSuccess;
}

MStatus MAnimControl::stop()
{
    nbhost::TimeState* time = timeState();
    if (!time)
        return MStatus::kFailure;
    time->setPlaying(false, time->isPlayingForward());
    return MStatus::kSuccess;
}
