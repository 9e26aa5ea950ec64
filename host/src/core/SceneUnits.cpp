#include "core/SceneUnits.h"

namespace nbhost {

namespace {

struct UnitName
{
    const char* shortName;
    const char* longName;
};

const UnitName kLinear[] = {{"mm", "millimeter"}, {"cm", "centimeter"}, {"m", "meter"},
                            {"km", "kilometer"},  {"in", "inch"},       {"ft", "foot"},
                            {"yd", "yard"},       {"mi", "mile"}};
const UnitName kAngle[] = {{"deg", "degree"}, {"rad", "radian"}};

template <size_t N>
bool assign(const UnitName (&names)[N], const std::string& name, std::string& target)
{
    for (const UnitName& unit : names) {
        if (name == unit.shortName || name == unit.longName) {
            target = unit.shortName;
            return true;
        }
    }
    return false;
}

} // namespace

bool SceneUnits::setLinear(const std::string& name) { return assign(kLinear, name, m_linear); }
bool SceneUnits::setAngle(const std::string& name) { return assign(kAngle, name, m_angle); }

} // namespace nbhost
