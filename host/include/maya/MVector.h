#pragma once
// A direction or offset in 3D space, in double precision.

#include <maya/MTypes.h>
#include <maya/MStatus.h>

class MMatrix;
class MPoint;

class OPENMAYA_EXPORT MVector
{
public:
    MVector() = default;
    MVector(double xx, double yy, double zz = 0.0) : x(xx), y(yy), z(zz) {}
    MVector(const MPoint& point);

    MVector operator+(const MVector& other) const;
    MVector operator-(const MVector& other) const;
    MVector operator-() const;
    MVector operator*(double scale) const;
    MVector operator/(double scale) const;
    MVector& operator+=(const MVector& other);
    MVector& operator-=(const MVector& other);
    MVector& operator*=(double scale);
    // Dot and cross product.
    double operator*(const MVector& other) const;
    MVector operator^(const MVector& other) const;
    // Transforms the direction by the rotation and scale of a matrix.
    MVector operator*(const MMatrix& matrix) const;

    bool operator==(const MVector& other) const;
    bool operator!=(const MVector& other) const;
    bool isEquivalent(const MVector& other, double tolerance = 1.0e-10) const;
    double operator[](unsigned int index) const;
    double& operator[](unsigned int index);

    double length() const;
    MVector normal() const;
    MStatus normalize();

    static const MVector zero;
    static const MVector xAxis;
    static const MVector yAxis;
    static const MVector zAxis;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

OPENMAYA_EXPORT MVector operator*(double scale, const MVector& vector);
