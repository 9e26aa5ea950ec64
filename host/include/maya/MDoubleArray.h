#pragma once
// Array of double values.

#include <maya/MTypes.h>
#include <maya/MStatus.h>

#include <iosfwd>
#include <vector>

class OPENMAYA_EXPORT MDoubleArray
{
public:
    MDoubleArray();
    MDoubleArray(const MDoubleArray& other) = default;
    MDoubleArray(unsigned int initialSize, double initialValue = double());
    MDoubleArray(const double values[], unsigned int count);
    ~MDoubleArray() = default;

    MDoubleArray& operator=(const MDoubleArray& other) = default;
    bool operator==(const MDoubleArray& other) const;
    bool operator!=(const MDoubleArray& other) const;

    double operator[](unsigned int index) const;
    double& operator[](unsigned int index);

    MStatus set(double value, unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(double value, unsigned int index);
    MStatus append(double value);
    MStatus copy(const MDoubleArray& source);
    MStatus clear();
    MStatus get(double out[]) const;
    void setSizeIncrement(unsigned int increment);
    unsigned int sizeIncrement() const;

private:
    std::vector<double> m_items;
};

OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MDoubleArray& array);
