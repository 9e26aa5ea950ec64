#include <maya/MFnDagNode.h>

#include "scene/Node.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/ReturnStatus.h"
#include "scene/Scene.h"
#include "scene/TransformMatrix.h"

using nbhost::Node;
using nbhost::Scene;
using nbhost::setReturnStatus;

namespace {

Node* dagOf(const MObject& object, MStatus* ReturnStatus)
{
    Node* node = Node::from(object);
    if (node && !node->isDag())
        node = nullptr;
    setReturnStatus(ReturnStatus, node ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return node;
}

// Creates the node; for a shape without parent returns the new transform.
MObject createDag(const std::string& typeName, const MString& name, const MObject& parent,
                  MStatus* ReturnStatus)
{
    auto type = nbhost::NodeTypeRegistry::instance().find(typeName);
    Node* parentNode = Node::from(parent);
    if (!type || !type->isDag() || (!parent.isNull() && !parentNode)) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    auto node = Scene::instance().createNode(typeName, name.asChar(), parentNode);
    if (!node) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    const bool madeTransform = !parentNode && type->kind() == nbhost::NodeType::Kind::Shape;
    return madeTransform ? node->parent()->object() : node->object();
}

std::string typeNameOf(const MTypeId& id)
{
    auto type = nbhost::NodeTypeRegistry::instance().find(id);
    return type ? type->name() : std::string();
}

} // namespace

MFnDagNode::MFnDagNode() = default;
MFnDagNode::MFnDagNode(MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFnDagNode::MFnDagNode(const MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFnDagNode::MFnDagNode(const MDagPath& path, MStatus* ReturnStatus) { attachPath(path, ReturnStatus); }
MFn::Type MFnDagNode::type() const { return MFn::kDagNode; }

MStatus MFnDagNode::setObject(const MDagPath& path)
{
    MStatus status;
    attachPath(path, &status);
    return status;
}

void MFnDagNode::attachPath(const MDagPath& path, MStatus* ReturnStatus)
{
    MObject object = path.node();
    if (!object.hasFn(type()) && object.hasFn(MFn::kTransform)) {
        MFnDagNode transform(object);
        for (unsigned int i = 0; i < transform.childCount(); ++i) {
            MObject child = transform.child(i);
            if (child.hasFn(MFn::kShape) && child.hasFn(type())) {
                object = child;
                break;
            }
        }
    }
    attach(object, ReturnStatus);
}

MObject MFnDagNode::create(const MTypeId& typeId, const MObject& parent, MStatus* ReturnStatus)
{
    return m_object = createDag(typeNameOf(typeId), MString(), parent, ReturnStatus);
}

MObject MFnDagNode::create(const MTypeId& typeId, const MString& name, const MObject& parent,
                           MStatus* ReturnStatus)
{
    return m_object = createDag(typeNameOf(typeId), name, parent, ReturnStatus);
}

MObject MFnDagNode::create(const MString& type, const MObject& parent, MStatus* ReturnStatus)
{
    return m_object = createDag(type.asChar(), MString(), parent, ReturnStatus);
}

MObject MFnDagNode::create(const MString& type, const MString& name, const MObject& parent,
                           MStatus* ReturnStatus)
{
    return m_object = createDag(type.asChar(), name, parent, ReturnStatus);
}

unsigned int MFnDagNode::parentCount(MStatus* ReturnStatus) const
{
    Node* node = dagOf(m_object, ReturnStatus);
    return node && node->parent() ? 1 : 0;
}

MObject MFnDagNode::parent(unsigned int i, MStatus* ReturnStatus) const
{
    Node* node = dagOf(m_object, ReturnStatus);
    if (!node || i != 0 || !node->parent()) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    return node->parent()->object();
}

unsigned int MFnDagNode::childCount(MStatus* ReturnStatus) const
{
    Node* node = dagOf(m_object, ReturnStatus);
    return node ? static_cast<unsigned int>(node->children().size()) : 0;
}

MObject MFnDagNode::child(unsigned int i, MStatus* ReturnStatus) const
{
    Node* node = dagOf(m_object, ReturnStatus);
    if (!node || i >= node->children().size()) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    return node->children()[i]->object();
}

bool MFnDagNode::hasParent(const MObject& other, MStatus* ReturnStatus) const
{
    Node* node = dagOf(m_object, ReturnStatus);
    return node && node->parent() && node->parent() == Node::from(other);
}

bool MFnDagNode::hasChild(const MObject& other, MStatus* ReturnStatus) const
{
    Node* node = dagOf(m_object, ReturnStatus);
    Node* child = Node::from(other);
    return node && child && node->childIndex(*child) >= 0;
}

bool MFnDagNode::isChildOf(const MObject& other, MStatus* ReturnStatus) const
{
    return hasParent(other, ReturnStatus);
}

bool MFnDagNode::isParentOf(const MObject& other, MStatus* ReturnStatus) const
{
    return hasChild(other, ReturnStatus);
}

MStatus MFnDagNode::addChild(MObject& child, unsigned int index, bool keepExistingParents)
{
    Node* node = dagOf(m_object, nullptr);
    Node* childNode = Node::from(child);
    if (!node || !childNode || keepExistingParents)
        return MStatus::kInvalidParameter;
    const int position = index == kNextPos ? -1 : static_cast<int>(index);
    return Scene::instance().reparent(*childNode, node, position);
}

MString MFnDagNode::fullPathName(MStatus* ReturnStatus) const
{
    return dagPath(ReturnStatus).fullPathName();
}

MString MFnDagNode::partialPathName(MStatus* ReturnStatus) const
{
    return dagPath(ReturnStatus).partialPathName();
}

MStatus MFnDagNode::getPath(MDagPath& path) const
{
    return MDagPath::getAPathTo(m_object, path);
}

MDagPath MFnDagNode::dagPath(MStatus* ReturnStatus) const
{
    return MDagPath::getAPathTo(m_object, ReturnStatus);
}

MObject MFnDagNode::dagRoot(MStatus* ReturnStatus)
{
    Node* node = dagOf(m_object, ReturnStatus);
    if (!node || node->isWorld() || !node->inScene()) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    while (node->parent() && !node->parent()->isWorld())
        node = node->parent();
    return node->object();
}

MMatrix MFnDagNode::transformationMatrix(MStatus* ReturnStatus) const
{
    Node* node = dagOf(m_object, ReturnStatus);
    return node ? nbhost::TransformMatrix::local(*node) : MMatrix();
}
