#pragma once
// Base of all function sets: a function set operates on one host object of
// a compatible type.

#include <maya/MTypes.h>
#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

class OPENMAYA_EXPORT MFnBase
{
public:
    virtual ~MFnBase();

    // The type of object this function set operates on.
    virtual MFn::Type type() const;
    bool hasObj(MFn::Type type) const;
    bool hasObj(const MObject& object) const;
    MObject object(MStatus* ReturnStatus = nullptr) const;

    // Attaches the function set; fails, detached, for an incompatible object.
    virtual MStatus setObject(MObject& object);
    virtual MStatus setObject(const MObject& object);

protected:
    MFnBase();
    // Attaches to the object if it is compatible and reports the outcome.
    void attach(const MObject& object, MStatus* ReturnStatus);

    MObject m_object;
};
