#pragma once

#include "scene/ActiveSelection.h"
#include "scene/Node.h"

#include <maya/MStatus.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace nbhost {

// The scene: the DAG under the world, the dependency nodes, their names and
// the active selection. One scene exists per process; the host resets it to
// the default new scene when it starts.
//
// For scene files: reset() gives a new scene; fileOrder() lists the nodes
// with parents before children; each Node answers its type, name, parent
// and plug values (Node::value, Node::plug), and takes values through
// Node::setValue without lock checks. createNode() makes a node by type
// name during a read (run it inside a FileReadState::Scope so plug-in nodes
// see the read in postConstructor). DataTypeRegistry::createValue makes
// the plug-in data values the readers fill.
class Scene
{
public:
    static Scene& instance();

    // Destroys every node and builds the default new scene (persp, top,
    // front, side with their shapes, defaultResolution); the selection ends
    // up empty. Nodes held by undo steps are not touched; flush the undo
    // queue first.
    void reset();
    // Destroys every node, leaving only the world.
    void clear();

    Node& world() { return *m_world; }
    // The nodes in the scene in creation order, without the world.
    const std::vector<std::shared_ptr<Node>>& nodes() const { return m_nodes; }
    // DAG nodes depth first (children in order), then the other nodes in
    // creation order: the order in which a file can create them.
    std::vector<std::shared_ptr<Node>> fileOrder() const;
    // By name, by full path ("|persp|perspShape") or by partial path
    // ("persp|perspShape"); null when absent.
    std::shared_ptr<Node> find(const std::string& nameOrPath) const;
    bool isNameTaken(const std::string& name) const;

    // A node of the type, built but not yet in the scene: plugs at their
    // defaults, the plug-in object created and its postConstructor run.
    std::shared_ptr<Node> instantiate(const std::shared_ptr<NodeType>& type,
                                      std::string* error = nullptr);
    // Puts a built node (with the subtree below it) into the scene under
    // parent (null: the world) at child position index (-1: last), named
    // after name (empty: its current name), made legal and unique.
    MStatus insert(const std::shared_ptr<Node>& node, Node* parent, const std::string& name,
                   int index = -1, std::string* error = nullptr);
    // Takes a node and its subtree out of the scene; they keep their links
    // among themselves, so insert() can bring them back. The scene lets go
    // of them: the caller keeps the node (a shared_ptr) or it is gone.
    void detach(Node& node);
    // Builds and inserts a node of a type given by name. A shape without a
    // parent gets a new transform ("camera1" above "cameraShape1"). Returns
    // the node of the requested type; null with a message on failure.
    std::shared_ptr<Node> createNode(const std::string& typeName, const std::string& name,
                                     Node* parent, std::string* error = nullptr);
    // The node the last createNode() made, if it is still in the scene
    // (the target of setAttr ".attr").
    std::shared_ptr<Node> lastCreated() const;
    void setLastCreated(const std::shared_ptr<Node>& node) { m_lastCreated = node; }

    // Renames to a legal, unique form of the requested name.
    MStatus rename(Node& node, const std::string& requested, std::string* error = nullptr);
    MStatus reparent(Node& node, Node* newParent, int index = -1, std::string* error = nullptr);
    // Whether child may go under parent (null: the world).
    bool canParent(const Node& child, const Node* parent, std::string* error = nullptr) const;

    ActiveSelection& selection() { return m_selection; }

private:
    Scene();
    void addToIndex(Node& node);
    void removeFromIndex(Node& node);

    std::shared_ptr<Node> m_world;
    std::vector<std::shared_ptr<Node>> m_nodes; // ordered by serial
    std::unordered_map<std::string, Node*> m_byName;
    uint64_t m_nextSerial = 1;
    std::weak_ptr<Node> m_lastCreated;
    ActiveSelection m_selection;
};

} // namespace nbhost
