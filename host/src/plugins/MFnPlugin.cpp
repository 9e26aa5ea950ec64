// The host's side of MFnPlugin: the version marker is the plug-ins' to
// define, not the host's.
#define MNoVersionString
#include <maya/MFnPlugin.h>

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "core/Output.h"
#include "plugins/Plugin.h"
#include "plugins/PluginManager.h"
#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/ReturnStatus.h"

#include <cstdlib>
#include <filesystem>

using nbhost::Plugin;

namespace {

Plugin* pluginOf(const MObject& object, MStatus* ReturnStatus)
{
    Plugin* plugin = Plugin::from(object);
    nbhost::setReturnStatus(ReturnStatus, plugin ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return plugin;
}

// "Any", or a version this host is at least.
bool isSatisfied(const char* requiredApiVersion)
{
    if (!requiredApiVersion || !*requiredApiVersion || std::string(requiredApiVersion) == "Any")
        return true;
    char* end = nullptr;
    const long required = std::strtol(requiredApiVersion, &end, 10);
    return *end == '\0' && required <= MAYA_API_VERSION;
}

MStatus refuse(const std::string& what, const std::string& why, MStatus status = MStatus::kFailure)
{
    nbhost::Output::write(nbhost::Output::Kind::Error, what + ": " + why);
    return status;
}

} // namespace

MFnPlugin::MFnPlugin() = default;

MFnPlugin::MFnPlugin(MObject& object, const char* vendor, const char* version,
                     const char* requiredApiVersion, MStatus* ReturnStatus)
{
    MStatus status;
    attach(object, &status);
    Plugin* plugin = Plugin::from(m_object);
    if (plugin && plugin->stage() == Plugin::Stage::Initializing) {
        plugin->setIdentity(vendor ? vendor : "Unknown", version ? version : "Unknown",
                            requiredApiVersion ? requiredApiVersion : "Any");
        if (!isSatisfied(requiredApiVersion)) {
            refuse("Plug-in \"" + plugin->name() + "\"",
                   std::string("it requires API version ") + requiredApiVersion + "; this host provides "
                       + std::to_string(MAYA_API_VERSION));
            status = MStatus::kFailure;
        }
    }
    nbhost::setReturnStatus(ReturnStatus, status);
}

MFnPlugin::~MFnPlugin() = default;

MFn::Type MFnPlugin::type() const { return MFn::kPlugin; }

MString MFnPlugin::vendor(MStatus* ReturnStatus) const
{
    Plugin* plugin = pluginOf(m_object, ReturnStatus);
    return plugin ? MString(plugin->vendor().c_str()) : MString();
}

MString MFnPlugin::version(MStatus* ReturnStatus) const
{
    Plugin* plugin = pluginOf(m_object, ReturnStatus);
    return plugin ? MString(plugin->version().c_str()) : MString();
}

MString MFnPlugin::apiVersion(MStatus* ReturnStatus) const
{
    Plugin* plugin = pluginOf(m_object, ReturnStatus);
    return plugin ? MString(plugin->apiVersion().c_str()) : MString();
}

MString MFnPlugin::name(MStatus* ReturnStatus) const
{
    Plugin* plugin = pluginOf(m_object, ReturnStatus);
    return plugin ? MString(plugin->name().c_str()) : MString();
}

MString MFnPlugin::loadPath(MStatus* ReturnStatus) const
{
    Plugin* plugin = pluginOf(m_object, ReturnStatus);
    return plugin ? MString(std::filesystem::path(plugin->path()).parent_path().c_str()) : MString();
}

MStatus MFnPlugin::registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                                   MCreateSyntaxFunction createSyntaxFunction)
{
    Plugin* plugin = Plugin::from(m_object);
    nbhost::Host* host = nbhost::Host::current();
    if (!plugin || !host)
        return MStatus::kInvalidParameter;
    const MStatus status = host->commands().registerCommand(commandName.asChar(), creatorFunction,
                                                            createSyntaxFunction, plugin->name());
    if (status == MStatus::kFailure)
        return refuse("registerCommand", "a command named \"" + std::string(commandName.asChar())
                                             + "\" already exists");
    return status;
}

MStatus MFnPlugin::deregisterCommand(const MString& commandName)
{
    Plugin* plugin = Plugin::from(m_object);
    nbhost::Host* host = nbhost::Host::current();
    if (!plugin || !host)
        return MStatus::kInvalidParameter;
    return host->commands().deregisterCommand(commandName.asChar(), plugin->name());
}

MStatus MFnPlugin::registerNode(const MString& typeName, const MTypeId& typeId,
                                MCreatorFunction creatorFunction, MInitializeFunction initFunction,
                                MPxNode::Type type, const MString* classification)
{
    Plugin* plugin = Plugin::from(m_object);
    if (!plugin)
        return MStatus::kInvalidParameter;
    std::string error;
    const MStatus status = nbhost::NodeTypeRegistry::instance().registerPluginType(
        typeName.asChar(), typeId, creatorFunction, initFunction, type,
        classification ? classification->asChar() : "", &error);
    if (!status)
        return refuse("registerNode", error, status);
    plugin->addNodeType(typeId);
    return status;
}

MStatus MFnPlugin::deregisterNode(const MTypeId& typeId)
{
    Plugin* plugin = Plugin::from(m_object);
    if (!plugin)
        return MStatus::kInvalidParameter;
    if (!plugin->ownsNodeType(typeId))
        return MStatus::kNotFound;
    std::string error;
    const MStatus status = nbhost::NodeTypeRegistry::instance().deregisterPluginType(typeId, &error);
    if (!status)
        return refuse("deregisterNode", error, status);
    plugin->removeNodeType(typeId);
    return status;
}

MStatus MFnPlugin::registerData(const MString& typeName, const MTypeId& typeId,
                                MCreatorFunction creatorFunction, MPxData::Type type)
{
    Plugin* plugin = Plugin::from(m_object);
    if (!plugin)
        return MStatus::kInvalidParameter;
    std::string error;
    const MStatus status = nbhost::DataTypeRegistry::instance().registerType(
        typeName.asChar(), typeId, creatorFunction, type, &error);
    if (!status)
        return refuse("registerData", error, status);
    plugin->addDataType(typeId);
    return status;
}

MStatus MFnPlugin::deregisterData(const MTypeId& typeId)
{
    Plugin* plugin = Plugin::from(m_object);
    if (!plugin)
        return MStatus::kInvalidParameter;
    if (!plugin->ownsDataType(typeId))
        return MStatus::kNotFound;
    std::string error;
    const MStatus status = nbhost::DataTypeRegistry::instance().deregisterType(typeId, &error);
    if (!status)
        return refuse("deregisterData", error, status);
    plugin->removeDataType(typeId);
    return status;
}

MObject MFnPlugin::findPlugin(const MString& pluginName)
{
    auto plugin = nbhost::PluginManager::instance().find(pluginName.asChar());
    return plugin ? plugin->object() : MObject();
}

bool MFnPlugin::isNodeRegistered(const MString& typeName)
{
    return nbhost::NodeTypeRegistry::instance().find(typeName.asChar()) != nullptr;
}
