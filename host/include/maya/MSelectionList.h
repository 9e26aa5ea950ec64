#pragma once
// An ordered list of selected nodes. Each node appears once.

#include <maya/MTypes.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <vector>

class MDagPath;
class MStringArray;

class OPENMAYA_EXPORT MSelectionList
{
public:
    enum MergeStrategy
    {
        kMergeNormal,
        kXORWithList,
        kRemoveFromList
    };

    MSelectionList();
    MSelectionList(const MSelectionList& other);
    ~MSelectionList();
    MSelectionList& operator=(const MSelectionList& other);

    MStatus clear();
    bool isEmpty(MStatus* ReturnStatus = nullptr) const;
    unsigned int length(MStatus* ReturnStatus = nullptr) const;

    MStatus getDependNode(unsigned int index, MObject& depNode) const;
    // Fails for an index out of range and for a node outside the DAG.
    MStatus getDagPath(unsigned int index, MDagPath& dagPath) const;
    MStatus getDagPath(unsigned int index, MDagPath& dagPath, MObject& component) const;

    // Adding a node already in the list leaves the list as it is.
    MStatus add(const MObject& object, bool mergeWithExisting = false);
    MStatus add(const MDagPath& object, const MObject& component = MObject::kNullObj,
                bool mergeWithExisting = false);
    // Adds the nodes a name, a DAG path ("|persp|perspShape") or a pattern
    // with * and ? names; kInvalidParameter when nothing matches.
    MStatus add(const MString& matchString, bool searchChildNamespacesToo = false);
    MStatus merge(const MSelectionList& other, MergeStrategy strategy = kMergeNormal);
    MStatus remove(unsigned int index);
    MStatus replace(unsigned int index, const MObject& item);
    MStatus toggle(const MDagPath& item, const MObject& component = MObject::kNullObj);

    bool hasItem(const MObject& item, MStatus* ReturnStatus = nullptr) const;
    bool hasItem(const MDagPath& item, const MObject& component = MObject::kNullObj,
                 MStatus* ReturnStatus = nullptr) const;

    // The names of the items: the partial path of DAG nodes, else the name.
    MStatus getSelectionStrings(MStringArray& array) const;
    MStatus getSelectionStrings(unsigned int index, MStringArray& array) const;

    // Host side: the items, each a node handle.
    const std::vector<MObject>& hostItems() const { return m_items; }

private:
    std::vector<MObject> m_items;
};
