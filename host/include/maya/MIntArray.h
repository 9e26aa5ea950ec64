#pragma once
// Array of int values.

#include <maya/MTypes.h>
#include <maya/MStatus.h>

#include <iosfwd>
#include <vector>

class OPENMAYA_EXPORT MIntArray
{
public:
    MIntArray();
    MIntArray(const MIntArray& other) = default;
    MIntArray(unsigned int initialSize, int initialValue = int());
    MIntArray(const int values[], unsigned int count);
    ~MIntArray() = default;

    MIntArray& operator=(const MIntArray& other) = default;
    bool operator==(const MIntArray& other) const;
    bool operator!=(const MIntArray& other) const;

    const int& operator[](unsigned int index) const;
    int& operator[](unsigned int index);

    MStatus set(int value, unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(int value, unsigned int index);
    MStatus append(int value);
    MStatus copy(const MIntArray& source);
    MStatus clear();
    MStatus get(int out[]) const;
    void setSizeIncrement(unsigned int increment);
    unsigned int sizeIncrement() const;

private:
    std::vector<int> m_items;
};

OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MIntArray& array);
