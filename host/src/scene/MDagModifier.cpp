#include <maya/MDagModifier.h>

#include "scene/Node.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/SceneEditList.h"

MDagModifier::MDagModifier() = default;
MDagModifier::~MDagModifier() = default;

MObject MDagModifier::createNode(const MTypeId& typeId, const MObject& parent, MStatus* ReturnStatus)
{
    auto type = nbhost::NodeTypeRegistry::instance().find(typeId);
    return create(MString(type ? type->name().c_str() : ""), parent, true, ReturnStatus);
}

MObject MDagModifier::createNode(const MString& type, const MObject& parent, MStatus* ReturnStatus)
{
    return create(type, parent, true, ReturnStatus);
}

MStatus MDagModifier::reparentNode(const MObject& node, const MObject& newParent)
{
    nbhost::Node* child = nbhost::Node::from(node);
    nbhost::Node* parent = nbhost::Node::from(newParent);
    if (!child || (!newParent.isNull() && !parent))
        return MStatus::kInvalidParameter;
    return m_edits->reparentNode(child->shared(), parent ? parent->shared() : nullptr);
}
