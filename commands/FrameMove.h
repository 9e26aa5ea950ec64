#pragma once

#include <QList>

#include <cstdint>

// The arithmetic of moving drawings along the timeline by an offset: which
// drawings move, in which order, and whether one would land on a drawing
// that stays.
class FrameMove
{
public:
    // Takes the times from start to end (both included) out of `all` and
    // returns them in the order they must move: the drawing nearest the
    // direction of travel first, so that none lands on one yet to move.
    static QList<int> TakeMovingTimes(QList<int>& all, int offset, int start, int end);

    // The first target time that a staying drawing already holds, or that
    // lies outside the range of frame numbers; false when every target is
    // free.
    static bool FindBlockedTarget(const QList<int>& staying, const QList<int>& moving, int offset,
                                  int64_t& target);
};
