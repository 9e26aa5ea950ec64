#pragma once
// Function set for numeric attributes: single values (boolean, integer,
// float, double) and compounds of two or three numeric children.

#include <maya/MFnAttribute.h>
#include <maya/MFnNumericData.h>

class OPENMAYA_EXPORT MFnNumericAttribute : public MFnAttribute
{
public:
    MFnNumericAttribute();
    MFnNumericAttribute(MObject& object, MStatus* ReturnStatus = nullptr);
    MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus = nullptr);
    MFn::Type type() const override;

    MObject create(const MString& fullName, const MString& briefName,
                   MFnNumericData::Type unitType, double defaultValue = 0,
                   MStatus* ReturnStatus = nullptr);
    MObject create(const MString& fullName, const MString& briefName, const MObject& child1,
                   const MObject& child2, const MObject& child3 = MObject::kNullObj,
                   MStatus* ReturnStatus = nullptr);

    MFnNumericData::Type unitType(MStatus* ReturnStatus = nullptr) const;

    MStatus setMin(double value);
    MStatus setMax(double value);
    bool hasMin(MStatus* ReturnStatus = nullptr) const;
    bool hasMax(MStatus* ReturnStatus = nullptr) const;
    MStatus getMin(double& value) const;
    MStatus getMax(double& value) const;

    MStatus setDefault(bool value);
    MStatus setDefault(int value);
    MStatus setDefault(float value);
    MStatus setDefault(double value);
    MStatus getDefault(bool& value);
    MStatus getDefault(int& value);
    MStatus getDefault(float& value);
    MStatus getDefault(double& value);
};
