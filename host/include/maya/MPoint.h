#pragma once
// A homogeneous point in 3D space (x, y, z, w), in double precision.

#include <maya/MTypes.h>

class MMatrix;
class MVector;

class OPENMAYA_EXPORT MPoint
{
public:
    MPoint() = default;
    MPoint(double xx, double yy, double zz = 0.0, double ww = 1.0) : x(xx), y(yy), z(zz), w(ww) {}
    MPoint(const MVector& vector);

    MVector operator-(const MPoint& other) const;
    MPoint operator+(const MVector& offset) const;
    MPoint operator-(const MVector& offset) const;
    MPoint& operator+=(const MVector& offset);
    MPoint& operator-=(const MVector& offset);
    MPoint operator*(double scale) const;
    MPoint operator*(const MMatrix& matrix) const;
    MPoint& operator*=(const MMatrix& matrix);

    bool operator==(const MPoint& other) const;
    bool operator!=(const MPoint& other) const;
    bool isEquivalent(const MPoint& other, double tolerance = 1.0e-10) const;
    double operator[](unsigned int index) const;
    double& operator[](unsigned int index);

    // Divides x, y and z by w and sets w to 1.
    MPoint& cartesianize();
    // Multiplies x, y and z by w.
    MPoint& homogenize();
    double distanceTo(const MPoint& other) const;

    static const MPoint origin;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 1.0;
};
