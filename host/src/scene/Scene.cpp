#include "scene/Scene.h"

#include "scene/BuiltinTypes.h"
#include "scene/DefaultScene.h"
#include "scene/NodeNaming.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/ReturnStatus.h"

#include <maya/MPxNode.h>

#include <algorithm>

namespace nbhost {

namespace {
bool bySerial(const std::shared_ptr<Node>& a, const std::shared_ptr<Node>& b)
{
    return a->serial() < b->serial();
}
} // namespace

Scene& Scene::instance()
{
    static Scene scene;
    return scene;
}

Scene::Scene() : m_world(std::make_shared<Node>(BuiltinTypes::world(), "world", 0))
{
    m_world->setInScene(true);
    DefaultScene::build(*this);
    m_lastCreated.reset();
}

void Scene::clear()
{
    const bool hadSelection = !m_selection.list().isEmpty();
    std::vector<std::shared_ptr<Node>> old;
    old.swap(m_nodes);
    m_byName.clear();
    for (const auto& node : old)
        node->setInScene(false);
    while (!m_world->children().empty())
        m_world->removeChild(*m_world->children().front());
    // Destroyed one by one so each plug-in destructor still finds its node.
    for (const auto& node : old)
        node->destroy();
    m_lastCreated.reset();
    if (hadSelection)
        m_selection.clear();
}

void Scene::reset()
{
    clear();
    DefaultScene::build(*this);
    m_lastCreated.reset();
}

std::vector<std::shared_ptr<Node>> Scene::fileOrder() const
{
    std::vector<std::shared_ptr<Node>> result;
    for (const auto& top : m_world->children()) {
        auto below = top->subtree();
        result.insert(result.end(), below.begin(), below.end());
    }
    for (const auto& node : m_nodes)
        if (!node->isDag())
            result.push_back(node);
    return result;
}

std::shared_ptr<Node> Scene::find(const std::string& nameOrPath) const
{
    // Names are unique in the scene, so the last path component names the
    // node; the rest of a path must match its ancestors.
    const size_t bar = nameOrPath.rfind('|');
    const std::string name = bar == std::string::npos ? nameOrPath : nameOrPath.substr(bar + 1);
    auto it = m_byName.find(name);
    if (it == m_byName.end())
        return nullptr;
    Node* node = it->second;
    if (bar != std::string::npos) {
        const std::string full = node->fullPathName();
        const bool absolute = nameOrPath[0] == '|';
        const bool suffix = full.size() >= nameOrPath.size()
                         && full.compare(full.size() - nameOrPath.size(), nameOrPath.size(), nameOrPath) == 0;
        if (absolute ? full != nameOrPath : !(suffix && full[full.size() - nameOrPath.size() - 1] == '|'))
            return nullptr;
    }
    return node->shared();
}

bool Scene::isNameTaken(const std::string& name) const
{
    return m_byName.count(name) > 0;
}

std::shared_ptr<Node> Scene::instantiate(const std::shared_ptr<NodeType>& type, std::string* error)
{
    if (!type || type->kind() == NodeType::Kind::World) {
        setError(error, "this node type cannot be created");
        return nullptr;
    }
    auto node = std::make_shared<Node>(type, type->defaultName() + "1", m_nextSerial++);
    if (!type->isPlugin())
        return node;
    auto* user = static_cast<MPxNode*>(type->creator()());
    if (!user) {
        setError(error, "the creator of node type '" + type->name() + "' returned nothing");
        node->destroy();
        return nullptr;
    }
    node->attachUserNode(user);
    if (user->isAbstractClass()) {
        setError(error, "node type '" + type->name() + "' is abstract");
        node->destroy();
        return nullptr;
    }
    user->postConstructor();
    return node;
}

MStatus Scene::insert(const std::shared_ptr<Node>& node, Node* parent, const std::string& name,
                      int index, std::string* error)
{
    if (!node || node->isDestroyed() || node->inScene() || node->isWorld()) {
        setError(error, "the node cannot be added to the scene");
        return MStatus::kInvalidParameter;
    }
    if (node->isDag() ? !canParent(*node, parent, error) : parent != nullptr) {
        if (!node->isDag())
            setError(error, "'" + node->name() + "' is not a DAG node and cannot have a parent");
        return MStatus::kInvalidParameter;
    }
    const std::string requested = NodeNaming::legalize(name.empty() ? node->name() : name);
    if (requested.empty()) {
        setError(error, "'" + name + "' is not a valid node name");
        return MStatus::kInvalidParameter;
    }
    if (node->isDag())
        (parent ? parent : m_world.get())->insertChild(node, index);
    for (const auto& member : node->subtree()) {
        const std::string wanted = member == node ? requested : member->name();
        member->setName(NodeNaming::unique(wanted, [this](const std::string& n) { return isNameTaken(n); }));
        member->setInScene(true);
        addToIndex(*member);
    }
    return MStatus::kSuccess;
}

void Scene::detach(Node& node)
{
    if (!node.inScene() || node.isWorld())
        return;
    auto keep = node.shared();
    for (const auto& member : node.subtree()) {
        removeFromIndex(*member);
        member->setInScene(false);
    }
    if (Node* parent = node.parent())
        parent->removeChild(node);
    m_selection.dropRemovedNodes();
}

std::shared_ptr<Node> Scene::createNode(const std::string& typeName, const std::string& name,
                                        Node* parent, std::string* error)
{
    std::shared_ptr<NodeType> type = NodeTypeRegistry::instance().find(typeName);
    if (!type) {
        setError(error, "Unknown object type: " + typeName);
        return nullptr;
    }
    if (parent && !type->isDag()) {
        setError(error, "'" + typeName + "' nodes are not DAG nodes and cannot have a parent");
        return nullptr;
    }
    std::shared_ptr<Node> node = instantiate(type, error);
    if (!node)
        return nullptr;
    std::shared_ptr<Node> transform;
    if (type->kind() == NodeType::Kind::Shape && !parent) {
        transform = instantiate(NodeTypeRegistry::instance().find("transform"), error);
        if (!transform || !insert(transform, nullptr, type->defaultParentName() + "1", -1, error)) {
            node->destroy();
            return nullptr;
        }
        parent = transform.get();
    }
    if (!insert(node, parent, name, -1, error)) {
        if (transform) {
            detach(*transform);
            transform->destroy();
        }
        node->destroy();
        return nullptr;
    }
    m_lastCreated = node;
    return node;
}

std::shared_ptr<Node> Scene::lastCreated() const
{
    auto node = m_lastCreated.lock();
    return node && node->inScene() ? node : nullptr;
}

MStatus Scene::rename(Node& node, const std::string& requested, std::string* error)
{
    const std::string legal = NodeNaming::legalize(requested);
    if (legal.empty() || node.isWorld()) {
        setError(error, "'" + requested + "' is not a valid node name");
        return MStatus::kInvalidParameter;
    }
    if (legal == node.name())
        return MStatus::kSuccess;
    if (!node.inScene()) {
        node.setName(legal);
        return MStatus::kSuccess;
    }
    removeFromIndex(node);
    node.setName(NodeNaming::unique(legal, [this](const std::string& n) { return isNameTaken(n); }));
    addToIndex(node);
    return MStatus::kSuccess;
}

MStatus Scene::reparent(Node& node, Node* newParent, int index, std::string* error)
{
    if (!node.inScene() || !node.isDag() || node.isWorld()) {
        setError(error, "'" + node.name() + "' cannot be parented");
        return MStatus::kInvalidParameter;
    }
    if (!canParent(node, newParent, error))
        return MStatus::kInvalidParameter;
    auto keep = node.shared();
    node.parent()->removeChild(node);
    (newParent ? newParent : m_world.get())->insertChild(keep, index);
    return MStatus::kSuccess;
}

bool Scene::canParent(const Node& child, const Node* parent, std::string* error) const
{
    if (parent && parent->isWorld())
        parent = nullptr;
    if (!child.isDag() || child.isWorld()) {
        setError(error, "'" + child.name() + "' is not a DAG node");
        return false;
    }
    if (!parent) {
        if (child.type().kind() == NodeType::Kind::Shape) {
            setError(error, "the shape '" + child.name() + "' needs a transform as its parent");
            return false;
        }
        return true;
    }
    if (!parent->inScene() || parent->type().kind() != NodeType::Kind::Transform) {
        setError(error, "'" + parent->name() + "' is not a transform in the scene");
        return false;
    }
    if (parent == &child || child.isAncestorOf(*parent)) {
        setError(error, "'" + child.name() + "' cannot be parented under itself or its descendant");
        return false;
    }
    return true;
}

void Scene::addToIndex(Node& node)
{
    m_byName[node.name()] = &node;
    auto shared = node.shared();
    m_nodes.insert(std::upper_bound(m_nodes.begin(), m_nodes.end(), shared, bySerial), shared);
}

void Scene::removeFromIndex(Node& node)
{
    m_byName.erase(node.name());
    auto it = std::find_if(m_nodes.begin(), m_nodes.end(),
                           [&node](const auto& n) { return n.get() == &node; });
    if (it != m_nodes.end())
        m_nodes.erase(it);
}

} // namespace nbhost
