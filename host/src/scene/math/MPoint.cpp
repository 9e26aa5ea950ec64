#include <maya/MPoint.h>

#include <maya/MMatrix.h>
#include <maya/MVector.h>

#include <cmath>

const MPoint MPoint::origin(0.0, 0.0, 0.0, 1.0);

MPoint::MPoint(const MVector& v) : x(v.x), y(v.y), z(v.z), w(1.0) {}

MVector MPoint::operator-(const MPoint& o) const { return MVector(x - o.x, y - o.y, z - o.z); }
MPoint MPoint::operator+(const MVector& v) const { return MPoint(x + v.x, y + v.y, z + v.z, w); }
MPoint MPoint::operator-(const MVector& v) const { return MPoint(x - v.x, y - v.y, z - v.z, w); }
MPoint& MPoint::operator+=(const MVector& v) { x += v.x; y += v.y; z += v.z; return *this; }
MPoint& MPoint::operator-=(const MVector& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
MPoint MPoint::operator*(double s) const { return MPoint(x * s, y * s, z * s, w); }

MPoint MPoint::operator*(const MMatrix& m) const
{
    MPoint r;
    for (unsigned int c = 0; c < 4; ++c)
        r[c] = x * m(0, c) + y * m(1, c) + z * m(2, c) + w * m(3, c);
    return r;
}

MPoint& MPoint::operator*=(const MMatrix& m) { return *this = *this * m; }

bool MPoint::operator==(const MPoint& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
bool MPoint::operator!=(const MPoint& o) const { return !(*this == o); }

bool MPoint::isEquivalent(const MPoint& o, double tolerance) const
{
    MPoint a(*this), b(o);
    a.cartesianize();
    b.cartesianize();
    return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance
        && std::fabs(a.z - b.z) <= tolerance;
}

double MPoint::operator[](unsigned int i) const { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }
double& MPoint::operator[](unsigned int i) { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }

MPoint& MPoint::cartesianize()
{
    // A point at infinity has no Cartesian form; it is left as it is.
    if (w != 0.0 && w != 1.0) {
        x /= w;
        y /= w;
        z /= w;
        w = 1.0;
    }
    return *this;
}

MPoint& MPoint::homogenize()
{
    x *= w;
    y *= w;
    z *= w;
    return *this;
}

double MPoint::distanceTo(const MPoint& o) const
{
    MPoint a(*this), b(o);
    return (a.cartesianize() - b.cartesianize()).length();
}
