#include "scene/PlugValue.h"

#include <algorithm>
#include <cmath>

namespace nbhost {

PlugValue PlugValue::ofNumber(double value)
{
    PlugValue v;
    v.kind = Kind::Number;
    v.number = value;
    return v;
}

PlugValue PlugValue::ofString(std::string value)
{
    PlugValue v;
    v.kind = Kind::String;
    v.text = std::move(value);
    return v;
}

PlugValue PlugValue::ofData(const MObject& value)
{
    PlugValue v;
    v.kind = Kind::Data;
    v.data = value;
    return v;
}

int PlugValue::asInt() const
{
    if (std::isnan(number))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(number), -2147483648.0, 2147483647.0));
}

bool PlugValue::operator==(const PlugValue& other) const
{
    return kind == other.kind && number == other.number && text == other.text && data == other.data;
}

} // namespace nbhost
