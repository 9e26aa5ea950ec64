#pragma once
// Array of MString values.

#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <iosfwd>
#include <vector>

class OPENMAYA_EXPORT MStringArray
{
public:
    MStringArray();
    MStringArray(const MStringArray& other) = default;
    MStringArray(unsigned int initialSize, const MString& initialValue = MString());
    MStringArray(const MString values[], unsigned int count);
    ~MStringArray() = default;

    MStringArray& operator=(const MStringArray& other) = default;
    bool operator==(const MStringArray& other) const;
    bool operator!=(const MStringArray& other) const;

    const MString& operator[](unsigned int index) const;
    MString& operator[](unsigned int index);

    MStatus set(const MString& value, unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(const MString& value, unsigned int index);
    MStatus append(const MString& value);
    MStatus copy(const MStringArray& source);
    MStatus clear();
    MStatus get(MString out[]) const;
    void setSizeIncrement(unsigned int increment);
    unsigned int sizeIncrement() const;

private:
    std::vector<MString> m_items;
};

OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MStringArray& array);
