#include "commands/TimeSliderRange.h"

#include "base/MayaUtil.h"

#include <maya/MDoubleArray.h>

#include <climits>
#include <cmath>

namespace {

// Truncated toward zero and kept within the range of frame numbers.
int WholeFrame(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= double(INT_MIN))
        return INT_MIN;
    if (value >= double(INT_MAX))
        return INT_MAX;
    return int(value);
}

} // namespace

TimeSliderRange TimeSliderRange::Read()
{
    TimeSliderRange range;
    MDoubleArray values;
    MayaUtil::GetTimeSliderRange(values);
    if (values.length() >= 2) {
        range.start = WholeFrame(values[0]);
        range.end = WholeFrame(values[1]);
    }
    return range;
}
