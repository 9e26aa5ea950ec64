#include <maya/MPxNode.h>

#include "scene/Attribute.h"
#include "scene/Node.h"
#include "scene/NodeTypeRegistry.h"

MPxNode::MPxNode() = default;
MPxNode::~MPxNode() = default;

void MPxNode::postConstructor() {}
MStatus MPxNode::compute(const MPlug&, MDataBlock&) { return MStatus::kUnknownParameter; }
MStatus MPxNode::shouldSave(const MPlug&, bool&) { return MStatus::kUnknownParameter; }
MPxNode::Type MPxNode::type() const { return kDependNode; }
bool MPxNode::isAbstractClass() const { return false; }

MObject MPxNode::thisMObject() const
{
    return m_hostNode && !m_hostNode->isDestroyed() ? m_hostNode->object() : MObject();
}

MTypeId MPxNode::typeId() const { return m_hostNode ? m_hostNode->type().id() : MTypeId(); }

MString MPxNode::typeName() const
{
    return m_hostNode ? MString(m_hostNode->type().name().c_str()) : MString();
}

MString MPxNode::name() const
{
    return m_hostNode ? MString(m_hostNode->name().c_str()) : MString();
}

MStatus MPxNode::addAttribute(const MObject& attr)
{
    nbhost::NodeType* type = nbhost::NodeTypeRegistry::instance().typeBeingInitialized();
    auto attribute = std::dynamic_pointer_cast<nbhost::Attribute>(attr.sharedHostObject());
    if (!type || !attribute || attribute->parent())
        return MStatus::kInvalidParameter;
    return type->addAttribute(attribute);
}
