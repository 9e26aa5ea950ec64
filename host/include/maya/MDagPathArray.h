#pragma once
// Array of DAG paths.

#include <maya/MTypes.h>
#include <maya/MDagPath.h>
#include <maya/MStatus.h>

#include <vector>

class OPENMAYA_EXPORT MDagPathArray
{
public:
    MDagPathArray();
    MDagPathArray(const MDagPathArray& other);
    ~MDagPathArray();
    MDagPathArray& operator=(const MDagPathArray& other);

    const MDagPath& operator[](unsigned int index) const;
    MDagPath& operator[](unsigned int index);
    unsigned int length() const;
    MStatus setLength(unsigned int length);
    MStatus append(const MDagPath& path);
    MStatus insert(const MDagPath& path, unsigned int index);
    MStatus remove(unsigned int index);
    MStatus clear();

private:
    std::vector<MDagPath> m_items;
};
