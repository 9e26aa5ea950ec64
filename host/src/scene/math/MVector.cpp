#include <maya/MVector.h>

#include <maya/MMatrix.h>
#include <maya/MPoint.h>

#include <cmath>

const MVector MVector::zero(0.0, 0.0, 0.0);
const MVector MVector::xAxis(1.0, 0.0, 0.0);
const MVector MVector::yAxis(0.0, 1.0, 0.0);
const MVector MVector::zAxis(0.0, 0.0, 1.0);

MVector::MVector(const MPoint& point) : x(point.x), y(point.y), z(point.z) {}

MVector MVector::operator+(const MVector& o) const { return MVector(x + o.x, y + o.y, z + o.z); }
MVector MVector::operator-(const MVector& o) const { return MVector(x - o.x, y - o.y, z - o.z); }
MVector MVector::operator-() const { return MVector(-x, -y, -z); }
MVector MVector::operator*(double s) const { return MVector(x * s, y * s, z * s); }
MVector MVector::operator/(double s) const { return MVector(x / s, y / s, z / s); }
MVector& MVector::operator+=(const MVector& o) { x += o.x; y += o.y; z += o.z; return *this; }
MVector& MVector::operator-=(const MVector& o) { x -= o.x; y -= o.y; z -= o.z; return *this; }
MVector& MVector::operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
double MVector::operator*(const MVector& o) const { return x * o.x + y * o.y + z * o.z; }

MVector MVector::operator^(const MVector& o) const
{
    return MVector(y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x);
}

MVector MVector::operator*(const MMatrix& m) const
{
    return MVector(x * m(0, 0) + y * m(1, 0) + z * m(2, 0),
                   x * m(0, 1) + y * m(1, 1) + z * m(2, 1),
                   x * m(0, 2) + y * m(1, 2) + z * m(2, 2));
}

bool MVector::operator==(const MVector& o) const { return x == o.x && y == o.y && z == o.z; }
bool MVector::operator!=(const MVector& o) const { return !(*this == o); }

bool MVector::isEquivalent(const MVector& o, double tolerance) const
{
    return std::fabs(x - o.x) <= tolerance && std::fabs(y - o.y) <= tolerance
        && std::fabs(z - o.z) <= tolerance;
}

double MVector::operator[](unsigned int i) const { return i == 0 ? x : i == 1 ? y : z; }
double& MVector::operator[](unsigned int i) { return i == 0 ? x : i == 1 ? y : z; }

double MVector::length() const { return std::sqrt(x * x + y * y + z * z); }

MVector MVector::normal() const
{
    MVector result(*this);
    result.normalize();
    return result;
}

MStatus MVector::normalize()
{
    const double len = length();
    if (len == 0.0)
        return MStatus::kFailure;
    *this = *this / len;
    return MStatus::kSuccess;
}

MVector operator*(double scale, const MVector& vector) { return vector * scale; }
