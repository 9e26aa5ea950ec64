#pragma once
// Array of callback ids.

#include <maya/MTypes.h>
#include <maya/MStatus.h>

#include <vector>

class OPENMAYA_EXPORT MCallbackIdArray
{
public:
    MCallbackIdArray();
    MCallbackIdArray(const MCallbackIdArray& other) = default;
    MCallbackIdArray(unsigned int initialSize, MCallbackId initialValue = 0);
    MCallbackIdArray(const MCallbackId values[], unsigned int count);
    ~MCallbackIdArray() = default;

    MCallbackIdArray& operator=(const MCallbackIdArray& other) = default;
    const MCallbackId& operator[](unsigned int index) const;
    MCallbackId& operator[](unsigned int index);

    MStatus set(MCallbackId element, unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(MCallbackId element, unsigned int index);
    MStatus append(MCallbackId element);
    MStatus copy(const MCallbackIdArray& source);
    MStatus clear();
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<MCallbackId> m_items;
};
