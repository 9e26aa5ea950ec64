#pragma once
// Walks every node of the scene in creation order, visiting those whose
// function sets include the filter type. The walk covers the nodes that
// existed at the last reset; nodes that leave the scene meanwhile are
// skipped.

#include <maya/MTypes.h>
#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <vector>

class OPENMAYA_EXPORT MItDependencyNodes
{
public:
    MItDependencyNodes(MFn::Type filter = MFn::kInvalid, MStatus* ReturnStatus = nullptr);
    ~MItDependencyNodes();

    MStatus reset(MFn::Type filter = MFn::kInvalid);
    MObject thisNode(MStatus* ReturnStatus = nullptr) const;
    MObject item(MStatus* ReturnStatus = nullptr) const;
    MStatus next();
    bool isDone(MStatus* ReturnStatus = nullptr) const;

private:
    MItDependencyNodes(const MItDependencyNodes&) = delete;
    MItDependencyNodes& operator=(const MItDependencyNodes&) = delete;
    void skipToAcceptable();

    MFn::Type m_filter = MFn::kInvalid;
    std::vector<MObject> m_items;
    size_t m_index = 0;
};
