#include "scene/NodeTypeRegistry.h"

#include "core/Host.h"
#include "scene/BuiltinTypes.h"
#include "scene/ReturnStatus.h"
#include "undo/UndoQueue.h"

namespace nbhost {

NodeTypeRegistry& NodeTypeRegistry::instance()
{
    static NodeTypeRegistry registry;
    return registry;
}

NodeTypeRegistry::NodeTypeRegistry()
{
    for (const auto& type : BuiltinTypes::creatableTypes())
        add(type);
}

void NodeTypeRegistry::add(const std::shared_ptr<NodeType>& type)
{
    m_byName[type->name()] = type;
}

MStatus NodeTypeRegistry::registerPluginType(const std::string& name, MTypeId id,
                                             MCreatorFunction creator,
                                             MInitializeFunction initializer,
                                             MPxNode::Type kind,
                                             const std::string& classification,
                                             std::string* error)
{
    if (name.empty() || !creator) {
        setError(error, "a node type needs a name and a creator");
        return MStatus::kInvalidParameter;
    }
    if (find(name) || find(id)) {
        setError(error, "node type '" + name + "' or its type id is already registered");
        return MStatus::kFailure;
    }
    std::shared_ptr<NodeType> type = BuiltinTypes::pluginType(name, id, kind);
    if (!type) {
        setError(error, "node type '" + name + "': this host supports only dependency and locator nodes");
        return MStatus::kNotImplemented;
    }
    type->setPlugin(creator, kind, classification);
    if (initializer) {
        m_initializing = type.get();
        const MStatus status = initializer();
        m_initializing = nullptr;
        if (!status) {
            setError(error, "the initialize function of node type '" + name + "' failed");
            return status;
        }
    }
    add(type);
    return MStatus::kSuccess;
}

MStatus NodeTypeRegistry::deregisterPluginType(MTypeId id, std::string* error)
{
    std::shared_ptr<NodeType> type = find(id);
    if (!type || !type->isPlugin()) {
        setError(error, "no plug-in node type is registered with type id " + std::to_string(id.id()));
        return MStatus::kNotFound;
    }
    if (type->liveNodes() > 0)
        dropUndoSteps();
    if (type->liveNodes() > 0) {
        setError(error, "nodes of type '" + type->name() + "' still exist");
        return MStatus::kFailure;
    }
    m_byName.erase(type->name());
    return MStatus::kSuccess;
}

void NodeTypeRegistry::dropUndoSteps()
{
    if (Host* host = Host::current())
        host->undoQueue().flush();
}

std::shared_ptr<NodeType> NodeTypeRegistry::find(const std::string& name) const
{
    auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second;
}

std::shared_ptr<NodeType> NodeTypeRegistry::find(MTypeId id) const
{
    for (const auto& [name, type] : m_byName)
        if (type->id() == id)
            return type;
    return nullptr;
}

std::vector<std::shared_ptr<NodeType>> NodeTypeRegistry::types() const
{
    std::vector<std::shared_ptr<NodeType>> result;
    for (const auto& [name, type] : m_byName)
        result.push_back(type);
    return result;
}

} // namespace nbhost
