#include "base/MayaUtil.h"

// The host's time, playback and time slider.

#include <maya/MAnimControl.h>
#include <maya/MGlobal.h>
#include <maya/MObject.h>
#include <maya/MSelectionList.h>

// --- Time and time slider ---------------------------------------------------

bool MayaUtil::IsPlaying()
{
    return MAnimControl::isPlaying();
}

MTime MayaUtil::GetPlaybackTime()
{
    return MAnimControl::currentTime();
}

int MayaUtil::GetPlaybackTimeValue()
{
    return static_cast<int>(MAnimControl::currentTime().as(MTime::uiUnit()));
}

MStatus MayaUtil::SetPlaybackTime(const MTime& time)
{
    return MAnimControl::setCurrentTime(time);
}

void MayaUtil::SetPlaybackTime(int time)
{
    MAnimControl::setCurrentTime(MTime(static_cast<double>(time), MTime::uiUnit()));
}

MTime MayaUtil::GetPlaybackRangeStart()
{
    return MAnimControl::minTime();
}

MTime MayaUtil::GetPlaybackRangeEnd()
{
    return MAnimControl::maxTime();
}

bool MayaUtil::GetTimeSliderRange(MDoubleArray& range)
{
    if (!ExecuteMelDoubleArrayResult(MString("timeControl -q -rangeArray $gPlayBackSlider"), range))
        return false;
    return range.length() >= 2 && range[1] != range[0];
}

bool MayaUtil::IsTimeSliderRangeVisible()
{
    int visible = 0;
    return ExecuteMelIntResult(MString("timeControl -q -rangeVisible $gPlayBackSlider"), visible)
        && visible != 0;
}

// Setting the selection raises the host's selection-change event, which
// redraws the timeline overlay. An empty selection is restored as well, so
// the user's selection is never changed by a refresh.
void MayaUtil::RefreshTimeControl(const MObject& node)
{
    MSelectionList selection;
    MGlobal::getActiveSelectionList(selection);
    if (selection.length() == 0) {
        MSelectionList nodeOnly;
        nodeOnly.add(node);
        MGlobal::setActiveSelectionList(nodeOnly);
        MGlobal::clearSelectionList();
    } else {
        MGlobal::clearSelectionList();
        MGlobal::setActiveSelectionList(selection);
    }
}
