#pragma once

#include <maya/MTime.h>

#include <string>

namespace nbhost {

// The table of time units: their length and the names the host's script
// commands use for them ("film", "ntsc", "23.976fps" ...).
class TimeUnits
{
public:
    // Units in one second; 0 for kInvalid, kUserDef and kLast.
    static double unitsPerSecond(MTime::Unit unit);
    // Converts a value from one unit to another; 0 if either is not valid.
    static double convert(double value, MTime::Unit from, MTime::Unit to);
    static bool isValid(MTime::Unit unit);

    // The name written by `currentUnit -q -time`.
    static std::string name(MTime::Unit unit);
    // Accepts the short names and a few long spellings; kInvalid if unknown.
    static MTime::Unit fromName(const std::string& name);
};

} // namespace nbhost
