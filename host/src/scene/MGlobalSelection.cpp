// The selection functions of MGlobal: they read and change the scene's
// active selection, which fires "SelectionChanged" on every change.
#include <maya/MGlobal.h>

#include <maya/MSelectionList.h>

#include "scene/Node.h"
#include "scene/ReturnStatus.h"
#include "scene/Scene.h"

#include <algorithm>

namespace {

nbhost::ActiveSelection& active() { return nbhost::Scene::instance().selection(); }

// Only nodes in the scene can be selected.
MSelectionList inScene(const MSelectionList& list)
{
    MSelectionList result;
    for (const MObject& item : list.hostItems())
        if (nbhost::Node* node = nbhost::Node::from(item); node && node->inScene() && !node->isWorld())
            result.add(item);
    return result;
}

MSelectionList adjusted(const MSelectionList& current, const MSelectionList& change,
                        MGlobal::ListAdjustment adjustment)
{
    MSelectionList result = current;
    switch (adjustment) {
    case MGlobal::kReplaceList:
        return change;
    case MGlobal::kXORWithList:
        result.merge(change, MSelectionList::kXORWithList);
        return result;
    case MGlobal::kAddToList:
        result.merge(change, MSelectionList::kMergeNormal);
        return result;
    case MGlobal::kRemoveFromList:
        result.merge(change, MSelectionList::kRemoveFromList);
        return result;
    case MGlobal::kAddToHeadOfList:
        result = change;
        result.merge(current, MSelectionList::kMergeNormal);
        return result;
    }
    return result;
}

} // namespace

MStatus MGlobal::getActiveSelectionList(MSelectionList& dest, bool)
{
    dest = active().list();
    return MStatus::kSuccess;
}

MStatus MGlobal::setActiveSelectionList(const MSelectionList& src, ListAdjustment listAdjustment)
{
    active().set(adjusted(active().list(), inScene(src), listAdjustment));
    return MStatus::kSuccess;
}

MStatus MGlobal::clearSelectionList()
{
    active().clear();
    return MStatus::kSuccess;
}

MStatus MGlobal::selectByName(const MString& name, ListAdjustment listAdjustment)
{
    MSelectionList list;
    MStatus status = list.add(name);
    if (!status)
        return status;
    return setActiveSelectionList(list, listAdjustment);
}

MStatus MGlobal::getSelectionListByName(const MString& name, MSelectionList& list)
{
    list.clear();
    return list.add(name);
}

MStatus MGlobal::select(const MObject& object, ListAdjustment listAdjustment)
{
    MSelectionList list;
    MStatus status = list.add(object);
    if (!status)
        return status;
    return setActiveSelectionList(list, listAdjustment);
}

bool MGlobal::isSelected(const MObject& object, MStatus* ReturnStatus)
{
    nbhost::Node* node = nbhost::Node::from(object);
    nbhost::setReturnStatus(ReturnStatus, node ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return node && active().contains(*node);
}
