#include "commands/FrameRetime.h"

#include <climits>
#include <cstdint>

void FrameRetime::SnapRange(const QList<int>& times, int selStart, int selEnd, int& start, int& end)
{
    start = selStart;
    for (int time : times)
        if (time <= selStart)
            start = time;
    end = selEnd;
    for (auto it = times.crbegin(); it != times.crend(); ++it)
        if (*it >= selEnd)
            end = *it;
}

int FrameRetime::ShownIndex(const QList<int>& times, int start, bool moveToNext)
{
    int later = times.size() - 1;
    for (int i = 0; i < times.size(); ++i) {
        if (times[i] > start) {
            later = moveToNext ? i : i - 1;
            break;
        }
    }
    return later < 0 ? 0 : later;
}

bool FrameRetime::NewTimes(const QList<int>& times, int start, int end, int amount, bool relative,
                           QList<int>& result)
{
    result.clear();
    // Wide arithmetic: large amounts must not wrap around.
    int64_t shift = 0;
    int64_t previous = 0;
    for (int i = 0; i < times.size(); ++i) {
        const int64_t time = times[i];
        int64_t change = 0;
        if (start <= time && time < end && i < times.size() - 1)
            change = relative ? amount : amount - (int64_t(times[i + 1]) - time);
        // Drawings stay at least one frame apart, in their order.
        if (i > 0 && time + shift <= previous)
            shift = previous + 1 - time;
        previous = time + shift;
        if (previous < INT_MIN || previous > INT_MAX) {
            result.clear();
            return false;
        }
        result.append(static_cast<int>(previous));
        shift += change;
    }
    return true;
}
