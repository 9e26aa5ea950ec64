#pragma once
// A colour with alpha, in single precision.

#include <maya/MTypes.h>

class OPENMAYA_EXPORT MColor
{
public:
    enum MColorType
    {
        kRGB,
        kHSV,
        kCMY,
        kCMYK
    };

    MColor() = default;
    MColor(float rr, float gg, float bb = 0.0f, float aa = 1.0f) : r(rr), g(gg), b(bb), a(aa) {}

    MColor operator*(float scale) const;
    MColor operator+(const MColor& other) const;
    bool operator==(const MColor& other) const;
    bool operator!=(const MColor& other) const;
    float operator[](unsigned int index) const;
    float& operator[](unsigned int index);

    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;
};
