#pragma once
// The host's time and playback control.

#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MTime.h>

class OPENMAYAANIM_EXPORT MAnimControl
{
public:
    enum PlaybackMode
    {
        kPlaybackOnce,
        kPlaybackLoop,
        kPlaybackOscillate
    };

    MAnimControl() = default;
    virtual ~MAnimControl() = default;

    static MTime currentTime();
    static MStatus setCurrentTime(const MTime& newTime);

    static MTime minTime();
    static MTime maxTime();
    static MStatus setMinTime(MTime newMinTime);
    static MStatus setMaxTime(MTime newMaxTime);
    static MStatus setMinMaxTime(const MTime& newMinTime, const MTime& newMaxTime);

    static MTime animationStartTime();
    static MTime animationEndTime();
    static MStatus setAnimationStartTime(MTime newStartTime);
    static MStatus setAnimationEndTime(MTime newEndTime);
    static MStatus setAnimationStartEndTime(MTime newStartTime, MTime newEndTime);

    static PlaybackMode playbackMode(MStatus* ReturnStatus = nullptr);
    static MStatus setPlaybackMode(PlaybackMode newMode);

    static bool isPlaying();
    static MStatus playForward();
    static MStatus playBackward();
    static MStatus stop();
};
