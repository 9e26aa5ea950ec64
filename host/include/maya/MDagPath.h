#pragma once
// A path from the world down to a DAG node. Nodes of this host have one
// parent, so each node has exactly one path.

#include <maya/MTypes.h>
#include <maya/MFn.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

class MDagPathArray;

class OPENMAYA_EXPORT MDagPath
{
public:
    MDagPath();
    MDagPath(const MDagPath& other);
    ~MDagPath();
    MDagPath& operator=(const MDagPath& other);
    bool operator==(const MDagPath& other) const;
    MStatus set(const MDagPath& src);

    // Fails (kInvalidParameter) for objects that are not DAG nodes in the scene.
    static MStatus getAPathTo(const MObject& node, MDagPath& path);
    static MDagPath getAPathTo(const MObject& node, MStatus* ReturnStatus = nullptr);
    static MStatus getAllPathsTo(const MObject& node, MDagPathArray& paths);

    // True for the node's own type, and for a transform also when its
    // first shape has the type.
    bool hasFn(MFn::Type type, MStatus* ReturnStatus = nullptr) const;
    MFn::Type apiType(MStatus* ReturnStatus = nullptr) const;
    // False for an empty path and once the node has left the scene.
    bool isValid(MStatus* ReturnStatus = nullptr) const;
    MObject node(MStatus* ReturnStatus = nullptr) const;
    // The node itself when it is a transform, else its parent transform.
    MObject transform(MStatus* ReturnStatus = nullptr) const;
    // Number of nodes below the world on the path.
    unsigned int length(MStatus* ReturnStatus = nullptr) const;
    bool isInstanced(MStatus* ReturnStatus = nullptr) const;
    unsigned int instanceNumber(MStatus* ReturnStatus = nullptr) const;

    unsigned int childCount(MStatus* ReturnStatus = nullptr) const;
    MObject child(unsigned int i, MStatus* ReturnStatus = nullptr) const;
    MStatus push(const MObject& child);
    MStatus pop(unsigned int num = 1);
    MStatus extendToShape();
    MStatus extendToShapeDirectlyBelow(unsigned int index);
    MStatus numberOfShapesDirectlyBelow(unsigned int& num) const;

    MMatrix inclusiveMatrix(MStatus* ReturnStatus = nullptr) const;
    MMatrix exclusiveMatrix(MStatus* ReturnStatus = nullptr) const;
    MMatrix inclusiveMatrixInverse(MStatus* ReturnStatus = nullptr) const;
    MMatrix exclusiveMatrixInverse(MStatus* ReturnStatus = nullptr) const;

    MString fullPathName(MStatus* ReturnStatus = nullptr) const;
    MString partialPathName(MStatus* ReturnStatus = nullptr) const;

private:
    MObject m_node;
};
