#include <maya/MItDag.h>

#include "scene/Node.h"
#include "scene/ReturnStatus.h"
#include "scene/Scene.h"

#include <algorithm>
#include <deque>

using nbhost::Node;
using nbhost::setReturnStatus;

MItDag::MItDag(TraversalType type, MFn::Type filter, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus,
                    reset(nbhost::Scene::instance().world().object(), type, filter));
}

MItDag::~MItDag() = default;

MStatus MItDag::reset() { return reset(m_root, m_type, m_filter); }

MStatus MItDag::reset(const MDagPath& path, TraversalType type, MFn::Type filter)
{
    return reset(path.node(), type, filter);
}

MStatus MItDag::reset(const MObject& object, TraversalType type, MFn::Type filter)
{
    Node* root = Node::from(object);
    m_items.clear();
    m_pruned.clear();
    m_index = 0;
    if (!root || !root->isDag() || !root->inScene() || type == kInvalidType)
        return MStatus::kInvalidParameter;
    m_root = object;
    m_type = type;
    m_filter = filter;
    collect(object);
    skipToAcceptable();
    return MStatus::kSuccess;
}

void MItDag::collect(const MObject& root)
{
    if (m_type == kDepthFirst) {
        for (const auto& node : Node::from(root)->subtree())
            m_items.push_back(node->object());
        return;
    }
    std::deque<Node*> queue{Node::from(root)};
    while (!queue.empty()) {
        Node* node = queue.front();
        queue.pop_front();
        m_items.push_back(node->object());
        for (const auto& child : node->children())
            queue.push_back(child.get());
    }
}

bool MItDag::acceptable(size_t index) const
{
    Node* node = Node::from(m_items[index]);
    if (!node || !node->inScene())
        return false;
    for (const MObject& pruned : m_pruned)
        if (Node* p = Node::from(pruned); p && p->isAncestorOf(*node))
            return false;
    return m_filter == MFn::kInvalid || node->hasFn(m_filter);
}

void MItDag::skipToAcceptable()
{
    while (m_index < m_items.size() && !acceptable(m_index))
        ++m_index;
}

MObject MItDag::item(MStatus* ReturnStatus) const
{
    const bool ok = m_index < m_items.size();
    setReturnStatus(ReturnStatus, ok ? MStatus::kSuccess : MStatus::kFailure);
    return ok ? m_items[m_index] : MObject();
}

MObject MItDag::currentItem(MStatus* ReturnStatus) { return item(ReturnStatus); }

MStatus MItDag::next()
{
    if (m_index >= m_items.size())
        return MStatus::kFailure;
    ++m_index;
    skipToAcceptable();
    return MStatus::kSuccess;
}

MStatus MItDag::prune()
{
    if (m_index >= m_items.size())
        return MStatus::kFailure;
    m_pruned.push_back(m_items[m_index]);
    return MStatus::kSuccess;
}

bool MItDag::isDone(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return m_index >= m_items.size();
}

MObject MItDag::root(MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, m_root.isNull() ? MStatus::kFailure : MStatus::kSuccess);
    return m_root;
}

unsigned int MItDag::depth(MStatus* ReturnStatus) const
{
    Node* node = Node::from(item(ReturnStatus));
    return node ? node->depth() : 0;
}

MItDag::TraversalType MItDag::getType(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return m_type;
}

MStatus MItDag::getPath(MDagPath& path) const
{
    return MDagPath::getAPathTo(item(), path);
}

MString MItDag::fullPathName(MStatus* ReturnStatus) const
{
    return MDagPath::getAPathTo(item(), ReturnStatus).fullPathName();
}

MString MItDag::partialPathName(MStatus* ReturnStatus) const
{
    return MDagPath::getAPathTo(item(), ReturnStatus).partialPathName();
}
