#pragma once

#include "core/HostObject.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypeId.h>
#include <maya/MTypes.h>

#include <string>
#include <vector>

namespace nbhost {

// One loaded plug-in module: where it came from, what it says about itself
// through MFnPlugin, and the node and data types it registered (its
// commands carry its name in the command registry). Unloading withdraws
// whatever the module left registered, so nothing points into its code
// once it is gone.
class Plugin : public HostObject
{
public:
    enum class Stage { Initializing, Loaded, Uninitializing, Unloaded };
    using EntryPoint = MStatus (*)(MObject);

    Plugin(std::string name, std::string path, void* handle);

    MFn::Type apiType() const override { return MFn::kPlugin; }
    const char* apiTypeName() const override { return "kPlugin"; }
    bool isAlive() const override { return m_stage != Stage::Unloaded; }

    // The plug-in behind a handle, or null (also once it is unloaded).
    static Plugin* from(const MObject& object);
    MObject object();

    const std::string& name() const { return m_name; }
    const std::string& path() const { return m_path; }
    void* handle() const { return m_handle; }
    Stage stage() const { return m_stage; }
    void setStage(Stage stage) { m_stage = stage; }

    const std::string& vendor() const { return m_vendor; }
    const std::string& version() const { return m_version; }
    const std::string& apiVersion() const { return m_apiVersion; }
    void setIdentity(const std::string& vendor, const std::string& version,
                     const std::string& apiVersion);

    const std::vector<MTypeId>& nodeTypes() const { return m_nodeTypes; }
    const std::vector<MTypeId>& dataTypes() const { return m_dataTypes; }
    void addNodeType(MTypeId id) { m_nodeTypes.push_back(id); }
    void addDataType(MTypeId id) { m_dataTypes.push_back(id); }
    // False when the plug-in did not register the type.
    bool removeNodeType(MTypeId id) { return remove(m_nodeTypes, id); }
    bool removeDataType(MTypeId id) { return remove(m_dataTypes, id); }
    bool ownsNodeType(MTypeId id) const;
    bool ownsDataType(MTypeId id) const;

    EntryPoint uninitialize() const { return m_uninitialize; }
    void setUninitialize(EntryPoint entry) { m_uninitialize = entry; }

private:
    static bool remove(std::vector<MTypeId>& ids, MTypeId id);

    std::string m_name;
    std::string m_path;
    void* m_handle;
    Stage m_stage = Stage::Initializing;
    std::string m_vendor = "Unknown";
    std::string m_version = "Unknown";
    std::string m_apiVersion = "Any";
    std::vector<MTypeId> m_nodeTypes;
    std::vector<MTypeId> m_dataTypes;
    EntryPoint m_uninitialize = nullptr;
};

} // namespace nbhost
