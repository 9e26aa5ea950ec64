#include <maya/MSelectionList.h>

#include <maya/MDagPath.h>
#include <maya/MStringArray.h>

#include "scene/Node.h"
#include "scene/NodeNaming.h"
#include "scene/ReturnStatus.h"
#include "scene/Scene.h"

#include <algorithm>

using nbhost::Node;
using nbhost::setReturnStatus;

namespace {
std::string itemString(const MObject& item)
{
    Node* node = Node::from(item);
    return node ? node->name() : std::string();
}
} // namespace

MSelectionList::MSelectionList() = default;
MSelectionList::MSelectionList(const MSelectionList& other) = default;
MSelectionList::~MSelectionList() = default;
MSelectionList& MSelectionList::operator=(const MSelectionList& other) = default;

MStatus MSelectionList::clear()
{
    m_items.clear();
    return MStatus::kSuccess;
}

bool MSelectionList::isEmpty(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return m_items.empty();
}

unsigned int MSelectionList::length(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return static_cast<unsigned int>(m_items.size());
}

MStatus MSelectionList::getDependNode(unsigned int index, MObject& depNode) const
{
    if (index >= m_items.size() || !Node::from(m_items[index]))
        return MStatus::kInvalidParameter;
    depNode = m_items[index];
    return MStatus::kSuccess;
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& dagPath) const
{
    if (index >= m_items.size())
        return MStatus::kInvalidParameter;
    return MDagPath::getAPathTo(m_items[index], dagPath);
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& dagPath, MObject& component) const
{
    component = MObject();
    return getDagPath(index, dagPath);
}

MStatus MSelectionList::add(const MObject& object, bool)
{
    if (!Node::from(object))
        return MStatus::kInvalidParameter;
    if (!hasItem(object))
        m_items.push_back(object);
    return MStatus::kSuccess;
}

MStatus MSelectionList::add(const MDagPath& object, const MObject&, bool mergeWithExisting)
{
    return add(object.node(), mergeWithExisting);
}

MStatus MSelectionList::add(const MString& matchString, bool)
{
    const std::string pattern = matchString.asChar();
    auto& scene = nbhost::Scene::instance();
    if (!nbhost::NodeNaming::hasWildcards(pattern)) {
        auto node = scene.find(pattern);
        return node ? add(node->object()) : MStatus(MStatus::kInvalidParameter);
    }
    bool found = false;
    for (const auto& node : scene.nodes())
        if (nbhost::NodeNaming::matches(pattern, node->name())) {
            add(node->object());
            found = true;
        }
    return found ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

MStatus MSelectionList::merge(const MSelectionList& other, MergeStrategy strategy)
{
    for (const MObject& item : other.m_items) {
        auto it = std::find(m_items.begin(), m_items.end(), item);
        const bool present = it != m_items.end();
        if (strategy == kMergeNormal && !present)
            m_items.push_back(item);
        else if (strategy == kXORWithList && !present)
            m_items.push_back(item);
        else if (strategy != kMergeNormal && present)
            m_items.erase(it);
    }
    return MStatus::kSuccess;
}

MStatus MSelectionList::remove(unsigned int index)
{
    if (index >= m_items.size())
        return MStatus::kInvalidParameter;
    m_items.erase(m_items.begin() + index);
    return MStatus::kSuccess;
}

MStatus MSelectionList::replace(unsigned int index, const MObject& item)
{
    if (index >= m_items.size() || !Node::from(item))
        return MStatus::kInvalidParameter;
    m_items[index] = item;
    return MStatus::kSuccess;
}

MStatus MSelectionList::toggle(const MDagPath& item, const MObject&)
{
    MSelectionList one;
    MStatus status = one.add(item.node());
    if (status)
        merge(one, kXORWithList);
    return status;
}

bool MSelectionList::hasItem(const MObject& item, MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return std::find(m_items.begin(), m_items.end(), item) != m_items.end();
}

bool MSelectionList::hasItem(const MDagPath& item, const MObject&, MStatus* ReturnStatus) const
{
    return hasItem(item.node(), ReturnStatus);
}

MStatus MSelectionList::getSelectionStrings(MStringArray& array) const
{
    array.clear();
    for (const MObject& item : m_items)
        if (Node::from(item))
            array.append(MString(itemString(item).c_str()));
    return MStatus::kSuccess;
}

MStatus MSelectionList::getSelectionStrings(unsigned int index, MStringArray& array) const
{
    array.clear();
    if (index >= m_items.size() || !Node::from(m_items[index]))
        return MStatus::kInvalidParameter;
    array.append(MString(itemString(m_items[index]).c_str()));
    return MStatus::kSuccess;
}
