#pragma once

#include <maya/MDoubleArray.h>

#include <QList>

// What the node needs of the drawing-frame marks on the host's time slider.
// The interface floor builds the display (a widget over the slider) and
// hands it to BaseNode::SetTimelineMarks; the node decides what it shows.
class TimelineMarks
{
public:
    // Forgets itself in the node, so that a display destroyed with its slider
    // is never used again.
    virtual ~TimelineMarks();

    virtual void SetFrameTimes(const QList<int>& times) = 0;
    virtual void ClearFrameTimes() = 0;
    virtual void SetMarksShown(bool shown) = 0;
    virtual bool MarksShown() const = 0;
    virtual void SetDrawContextActive(bool active) = 0;

    // A highlighted range dragged on the slider: at every time change.
    virtual void UpdateMoveOffset() = 0;
    virtual bool HasMoveOffset() const = 0;
    virtual int GetMoveOffset() const = 0;
    // The highlighted range [start, end) when the gesture began.
    virtual MDoubleArray GetRangeForMoveOffset() const = 0;
};
