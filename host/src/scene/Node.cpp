#include "scene/Node.h"

#include "scene/DataTypeRegistry.h"
#include "scene/PluginDataObject.h"

#include <maya/MPxNode.h>

#include <algorithm>

namespace nbhost {

Node::Node(std::shared_ptr<NodeType> type, std::string name, uint64_t serial)
    : m_type(std::move(type)), m_name(std::move(name)), m_serial(serial)
{
    m_type->addLiveNode(1);
    const auto& attrs = m_type->attributes();
    m_plugs.resize(attrs.size());
    for (size_t i = 0; i < attrs.size(); ++i) {
        PlugValue value = attrs[i]->defaultValue();
        if (value.kind == PlugValue::Kind::Data)
            value.data = DataTypeRegistry::instance().copyValue(value.data);
        m_plugs[i].value = value;
    }
}

Node::~Node()
{
    destroy();
}

MFn::Type Node::apiType() const { return m_type->apiType(); }

const char* Node::apiTypeName() const
{
    switch (apiType()) {
    case MFn::kWorld: return "kWorld";
    case MFn::kTransform: return "kTransform";
    case MFn::kCamera: return "kCamera";
    case MFn::kLocator: return "kLocator";
    case MFn::kPluginLocatorNode: return "kPluginLocatorNode";
    case MFn::kPluginDependNode: return "kPluginDependNode";
    default: return "kDependencyNode";
    }
}

bool Node::hasFn(MFn::Type type) const { return m_type->hasFn(type); }

Node* Node::from(const MObject& object)
{
    if (object.isNull() || !object.hasFn(MFn::kDependencyNode))
        return nullptr;
    return dynamic_cast<Node*>(object.hostObject());
}

std::shared_ptr<Node> Node::shared() { return std::static_pointer_cast<Node>(shared_from_this()); }
MObject Node::object() { return MObject(shared_from_this()); }

int Node::childIndex(const Node& child) const
{
    for (size_t i = 0; i < m_children.size(); ++i)
        if (m_children[i].get() == &child)
            return static_cast<int>(i);
    return -1;
}

bool Node::isAncestorOf(const Node& other) const
{
    for (Node* p = other.m_parent; p; p = p->m_parent)
        if (p == this)
            return true;
    return false;
}

std::string Node::fullPathName() const
{
    if (isWorld() || !isDag())
        return isWorld() ? std::string() : m_name;
    std::string parentPath = m_parent ? m_parent->fullPathName() : std::string();
    return parentPath + "|" + m_name;
}

unsigned int Node::depth() const
{
    unsigned int depth = 0;
    for (const Node* n = this; n && !n->isWorld(); n = n->m_parent)
        ++depth;
    return depth;
}

std::vector<std::shared_ptr<Node>> Node::subtree()
{
    std::vector<std::shared_ptr<Node>> result{shared()};
    for (const auto& child : m_children) {
        auto below = child->subtree();
        result.insert(result.end(), below.begin(), below.end());
    }
    return result;
}

std::shared_ptr<Attribute> Node::findAttribute(const std::string& name) const
{
    return m_type->findAttribute(name);
}

Node::PlugState* Node::plug(const Attribute& attr)
{
    // A destroyed node has no plugs left.
    const int index = m_type->indexOf(&attr);
    return index < 0 || static_cast<size_t>(index) >= m_plugs.size() ? nullptr
                                                                    : &m_plugs[static_cast<size_t>(index)];
}

const Node::PlugState* Node::plug(const Attribute& attr) const
{
    return const_cast<Node*>(this)->plug(attr);
}

PlugValue Node::value(const Attribute& attr) const
{
    const PlugState* state = plug(attr);
    return state ? state->value : PlugValue();
}

bool Node::accepts(const Attribute& attr, const PlugValue& value) const
{
    switch (attr.kind()) {
    case Attribute::Kind::Numeric:
        return value.kind == PlugValue::Kind::Number;
    case Attribute::Kind::Compound:
        return false;
    case Attribute::Kind::Typed:
        if (attr.dataType() == MFnData::kString)
            return value.kind == PlugValue::Kind::String;
        if (value.kind == PlugValue::Kind::None)
            return true;
        if (value.kind != PlugValue::Kind::Data)
            return false;
        if (PluginDataObject* data = PluginDataObject::from(value.data))
            return data->type().id == attr.dataTypeId();
        return false;
    }
    return false;
}

bool Node::setValue(const Attribute& attr, const PlugValue& value)
{
    PlugState* state = plug(attr);
    if (!state || !accepts(attr, value))
        return false;
    state->value = value;
    if (value.kind == PlugValue::Kind::Number)
        state->value.number = attr.normalize(value.number);
    return true;
}

bool Node::isLocked(const Attribute& attr) const
{
    for (const Attribute* a = &attr; a; a = a->parent())
        if (const PlugState* state = plug(*a); state && state->locked)
            return true;
    return false;
}

bool Node::isKeyable(const Attribute& attr) const
{
    const PlugState* state = plug(attr);
    return state && state->keyable ? *state->keyable : attr.flags().keyable;
}

bool Node::isChannelBox(const Attribute& attr) const
{
    const PlugState* state = plug(attr);
    return state && state->channelBox ? *state->channelBox : attr.flags().channelBox;
}

void Node::attachUserNode(MPxNode* userNode)
{
    m_userNode = userNode;
    if (userNode)
        userNode->m_hostNode = this;
}

void Node::destroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    m_inScene = false;
    for (const auto& child : m_children)
        child->destroy();
    // The plug-in's destructor may still ask the node for its name or plugs.
    if (m_userNode) {
        delete m_userNode;
        m_userNode = nullptr;
    }
    m_plugs.clear();
    m_type->addLiveNode(-1);
}

void Node::insertChild(const std::shared_ptr<Node>& child, int index)
{
    const auto pos = index < 0 || index > static_cast<int>(m_children.size())
                         ? m_children.end()
                         : m_children.begin() + index;
    m_children.insert(pos, child);
    child->m_parent = this;
}

std::shared_ptr<Node> Node::removeChild(Node& child)
{
    const int index = childIndex(child);
    if (index < 0)
        return nullptr;
    auto removed = m_children[static_cast<size_t>(index)];
    m_children.erase(m_children.begin() + index);
    removed->m_parent = nullptr;
    return removed;
}

} // namespace nbhost
