#pragma once
// Walks the DAG from the world (or a given root), depth first or breadth
// first, visiting the nodes whose function sets include the filter type.
// The walk covers the DAG as it was at the last reset; nodes that leave the
// scene meanwhile are skipped.

#include <maya/MTypes.h>
#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <memory>
#include <vector>

class OPENMAYA_EXPORT MItDag
{
public:
    enum TraversalType
    {
        kInvalidType,
        kDepthFirst,
        kBreadthFirst
    };

    // With the filter kInvalid every node is visited, the world first.
    MItDag(TraversalType type = kDepthFirst, MFn::Type filter = MFn::kInvalid,
           MStatus* ReturnStatus = nullptr);
    ~MItDag();

    MStatus reset();
    MStatus reset(const MObject& object, TraversalType type = kDepthFirst,
                  MFn::Type filter = MFn::kInvalid);
    MStatus reset(const MDagPath& path, TraversalType type = kDepthFirst,
                  MFn::Type filter = MFn::kInvalid);

    MObject currentItem(MStatus* ReturnStatus = nullptr);
    MObject item(MStatus* ReturnStatus = nullptr) const;
    MStatus next();
    // Skips the children of the current node.
    MStatus prune();
    bool isDone(MStatus* ReturnStatus = nullptr) const;
    MObject root(MStatus* ReturnStatus = nullptr);
    // Depth of the current node: the world 0, its children 1.
    unsigned int depth(MStatus* ReturnStatus = nullptr) const;
    TraversalType getType(MStatus* ReturnStatus = nullptr) const;

    MStatus getPath(MDagPath& path) const;
    MString fullPathName(MStatus* ReturnStatus = nullptr) const;
    MString partialPathName(MStatus* ReturnStatus = nullptr) const;

private:
    MItDag(const MItDag&) = delete;
    MItDag& operator=(const MItDag&) = delete;
    void collect(const MObject& root);
    bool acceptable(size_t index) const;
    void skipToAcceptable();

    TraversalType m_type = kDepthFirst;
    MFn::Type m_filter = MFn::kInvalid;
    MObject m_root;
    std::vector<MObject> m_items;
    std::vector<MObject> m_pruned;
    size_t m_index = 0;
};
