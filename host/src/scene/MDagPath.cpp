#include <maya/MDagPath.h>

#include <maya/MDagPathArray.h>

#include "scene/Node.h"
#include "scene/ReturnStatus.h"
#include "scene/TransformMatrix.h"

using nbhost::Node;
using nbhost::setReturnStatus;

namespace {

// The path's node when the path is valid: a DAG node in the scene.
Node* validNode(const MObject& object, MStatus* ReturnStatus)
{
    Node* node = Node::from(object);
    if (node && (!node->isDag() || !node->inScene()))
        node = nullptr;
    setReturnStatus(ReturnStatus, node ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return node;
}

Node* firstShape(const Node& node, MFn::Type type)
{
    for (const auto& child : node.children())
        if (child->hasFn(MFn::kShape) && (type == MFn::kInvalid || child->hasFn(type)))
            return child.get();
    return nullptr;
}

} // namespace

MDagPath::MDagPath() = default;
MDagPath::MDagPath(const MDagPath& other) = default;
MDagPath::~MDagPath() = default;
MDagPath& MDagPath::operator=(const MDagPath& other) = default;
bool MDagPath::operator==(const MDagPath& other) const { return m_node == other.m_node; }

MStatus MDagPath::set(const MDagPath& src)
{
    m_node = src.m_node;
    return MStatus::kSuccess;
}

MStatus MDagPath::getAPathTo(const MObject& node, MDagPath& path)
{
    MStatus status;
    path = getAPathTo(node, &status);
    return status;
}

MDagPath MDagPath::getAPathTo(const MObject& node, MStatus* ReturnStatus)
{
    MDagPath path;
    if (validNode(node, ReturnStatus))
        path.m_node = node;
    return path;
}

MStatus MDagPath::getAllPathsTo(const MObject& node, MDagPathArray& paths)
{
    paths.clear();
    MDagPath path;
    MStatus status = getAPathTo(node, path);
    if (status)
        paths.append(path);
    return status;
}

bool MDagPath::hasFn(MFn::Type type, MStatus* ReturnStatus) const
{
    Node* node = validNode(m_node, ReturnStatus);
    if (!node)
        return false;
    if (node->hasFn(type))
        return true;
    return node->type().kind() == nbhost::NodeType::Kind::Transform && firstShape(*node, type);
}

MFn::Type MDagPath::apiType(MStatus* ReturnStatus) const
{
    Node* node = validNode(m_node, ReturnStatus);
    return node ? node->apiType() : MFn::kInvalid;
}

bool MDagPath::isValid(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return validNode(m_node, nullptr) != nullptr;
}

MObject MDagPath::node(MStatus* ReturnStatus) const
{
    return validNode(m_node, ReturnStatus) ? m_node : MObject();
}

MObject MDagPath::transform(MStatus* ReturnStatus) const
{
    Node* node = validNode(m_node, ReturnStatus);
    if (node && node->type().kind() != nbhost::NodeType::Kind::Transform)
        node = node->parent() && !node->parent()->isWorld() ? node->parent() : nullptr;
    if (!node) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    return node->object();
}

unsigned int MDagPath::length(MStatus* ReturnStatus) const
{
    Node* node = validNode(m_node, ReturnStatus);
    return node ? node->depth() : 0;
}

bool MDagPath::isInstanced(MStatus* ReturnStatus) const
{
    validNode(m_node, ReturnStatus);
    return false;
}

unsigned int MDagPath::instanceNumber(MStatus* ReturnStatus) const
{
    validNode(m_node, ReturnStatus);
    return 0;
}

unsigned int MDagPath::childCount(MStatus* ReturnStatus) const
{
    Node* node = validNode(m_node, ReturnStatus);
    return node ? static_cast<unsigned int>(node->children().size()) : 0;
}

MObject MDagPath::child(unsigned int i, MStatus* ReturnStatus) const
{
    Node* node = validNode(m_node, ReturnStatus);
    if (!node || i >= node->children().size()) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    return node->children()[i]->object();
}

MStatus MDagPath::push(const MObject& child)
{
    Node* node = validNode(m_node, nullptr);
    Node* childNode = Node::from(child);
    if (!node || !childNode || childNode->parent() != node)
        return MStatus::kInvalidParameter;
    m_node = child;
    return MStatus::kSuccess;
}

MStatus MDagPath::pop(unsigned int num)
{
    Node* node = validNode(m_node, nullptr);
    if (!node || num > node->depth())
        return MStatus::kInvalidParameter;
    for (unsigned int i = 0; i < num; ++i)
        node = node->parent();
    m_node = node->object();
    return MStatus::kSuccess;
}

MStatus MDagPath::extendToShape()
{
    Node* node = validNode(m_node, nullptr);
    if (!node)
        return MStatus::kInvalidParameter;
    if (node->hasFn(MFn::kShape))
        return MStatus::kSuccess;
    unsigned int shapes = 0;
    numberOfShapesDirectlyBelow(shapes);
    return shapes == 1 ? extendToShapeDirectlyBelow(0) : MStatus::kFailure;
}

MStatus MDagPath::extendToShapeDirectlyBelow(unsigned int index)
{
    Node* node = validNode(m_node, nullptr);
    if (!node)
        return MStatus::kInvalidParameter;
    for (const auto& child : node->children())
        if (child->hasFn(MFn::kShape) && index-- == 0) {
            m_node = child->object();
            return MStatus::kSuccess;
        }
    return MStatus::kInvalidParameter;
}

MStatus MDagPath::numberOfShapesDirectlyBelow(unsigned int& num) const
{
    num = 0;
    Node* node = validNode(m_node, nullptr);
    if (!node)
        return MStatus::kInvalidParameter;
    for (const auto& child : node->children())
        num += child->hasFn(MFn::kShape) ? 1 : 0;
    return MStatus::kSuccess;
}

MMatrix MDagPath::inclusiveMatrix(MStatus* ReturnStatus) const
{
    Node* node = validNode(m_node, ReturnStatus);
    return node ? nbhost::TransformMatrix::inclusive(*node) : MMatrix();
}

MMatrix MDagPath::exclusiveMatrix(MStatus* ReturnStatus) const
{
    Node* node = validNode(m_node, ReturnStatus);
    return node ? nbhost::TransformMatrix::exclusive(*node) : MMatrix();
}

MMatrix MDagPath::inclusiveMatrixInverse(MStatus* ReturnStatus) const
{
    return inclusiveMatrix(ReturnStatus).inverse();
}

MMatrix MDagPath::exclusiveMatrixInverse(MStatus* ReturnStatus) const
{
    return exclusiveMatrix(ReturnStatus).inverse();
}

MString MDagPath::fullPathName(MStatus* ReturnStatus) const
{
    Node* node = validNode(m_node, ReturnStatus);
    return node ? MString(node->fullPathName().c_str()) : MString();
}

MString MDagPath::partialPathName(MStatus* ReturnStatus) const
{
    // Names are unique in the scene, so the name alone is the shortest
    // unique path.
    Node* node = validNode(m_node, ReturnStatus);
    return node && !node->isWorld() ? MString(node->name().c_str()) : MString();
}
