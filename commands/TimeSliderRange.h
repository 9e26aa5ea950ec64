#pragma once

// The time slider's selected range [start, end) in whole frames. Without a
// highlight the host answers the current frame and the next, so the range is
// then the current frame alone.
struct TimeSliderRange
{
    int start = 0;
    int end = 0;

    static TimeSliderRange Read();
};
