#include <maya/MMatrix.h>

#include <cmath>
#include <utility>

namespace {
const double kIdentity[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
}

const MMatrix MMatrix::identity;

MMatrix::MMatrix() : MMatrix(kIdentity) {}

MMatrix::MMatrix(const double m[4][4])
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] = m[r][c];
}

double MMatrix::operator()(unsigned int row, unsigned int col) const { return matrix[row][col]; }
double& MMatrix::operator()(unsigned int row, unsigned int col) { return matrix[row][col]; }
const double* MMatrix::operator[](unsigned int row) const { return matrix[row]; }
double* MMatrix::operator[](unsigned int row) { return matrix[row]; }

MMatrix MMatrix::operator*(const MMatrix& right) const
{
    MMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += matrix[r][k] * right.matrix[k][c];
            result.matrix[r][c] = sum;
        }
    return result;
}

MMatrix& MMatrix::operator*=(const MMatrix& right) { return *this = *this * right; }

MMatrix MMatrix::operator+(const MMatrix& right) const
{
    MMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.matrix[r][c] = matrix[r][c] + right.matrix[r][c];
    return result;
}

MMatrix MMatrix::operator-(const MMatrix& right) const
{
    MMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.matrix[r][c] = matrix[r][c] - right.matrix[r][c];
    return result;
}

bool MMatrix::operator==(const MMatrix& other) const { return isEquivalent(other, 0.0); }
bool MMatrix::operator!=(const MMatrix& other) const { return !(*this == other); }

bool MMatrix::isEquivalent(const MMatrix& other, double tolerance) const
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (std::fabs(matrix[r][c] - other.matrix[r][c]) > tolerance)
                return false;
    return true;
}

MMatrix MMatrix::transpose() const
{
    MMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.matrix[r][c] = matrix[c][r];
    return result;
}

MMatrix MMatrix::inverse() const
{
    // Gauss-Jordan elimination with partial pivoting.
    double a[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            a[r][c] = matrix[r][c];
            a[r][c + 4] = r == c ? 1.0 : 0.0;
        }
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
                pivot = r;
        if (std::fabs(a[pivot][col]) < 1.0e-300)
            return MMatrix();
        for (int c = 0; c < 8; ++c)
            std::swap(a[col][c], a[pivot][c]);
        const double scale = a[col][col];
        for (int c = 0; c < 8; ++c)
            a[col][c] /= scale;
        for (int r = 0; r < 4; ++r) {
            if (r == col)
                continue;
            const double factor = a[r][col];
            for (int c = 0; c < 8; ++c)
                a[r][c] -= factor * a[col][c];
        }
    }
    MMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.matrix[r][c] = a[r][c + 4];
    return result;
}

double MMatrix::det4x4() const
{
    const auto& m = matrix;
    auto det3 = [&m](int r0, int r1, int r2, int c0, int c1, int c2) {
        return m[r0][c0] * (m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1])
             - m[r0][c1] * (m[r1][c0] * m[r2][c2] - m[r1][c2] * m[r2][c0])
             + m[r0][c2] * (m[r1][c0] * m[r2][c1] - m[r1][c1] * m[r2][c0]);
    };
    return m[0][0] * det3(1, 2, 3, 1, 2, 3) - m[0][1] * det3(1, 2, 3, 0, 2, 3)
         + m[0][2] * det3(1, 2, 3, 0, 1, 3) - m[0][3] * det3(1, 2, 3, 0, 1, 2);
}

MMatrix& MMatrix::setToIdentity() { return *this = MMatrix(); }
bool MMatrix::isSingular() const { return std::fabs(det4x4()) < 1.0e-12; }
