#include <maya/MItDependencyNodes.h>

#include "scene/Node.h"
#include "scene/ReturnStatus.h"
#include "scene/Scene.h"

using nbhost::Node;
using nbhost::setReturnStatus;

MItDependencyNodes::MItDependencyNodes(MFn::Type filter, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, reset(filter));
}

MItDependencyNodes::~MItDependencyNodes() = default;

MStatus MItDependencyNodes::reset(MFn::Type filter)
{
    m_filter = filter;
    m_items.clear();
    m_index = 0;
    for (const auto& node : nbhost::Scene::instance().nodes())
        m_items.push_back(node->object());
    skipToAcceptable();
    return MStatus::kSuccess;
}

void MItDependencyNodes::skipToAcceptable()
{
    while (m_index < m_items.size()) {
        Node* node = Node::from(m_items[m_index]);
        if (node && node->inScene() && (m_filter == MFn::kInvalid || node->hasFn(m_filter)))
            return;
        ++m_index;
    }
}

MObject MItDependencyNodes::thisNode(MStatus* ReturnStatus) const
{
    const bool ok = m_index < m_items.size();
    setReturnStatus(ReturnStatus, ok ? MStatus::kSuccess : MStatus::kFailure);
    return ok ? m_items[m_index] : MObject();
}

MObject MItDependencyNodes::item(MStatus* ReturnStatus) const { return thisNode(ReturnStatus); }

MStatus MItDependencyNodes::next()
{
    if (m_index >= m_items.size())
        return MStatus::kFailure;
    ++m_index;
    skipToAcceptable();
    return MStatus::kSuccess;
}

bool MItDependencyNodes::isDone(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return m_index >= m_items.size();
}
