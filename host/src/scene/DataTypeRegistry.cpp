#include "scene/DataTypeRegistry.h"

#include "scene/NodeTypeRegistry.h"
#include "scene/PluginDataObject.h"
#include "scene/ReturnStatus.h"

namespace nbhost {

DataTypeRegistry& DataTypeRegistry::instance()
{
    static DataTypeRegistry registry;
    return registry;
}

MStatus DataTypeRegistry::registerType(const std::string& name, MTypeId id,
                                       MCreatorFunction creator, MPxData::Type kind,
                                       std::string* error)
{
    if (name.empty() || !creator) {
        setError(error, "a data type needs a name and a creator");
        return MStatus::kInvalidParameter;
    }
    if (kind != MPxData::kData) {
        setError(error, "data type '" + name + "': only plain data types are supported");
        return MStatus::kNotImplemented;
    }
    if (find(name) || find(id)) {
        setError(error, "data type '" + name + "' or its type id is already registered");
        return MStatus::kFailure;
    }
    auto entry = std::make_shared<Entry>();
    entry->name = name;
    entry->id = id;
    entry->creator = creator;
    entry->kind = kind;
    m_byId[id.id()] = entry;
    return MStatus::kSuccess;
}

MStatus DataTypeRegistry::deregisterType(MTypeId id, std::string* error)
{
    auto it = m_byId.find(id.id());
    if (it == m_byId.end()) {
        setError(error, "no data type is registered with type id " + std::to_string(id.id()));
        return MStatus::kNotFound;
    }
    if (it->second->liveValues > 0)
        NodeTypeRegistry::dropUndoSteps();
    if (it->second->liveValues > 0) {
        setError(error, "values of data type '" + it->second->name + "' are still in use");
        return MStatus::kFailure;
    }
    m_byId.erase(it);
    return MStatus::kSuccess;
}

std::shared_ptr<DataTypeRegistry::Entry> DataTypeRegistry::find(MTypeId id) const
{
    auto it = m_byId.find(id.id());
    return it == m_byId.end() ? nullptr : it->second;
}

std::shared_ptr<DataTypeRegistry::Entry> DataTypeRegistry::find(const std::string& name) const
{
    for (const auto& [key, entry] : m_byId)
        if (entry->name == name)
            return entry;
    return nullptr;
}

MObject DataTypeRegistry::createValue(MTypeId id, std::string* error) const
{
    auto entry = find(id);
    if (!entry) {
        setError(error, "no data type is registered with type id " + std::to_string(id.id()));
        return MObject();
    }
    return create(entry, error);
}

MObject DataTypeRegistry::createValue(const std::string& name, std::string* error) const
{
    auto entry = find(name);
    if (!entry) {
        setError(error, "unknown data type '" + name + "'");
        return MObject();
    }
    return create(entry, error);
}

MObject DataTypeRegistry::copyValue(const MObject& source, std::string* error) const
{
    PluginDataObject* from = PluginDataObject::from(source);
    if (!from) {
        setError(error, "the value is not plug-in data");
        return MObject();
    }
    MObject copy = createValue(from->type().id, error);
    if (PluginDataObject* to = PluginDataObject::from(copy))
        to->data()->copy(*from->data());
    return copy;
}

MObject DataTypeRegistry::create(const std::shared_ptr<Entry>& entry, std::string* error) const
{
    auto* data = static_cast<MPxData*>(entry->creator());
    if (!data) {
        setError(error, "the creator of data type '" + entry->name + "' returned nothing");
        return MObject();
    }
    return MObject(std::make_shared<PluginDataObject>(entry, data));
}

} // namespace nbhost
