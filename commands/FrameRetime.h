#pragma once

#include <QList>

// The arithmetic of a retime: which drawings the time-slider selection
// covers, which drawing is shown afterwards, and the new frame times. The
// drawings inside the range get the new spacing; the later ones follow, and
// no two drawings ever share a time or change their order.
class FrameRetime
{
public:
    // Widens the selection [selStart, selEnd) to the drawings around it: the
    // start to the latest drawing at or before selStart, the end to the
    // earliest drawing at or after selEnd. An end with no drawing beyond it
    // (or a start with none before it) stays as selected.
    static void SnapRange(const QList<int>& times, int selStart, int selEnd, int& start, int& end);

    // Index of the drawing to show after the retime: the one shown at the
    // range start, or with moveToNext the one after it. 0 for no drawings.
    static int ShownIndex(const QList<int>& times, int start, bool moveToNext);

    // The new times of the ascending `times`: every drawing in [start, end)
    // but the last is held for `amount` frames, or `amount` frames longer
    // when relative. False, leaving `result` empty, when a time would leave
    // the range of frame numbers.
    static bool NewTimes(const QList<int>& times, int start, int end, int amount, bool relative,
                         QList<int>& result);
};
