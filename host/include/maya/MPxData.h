#pragma once
// Base class of plug-in data types: values a typed attribute can hold,
// written to and read from scene files by the type itself.

#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <iosfwd>

class MArgList;

class OPENMAYA_EXPORT MPxData
{
public:
    enum Type
    {
        kData,
        kGeometryData,
        kLast
    };

    MPxData();
    virtual ~MPxData();

    // Reads the value from the arguments of a text scene, starting at
    // endOfTheLastParsedElement, which it leaves after the last one used.
    virtual MStatus readASCII(const MArgList& argList, unsigned int& endOfTheLastParsedElement);
    // Reads the value from length bytes of a binary scene.
    virtual MStatus readBinary(std::istream& in, unsigned int length);
    virtual MStatus writeASCII(std::ostream& out);
    virtual MStatus writeBinary(std::ostream& out);

    virtual void copy(const MPxData& src) = 0;
    virtual MTypeId typeId() const = 0;
    virtual MString name() const = 0;

private:
    MPxData(const MPxData&) = delete;
    MPxData& operator=(const MPxData&) = delete;
};
