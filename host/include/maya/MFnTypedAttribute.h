#pragma once
// Function set for typed attributes: attributes whose value is a data
// object (a string, or a value of a plug-in data type).

#include <maya/MFnAttribute.h>
#include <maya/MFnData.h>
#include <maya/MTypeId.h>

class OPENMAYA_EXPORT MFnTypedAttribute : public MFnAttribute
{
public:
    MFnTypedAttribute();
    MFnTypedAttribute(MObject& object, MStatus* ReturnStatus = nullptr);
    MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus = nullptr);
    MFn::Type type() const override;

    // An attribute holding values of a registered plug-in data type.
    MObject create(const MString& fullName, const MString& briefName, const MTypeId& id,
                   MObject defaultData = MObject::kNullObj,
                   MStatus* ReturnStatus = nullptr);
    // An attribute holding values of a built-in data type (this host: strings).
    MObject create(const MString& fullName, const MString& briefName, MFnData::Type type,
                   MObject defaultData = MObject::kNullObj,
                   MStatus* ReturnStatus = nullptr);

    MFnData::Type attrType(MStatus* ReturnStatus = nullptr) const;
    MStatus getDefault(MObject& defaultValue);
    MStatus setDefault(const MObject& defaultValue);
};
