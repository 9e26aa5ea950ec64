#pragma once

#include <maya/MObject.h>
#include <maya/MPxData.h>
#include <maya/MTypeId.h>

#include <map>
#include <memory>
#include <string>

namespace nbhost {

// The plug-in data types known to the host, by name and by type id.
// MFnPlugin::registerData and deregisterData sit on top of it; typed
// attributes, MFnPluginData and the scene-file readers create values
// through it.
class DataTypeRegistry
{
public:
    struct Entry
    {
        std::string name;
        MTypeId id;
        MCreatorFunction creator = nullptr;
        MPxData::Type kind = MPxData::kData;
        // Values of this type that exist now; the type cannot be
        // deregistered while any remains.
        int liveValues = 0;
    };

    static DataTypeRegistry& instance();

    // Fails with a message in error for an empty name, a missing creator,
    // a kind other than plain data, or a name or id already registered.
    MStatus registerType(const std::string& name, MTypeId id, MCreatorFunction creator,
                         MPxData::Type kind, std::string* error = nullptr);
    // Fails for an unknown id or while values of the type exist; undo steps
    // that may hold such values are flushed first.
    MStatus deregisterType(MTypeId id, std::string* error = nullptr);

    std::shared_ptr<Entry> find(MTypeId id) const;
    std::shared_ptr<Entry> find(const std::string& name) const;

    // A new value from the type's creator, as a data object; null with a
    // message when the type is unknown or its creator returns nothing.
    MObject createValue(MTypeId id, std::string* error = nullptr) const;
    MObject createValue(const std::string& name, std::string* error = nullptr) const;
    // A new value of the same type holding a copy (MPxData::copy) of source.
    MObject copyValue(const MObject& source, std::string* error = nullptr) const;

private:
    MObject create(const std::shared_ptr<Entry>& entry, std::string* error) const;

    std::map<unsigned int, std::shared_ptr<Entry>> m_byId;
};

} // namespace nbhost
