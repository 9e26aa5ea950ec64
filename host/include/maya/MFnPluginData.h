#pragma once
// Function set for values of plug-in data types.

#include <maya/MFnData.h>
#include <maya/MTypeId.h>

class MPxData;

class OPENMAYA_EXPORT MFnPluginData : public MFnData
{
public:
    MFnPluginData();
    MFnPluginData(MObject& object, MStatus* ReturnStatus = nullptr);
    MFnPluginData(const MObject& object, MStatus* ReturnStatus = nullptr);
    MFn::Type type() const override;

    // Creates a new value of a registered data type with the type's creator
    // and attaches the function set to it.
    MObject create(const MTypeId& id, MStatus* ReturnStatus = nullptr);

    MTypeId typeId(MStatus* ReturnStatus = nullptr) const;
    MPxData* data(MStatus* ReturnStatus = nullptr);
    const MPxData* constData(MStatus* ReturnStatus = nullptr) const;
};
