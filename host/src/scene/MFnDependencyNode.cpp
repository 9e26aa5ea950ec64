#include <maya/MFnDependencyNode.h>

#include "scene/Node.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/ReturnStatus.h"
#include "scene/Scene.h"

using nbhost::Node;
using nbhost::setReturnStatus;

namespace {

Node* nodeOf(const MObject& object, MStatus* ReturnStatus)
{
    Node* node = Node::from(object);
    setReturnStatus(ReturnStatus, node ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return node;
}

std::string typeNameOf(const MTypeId& id)
{
    auto type = nbhost::NodeTypeRegistry::instance().find(id);
    return type ? type->name() : std::string();
}

} // namespace

MFnDependencyNode::MFnDependencyNode() = default;
MFnDependencyNode::MFnDependencyNode(MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFnDependencyNode::MFnDependencyNode(const MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFn::Type MFnDependencyNode::type() const { return MFn::kDependencyNode; }

MObject MFnDependencyNode::create(const MTypeId& typeId, MStatus* ReturnStatus)
{
    return create(MString(typeNameOf(typeId).c_str()), MString(), ReturnStatus);
}

MObject MFnDependencyNode::create(const MTypeId& typeId, const MString& name, MStatus* ReturnStatus)
{
    return create(MString(typeNameOf(typeId).c_str()), name, ReturnStatus);
}

MObject MFnDependencyNode::create(const MString& type, MStatus* ReturnStatus)
{
    return create(type, MString(), ReturnStatus);
}

MObject MFnDependencyNode::create(const MString& type, const MString& name, MStatus* ReturnStatus)
{
    auto node = nbhost::Scene::instance().createNode(type.asChar(), name.asChar(), nullptr);
    m_object = node ? node->object() : MObject();
    setReturnStatus(ReturnStatus, node ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return m_object;
}

MTypeId MFnDependencyNode::typeId(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object, ReturnStatus);
    return node ? node->type().id() : MTypeId();
}

MString MFnDependencyNode::typeName(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object, ReturnStatus);
    return node ? MString(node->type().name().c_str()) : MString();
}

MString MFnDependencyNode::name(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object, ReturnStatus);
    return node ? MString(node->name().c_str()) : MString();
}

MString MFnDependencyNode::setName(const MString& name, bool, MStatus* ReturnStatus)
{
    Node* node = nodeOf(m_object, ReturnStatus);
    if (!node)
        return MString();
    setReturnStatus(ReturnStatus, nbhost::Scene::instance().rename(*node, name.asChar()));
    return MString(node->name().c_str());
}

MPlug MFnDependencyNode::findPlug(const MString& attrName, bool, MStatus* ReturnStatus) const
{
    return findPlug(attribute(attrName, ReturnStatus), ReturnStatus);
}

MPlug MFnDependencyNode::findPlug(const MObject& attr, bool, MStatus* ReturnStatus) const
{
    return findPlug(attr, ReturnStatus);
}

MPlug MFnDependencyNode::findPlug(const MString& attrName, MStatus* ReturnStatus) const
{
    return findPlug(attribute(attrName, ReturnStatus), ReturnStatus);
}

MPlug MFnDependencyNode::findPlug(const MObject& attr, MStatus* ReturnStatus) const
{
    MPlug plug(m_object, attr);
    setReturnStatus(ReturnStatus, plug.isNull() ? MStatus::kInvalidParameter : MStatus::kSuccess);
    return plug;
}

unsigned int MFnDependencyNode::attributeCount(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object, ReturnStatus);
    return node ? static_cast<unsigned int>(node->type().attributes().size()) : 0;
}

MObject MFnDependencyNode::attribute(unsigned int index, MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object, ReturnStatus);
    if (!node || index >= node->type().attributes().size()) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    return MObject(node->type().attributes()[index]);
}

MObject MFnDependencyNode::attribute(const MString& attrName, MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object, ReturnStatus);
    auto attr = node ? node->findAttribute(attrName.asChar()) : nullptr;
    if (!attr) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    return MObject(attr);
}

bool MFnDependencyNode::hasAttribute(const MString& name, MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object, ReturnStatus);
    return node && node->findAttribute(name.asChar());
}

MPxNode* MFnDependencyNode::userNode(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object, ReturnStatus);
    if (node && !node->userNode())
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
    return node ? node->userNode() : nullptr;
}

bool MFnDependencyNode::isDefaultNode(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object, ReturnStatus);
    return node && node->isDefaultNode();
}
