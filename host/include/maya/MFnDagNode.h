#pragma once
// Function set for DAG nodes: parents, children and paths. Nodes of this
// host have one parent (there is no instancing).

#include <maya/MFnDependencyNode.h>
#include <maya/MDagPath.h>
#include <maya/MMatrix.h>

class OPENMAYA_EXPORT MFnDagNode : public MFnDependencyNode
{
public:
    static const unsigned int kNextPos = 0xff;

    MFnDagNode();
    MFnDagNode(MObject& object, MStatus* ReturnStatus = nullptr);
    MFnDagNode(const MObject& object, MStatus* ReturnStatus = nullptr);
    // A path to a transform reaches the function set of its shape when the
    // transform itself is not compatible.
    MFnDagNode(const MDagPath& path, MStatus* ReturnStatus = nullptr);
    MFn::Type type() const override;

    using MFnBase::setObject;
    MStatus setObject(const MDagPath& path);

    // Creates a node under parent (null: the world; a shape type then gets a
    // new transform, which is returned) outside any undo step.
    MObject create(const MTypeId& typeId, const MObject& parent = MObject::kNullObj,
                   MStatus* ReturnStatus = nullptr);
    MObject create(const MTypeId& typeId, const MString& name,
                   const MObject& parent = MObject::kNullObj, MStatus* ReturnStatus = nullptr);
    MObject create(const MString& type, const MObject& parent = MObject::kNullObj,
                   MStatus* ReturnStatus = nullptr);
    MObject create(const MString& type, const MString& name,
                   const MObject& parent = MObject::kNullObj, MStatus* ReturnStatus = nullptr);

    unsigned int parentCount(MStatus* ReturnStatus = nullptr) const;
    MObject parent(unsigned int i, MStatus* ReturnStatus = nullptr) const;
    unsigned int childCount(MStatus* ReturnStatus = nullptr) const;
    MObject child(unsigned int i, MStatus* ReturnStatus = nullptr) const;
    bool hasParent(const MObject& node, MStatus* ReturnStatus = nullptr) const;
    bool hasChild(const MObject& node, MStatus* ReturnStatus = nullptr) const;
    bool isChildOf(const MObject& node, MStatus* ReturnStatus = nullptr) const;
    bool isParentOf(const MObject& node, MStatus* ReturnStatus = nullptr) const;
    // Moves child under this node; keepExistingParents is not supported
    // (nodes have one parent).
    MStatus addChild(MObject& child, unsigned int index = kNextPos, bool keepExistingParents = false);

    MString fullPathName(MStatus* ReturnStatus = nullptr) const;
    MString partialPathName(MStatus* ReturnStatus = nullptr) const;
    MStatus getPath(MDagPath& path) const;
    MDagPath dagPath(MStatus* ReturnStatus = nullptr) const;
    MObject dagRoot(MStatus* ReturnStatus = nullptr);
    // The node's own local transformation (identity for non-transforms).
    MMatrix transformationMatrix(MStatus* ReturnStatus = nullptr) const;

protected:
    // Attaches to the path's node, or to the first compatible shape below
    // a transform.
    void attachPath(const MDagPath& path, MStatus* ReturnStatus);
};
