#pragma once

#include <string>

namespace nbhost {

// The linear and angular units of the scene (`currentUnit -linear/-angle`),
// by their short names. The host keeps them so scenes can state them; it
// does not convert lengths or angles.
class SceneUnits
{
public:
    const std::string& linear() const { return m_linear; }
    const std::string& angle() const { return m_angle; }
    // Accept short or long names ("cm", "centimeter"); false if unknown.
    bool setLinear(const std::string& name);
    bool setAngle(const std::string& name);

private:
    std::string m_linear = "cm";
    std::string m_angle = "deg";
};

} // namespace nbhost
