#pragma once
// MDGModifier for DAG nodes: creation under a parent and reparenting.

#include <maya/MDGModifier.h>

class OPENMAYA_EXPORT MDagModifier : public MDGModifier
{
public:
    MDagModifier();
    ~MDagModifier() override;

    // Creates a DAG node under parent (null: the world). A shape without a
    // parent gets a new transform, and the transform is returned.
    MObject createNode(const MTypeId& typeId, const MObject& parent = MObject::kNullObj,
                       MStatus* ReturnStatus = nullptr);
    MObject createNode(const MString& type, const MObject& parent = MObject::kNullObj,
                       MStatus* ReturnStatus = nullptr);
    MStatus reparentNode(const MObject& node, const MObject& newParent = MObject::kNullObj);
};
