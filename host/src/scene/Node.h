#pragma once

#include "core/HostObject.h"
#include "scene/NodeType.h"
#include "scene/PlugValue.h"

#include <maya/MObject.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class MPxNode;

namespace nbhost {

// A node: its type, name, place in the DAG, one plug state per attribute of
// its type and, for plug-in types, the plug-in's MPxNode object.
//
// Ownership: the Scene holds the nodes that are in it; a parent holds its
// children, so a subtree taken out of the scene stays whole. An edit that
// takes nodes out (deleting, undoing a creation) holds them until it is
// redone or dropped; whoever drops a node for good calls destroy(), which
// deletes the plug-in object at once even if handles to the node remain.
class Node : public HostObject
{
public:
    // What one plug of the node holds besides its value. Keyable and channel
    // box are unset until changed on this node; the attribute decides then.
    struct PlugState
    {
        PlugValue value;
        bool locked = false;
        std::optional<bool> keyable;
        std::optional<bool> channelBox;
    };

    // A node with every plug at its attribute's default. Plug-in data
    // defaults are copied, so no two nodes share a value.
    Node(std::shared_ptr<NodeType> type, std::string name, uint64_t serial);
    ~Node() override;

    MFn::Type apiType() const override;
    const char* apiTypeName() const override;
    bool hasFn(MFn::Type type) const override;
    bool isAlive() const override { return !m_destroyed; }

    // The node behind a handle, or null (also for a destroyed node).
    static Node* from(const MObject& object);
    std::shared_ptr<Node> shared();
    MObject object();

    NodeType& type() const { return *m_type; }
    const std::shared_ptr<NodeType>& sharedType() const { return m_type; }
    const std::string& name() const { return m_name; }
    // Creation order, stable across undo and redo.
    uint64_t serial() const { return m_serial; }
    bool inScene() const { return m_inScene; }
    bool isDestroyed() const { return m_destroyed; }
    // Nodes of the default new scene (persp, top ...) cannot be deleted.
    bool isDefaultNode() const { return m_defaultNode; }
    void markDefaultNode() { m_defaultNode = true; }

    // DAG. The world has no parent; dependency nodes have neither parent
    // nor children.
    bool isDag() const { return m_type->isDag(); }
    bool isWorld() const { return m_type->kind() == NodeType::Kind::World; }
    Node* parent() const { return m_parent; }
    const std::vector<std::shared_ptr<Node>>& children() const { return m_children; }
    int childIndex(const Node& child) const;
    bool isAncestorOf(const Node& other) const;
    // "|persp|perspShape"; the world's is empty.
    std::string fullPathName() const;
    // Number of nodes from the world down to this one (a top node: 1).
    unsigned int depth() const;
    // Every node of the subtree, this one first, depth first.
    std::vector<std::shared_ptr<Node>> subtree();

    // Plugs.
    std::shared_ptr<Attribute> findAttribute(const std::string& name) const;
    // The state of an attribute's plug; null when the type lacks it.
    PlugState* plug(const Attribute& attr);
    const PlugState* plug(const Attribute& attr) const;
    PlugValue value(const Attribute& attr) const;
    // Stores a value without checking locks; numbers are normalised for the
    // attribute. False when the attribute is not on this type or the value
    // does not suit it.
    bool setValue(const Attribute& attr, const PlugValue& value);
    // Locked itself or through its compound parent.
    bool isLocked(const Attribute& attr) const;
    bool isKeyable(const Attribute& attr) const;
    bool isChannelBox(const Attribute& attr) const;

    MPxNode* userNode() const { return m_userNode; }
    void attachUserNode(MPxNode* userNode);

    void destroy();

    // The edit (an undo step) that keeps this node out of the scene and
    // destroys it if it is dropped; null while nobody holds it that way.
    const void* holder() const { return m_holder; }
    void setHolder(const void* holder) { m_holder = holder; }

    // Scene bookkeeping; only the Scene calls these.
    void setName(const std::string& name) { m_name = name; }
    void setInScene(bool inScene) { m_inScene = inScene; }
    void insertChild(const std::shared_ptr<Node>& child, int index);
    std::shared_ptr<Node> removeChild(Node& child);

private:
    bool accepts(const Attribute& attr, const PlugValue& value) const;

    std::shared_ptr<NodeType> m_type;
    std::string m_name;
    uint64_t m_serial;
    bool m_inScene = false;
    bool m_destroyed = false;
    bool m_defaultNode = false;
    Node* m_parent = nullptr;
    std::vector<std::shared_ptr<Node>> m_children;
    std::vector<PlugState> m_plugs;
    MPxNode* m_userNode = nullptr;
    const void* m_holder = nullptr;
};

} // namespace nbhost
