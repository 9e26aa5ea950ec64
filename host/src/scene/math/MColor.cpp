#include <maya/MColor.h>

MColor MColor::operator*(float s) const { return MColor(r * s, g * s, b * s, a * s); }
MColor MColor::operator+(const MColor& o) const { return MColor(r + o.r, g + o.g, b + o.b, a + o.a); }
bool MColor::operator==(const MColor& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
bool MColor::operator!=(const MColor& o) const { return !(*this == o); }
float MColor::operator[](unsigned int i) const { return i == 0 ? r : i == 1 ? g : i == 2 ? b : a; }
float& MColor::operator[](unsigned int i) { return i == 0 ? r : i == 1 ? g : i == 2 ? b : a; }
