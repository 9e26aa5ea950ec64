#include "commands/FrameMove.h"

#include <climits>

QList<int> FrameMove::TakeMovingTimes(QList<int>& all, int offset, int start, int end)
{
    QList<int> moving;
    for (int i = all.size() - 1; i >= 0; --i) {
        const int time = all[i];
        if (time < start || time > end)
            continue;
        all.removeAt(i);
        if (offset > 0)
            moving.append(time);
        else
            moving.prepend(time);
    }
    return moving;
}

bool FrameMove::FindBlockedTarget(const QList<int>& staying, const QList<int>& moving, int offset,
                                  int64_t& target)
{
    for (int time : moving) {
        target = int64_t(time) + offset;
        if (target < INT_MIN || target > INT_MAX || staying.contains(static_cast<int>(target)))
            return true;
    }
    return false;
}
