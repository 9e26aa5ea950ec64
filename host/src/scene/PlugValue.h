#pragma once

#include <maya/MObject.h>

#include <string>

namespace nbhost {

// The value held by one plug of a node: a number (every numeric type is
// kept as a double, already rounded and clamped for its attribute), a
// string, or a data object of a plug-in data type. Compound plugs hold
// nothing themselves; their children hold the values.
struct PlugValue
{
    enum class Kind { None, Number, String, Data };

    Kind kind = Kind::None;
    double number = 0.0;
    std::string text;
    MObject data;

    static PlugValue ofNumber(double value);
    static PlugValue ofString(std::string value);
    static PlugValue ofData(const MObject& value);

    // The number as an int, saturated at the int range (NaN gives 0).
    int asInt() const;

    bool operator==(const PlugValue& other) const;
    bool operator!=(const PlugValue& other) const { return !(*this == other); }
};

} // namespace nbhost
