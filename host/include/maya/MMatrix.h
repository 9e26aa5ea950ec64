#pragma once
// A 4x4 transformation matrix in double precision. Points are row vectors
// multiplied on the left (p * M), so translation sits in the last row.

#include <maya/MTypes.h>

class OPENMAYA_EXPORT MMatrix
{
public:
    MMatrix();
    MMatrix(const double m[4][4]);

    double operator()(unsigned int row, unsigned int col) const;
    double& operator()(unsigned int row, unsigned int col);
    const double* operator[](unsigned int row) const;
    double* operator[](unsigned int row);

    MMatrix operator*(const MMatrix& right) const;
    MMatrix& operator*=(const MMatrix& right);
    MMatrix operator+(const MMatrix& right) const;
    MMatrix operator-(const MMatrix& right) const;
    bool operator==(const MMatrix& other) const;
    bool operator!=(const MMatrix& other) const;
    bool isEquivalent(const MMatrix& other, double tolerance = 1.0e-10) const;

    MMatrix transpose() const;
    // The inverse; a singular matrix gives the identity.
    MMatrix inverse() const;
    double det4x4() const;
    MMatrix& setToIdentity();
    bool isSingular() const;

    static const MMatrix identity;

    double matrix[4][4];
};
