#include "scene/SceneEditList.h"

#include "scene/NodeTypeRegistry.h"
#include "scene/ReturnStatus.h"
#include "scene/Scene.h"

namespace nbhost {

namespace {

// Puts a created node into the scene; undo takes it out again.
class CreateEdit : public SceneEditList::Edit
{
public:
    CreateEdit(std::shared_ptr<Node> node, std::shared_ptr<Node> parent)
        : m_node(std::move(node)), m_parent(std::move(parent)) {}

    MStatus apply(SceneEditList& list, std::string* error) override
    {
        return list.putBack(m_node, m_parent.get(), m_index, error);
    }

    void revert(SceneEditList& list) override
    {
        m_index = m_node->parent() ? m_node->parent()->childIndex(*m_node) : -1;
        list.takeOut(*m_node);
    }

    std::vector<std::shared_ptr<Node>> heldNodes() const override { return {m_node}; }

private:
    std::shared_ptr<Node> m_node;
    std::shared_ptr<Node> m_parent;
    int m_index = -1;
};

// Takes a node (and parents it leaves empty) out of the scene.
class DeleteEdit : public SceneEditList::Edit
{
public:
    DeleteEdit(std::shared_ptr<Node> node, bool includeParents)
        : m_node(std::move(node)), m_includeParents(includeParents) {}

    MStatus apply(SceneEditList& list, std::string* error) override
    {
        if (!m_node->inScene()) {
            setError(error, "'" + m_node->name() + "' is not in the scene");
            return MStatus::kInvalidParameter;
        }
        m_root = m_node;
        while (m_includeParents && m_root->parent() && !m_root->parent()->isWorld()
               && m_root->parent()->children().size() == 1)
            m_root = m_root->parent()->shared();
        for (const auto& member : m_root->subtree())
            if (member->isDefaultNode()) {
                setError(error, "Cannot delete default node '" + member->name() + "'");
                return MStatus::kFailure;
            }
        m_parent = m_root->parent() ? m_root->parent()->shared() : nullptr;
        m_index = m_parent ? m_parent->childIndex(*m_root) : -1;
        list.takeOut(*m_root);
        return MStatus::kSuccess;
    }

    void revert(SceneEditList& list) override
    {
        list.putBack(m_root, m_parent.get(), m_index, nullptr);
    }

    std::vector<std::shared_ptr<Node>> heldNodes() const override
    {
        return m_root ? std::vector<std::shared_ptr<Node>>{m_root} : std::vector<std::shared_ptr<Node>>{};
    }

private:
    std::shared_ptr<Node> m_node;
    bool m_includeParents;
    std::shared_ptr<Node> m_root;
    std::shared_ptr<Node> m_parent;
    int m_index = -1;
};

class RenameEdit : public SceneEditList::Edit
{
public:
    RenameEdit(std::shared_ptr<Node> node, std::string name)
        : m_node(std::move(node)), m_name(std::move(name)) {}

    MStatus apply(SceneEditList&, std::string* error) override
    {
        m_old = m_node->name();
        return Scene::instance().rename(*m_node, m_name, error);
    }

    void revert(SceneEditList&) override { Scene::instance().rename(*m_node, m_old); }

private:
    std::shared_ptr<Node> m_node;
    std::string m_name;
    std::string m_old;
};

class ReparentEdit : public SceneEditList::Edit
{
public:
    ReparentEdit(std::shared_ptr<Node> node, std::shared_ptr<Node> parent)
        : m_node(std::move(node)), m_parent(std::move(parent)) {}

    MStatus apply(SceneEditList&, std::string* error) override
    {
        Node* old = m_node->parent();
        m_oldParent = old ? old->shared() : nullptr;
        m_oldIndex = old ? old->childIndex(*m_node) : -1;
        return Scene::instance().reparent(*m_node, m_parent.get(), -1, error);
    }

    void revert(SceneEditList&) override
    {
        Scene::instance().reparent(*m_node, m_oldParent.get(), m_oldIndex);
    }

private:
    std::shared_ptr<Node> m_node;
    std::shared_ptr<Node> m_parent;
    std::shared_ptr<Node> m_oldParent;
    int m_oldIndex = -1;
};

class SetValueEdit : public SceneEditList::Edit
{
public:
    SetValueEdit(std::shared_ptr<Node> node, std::shared_ptr<Attribute> attr, PlugValue value)
        : m_node(std::move(node)), m_attr(std::move(attr)), m_value(std::move(value)) {}

    MStatus apply(SceneEditList&, std::string* error) override
    {
        const std::string plugName = m_node->name() + "." + m_attr->longName();
        if (m_node->isLocked(*m_attr)) {
            setError(error, "The attribute '" + plugName + "' is locked and cannot be modified.");
            return MStatus::kFailure;
        }
        m_old = m_node->value(*m_attr);
        if (!m_node->setValue(*m_attr, m_value)) {
            setError(error, "The value does not suit the attribute '" + plugName + "'.");
            return MStatus::kInvalidParameter;
        }
        return MStatus::kSuccess;
    }

    void revert(SceneEditList&) override { m_node->setValue(*m_attr, m_old); }

private:
    std::shared_ptr<Node> m_node;
    std::shared_ptr<Attribute> m_attr;
    PlugValue m_value;
    PlugValue m_old;
};

class PlugFlagEdit : public SceneEditList::Edit
{
public:
    using Flag = SceneEditList::PlugFlag;

    PlugFlagEdit(std::shared_ptr<Node> node, std::shared_ptr<Attribute> attr, Flag flag, bool state)
        : m_node(std::move(node)), m_attr(std::move(attr)), m_flag(flag), m_state(state) {}

    MStatus apply(SceneEditList&, std::string*) override
    {
        Node::PlugState* state = m_node->plug(*m_attr);
        if (!state)
            return MStatus::kInvalidParameter;
        m_oldLocked = state->locked;
        m_oldKeyable = state->keyable;
        m_oldChannelBox = state->channelBox;
        if (m_flag == Flag::Locked)
            state->locked = m_state;
        else if (m_flag == Flag::Keyable)
            state->keyable = m_state;
        else
            state->channelBox = m_state;
        return MStatus::kSuccess;
    }

    void revert(SceneEditList&) override
    {
        if (Node::PlugState* state = m_node->plug(*m_attr)) {
            state->locked = m_oldLocked;
            state->keyable = m_oldKeyable;
            state->channelBox = m_oldChannelBox;
        }
    }

private:
    std::shared_ptr<Node> m_node;
    std::shared_ptr<Attribute> m_attr;
    Flag m_flag;
    bool m_state;
    bool m_oldLocked = false;
    std::optional<bool> m_oldKeyable;
    std::optional<bool> m_oldChannelBox;
};

// Sets the active selection, or only remembers it when there is no list.
class SelectionEdit : public SceneEditList::Edit
{
public:
    explicit SelectionEdit(std::optional<MSelectionList> list) : m_list(std::move(list)) {}

    MStatus apply(SceneEditList&, std::string*) override
    {
        m_old = Scene::instance().selection().list();
        if (m_list)
            Scene::instance().selection().set(*m_list);
        return MStatus::kSuccess;
    }

    // Nodes that left the scene meanwhile are not selected again.
    void revert(SceneEditList&) override
    {
        Scene::instance().selection().set(m_old);
        Scene::instance().selection().dropRemovedNodes();
    }

private:
    std::optional<MSelectionList> m_list;
    MSelectionList m_old;
};

} // namespace

SceneEditList::~SceneEditList()
{
    for (const auto& edit : m_edits)
        for (const auto& node : edit->heldNodes())
            if (node->holder() == this && !node->inScene())
                node->destroy();
}

void SceneEditList::record(std::unique_ptr<Edit> edit)
{
    m_edits.push_back(std::move(edit));
}

void SceneEditList::takeOut(Node& node)
{
    Scene::instance().detach(node);
    node.setHolder(this);
}

MStatus SceneEditList::putBack(const std::shared_ptr<Node>& node, Node* parent, int index,
                               std::string* error)
{
    if (node->isDestroyed() || (parent && !parent->inScene())) {
        setError(error, "'" + node->name() + "' can no longer be restored");
        return MStatus::kFailure;
    }
    MStatus status = Scene::instance().insert(node, parent, std::string(), index, error);
    if (status)
        node->setHolder(nullptr);
    return status;
}

std::shared_ptr<Node> SceneEditList::createNode(const std::shared_ptr<NodeType>& type,
                                                const std::shared_ptr<Node>& parent,
                                                std::string* error,
                                                std::shared_ptr<Node>* madeTransform)
{
    Scene& scene = Scene::instance();
    std::shared_ptr<Node> node = scene.instantiate(type, error);
    if (!node)
        return nullptr;
    node->setHolder(this);
    if (parent || type->kind() != NodeType::Kind::Shape) {
        record(std::make_unique<CreateEdit>(node, parent));
        return node;
    }
    std::shared_ptr<Node> transform = scene.instantiate(NodeTypeRegistry::instance().find("transform"), error);
    if (!transform) {
        node->destroy();
        return nullptr;
    }
    transform->setHolder(this);
    scene.rename(*transform, type->defaultParentName() + "1");
    record(std::make_unique<CreateEdit>(transform, nullptr));
    record(std::make_unique<CreateEdit>(node, transform));
    if (madeTransform)
        *madeTransform = transform;
    return node;
}

MStatus SceneEditList::deleteNode(const std::shared_ptr<Node>& node, bool includeParents)
{
    if (!node || node->isWorld())
        return MStatus::kInvalidParameter;
    record(std::make_unique<DeleteEdit>(node, includeParents));
    return MStatus::kSuccess;
}

MStatus SceneEditList::renameNode(const std::shared_ptr<Node>& node, const std::string& name)
{
    if (!node || node->isWorld())
        return MStatus::kInvalidParameter;
    record(std::make_unique<RenameEdit>(node, name));
    return MStatus::kSuccess;
}

MStatus SceneEditList::reparentNode(const std::shared_ptr<Node>& node,
                                    const std::shared_ptr<Node>& parent)
{
    if (!node || !node->isDag() || node->isWorld())
        return MStatus::kInvalidParameter;
    record(std::make_unique<ReparentEdit>(node, parent));
    return MStatus::kSuccess;
}

MStatus SceneEditList::setPlugValue(const std::shared_ptr<Node>& node,
                                    const std::shared_ptr<Attribute>& attr, const PlugValue& value)
{
    if (!node || !attr || !node->plug(*attr))
        return MStatus::kInvalidParameter;
    record(std::make_unique<SetValueEdit>(node, attr, value));
    return MStatus::kSuccess;
}

MStatus SceneEditList::setPlugFlag(const std::shared_ptr<Node>& node,
                                   const std::shared_ptr<Attribute>& attr, PlugFlag flag, bool state)
{
    if (!node || !attr || !node->plug(*attr))
        return MStatus::kInvalidParameter;
    record(std::make_unique<PlugFlagEdit>(node, attr, flag, state));
    return MStatus::kSuccess;
}

void SceneEditList::setSelection(const MSelectionList& list)
{
    record(std::make_unique<SelectionEdit>(list));
}

void SceneEditList::keepSelection()
{
    record(std::make_unique<SelectionEdit>(std::nullopt));
}

MStatus SceneEditList::doIt(std::string* error)
{
    for (; m_done < m_edits.size(); ++m_done) {
        MStatus status = m_edits[m_done]->apply(*this, error);
        if (!status)
            return status;
    }
    return MStatus::kSuccess;
}

MStatus SceneEditList::undoIt()
{
    while (m_done > 0)
        m_edits[--m_done]->revert(*this);
    return MStatus::kSuccess;
}

} // namespace nbhost
