// A small plug-in module for the host's tests: one command, one node type
// and one data type. Environment variables make it misbehave on purpose:
//   NBTEST_PLUGIN_FAIL_INIT    initializePlugin registers the command, then fails
//   NBTEST_PLUGIN_FORGET       uninitializePlugin deregisters nothing
//   NBTEST_PLUGIN_FAIL_UNINIT  uninitializePlugin fails without deregistering
//   NBTEST_PLUGIN_REQUIRE      the API version it asks the host for
#include "TestPluginCommand.h"
#include "TestPluginData.h"
#include "TestPluginNode.h"

#include <maya/MFnPlugin.h>

#include <cstdlib>

namespace {

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value && *value != '0';
}

} // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject object)
{
    MStatus status;
    const char* required = std::getenv("NBTEST_PLUGIN_REQUIRE");
    MFnPlugin plugin(object, "Nibline tests", "1.2", required ? required : "Any", &status);
    if (!status)
        return status;
    status = plugin.registerCommand(TestPluginCommand::kName, TestPluginCommand::creator);
    if (!status || isSet("NBTEST_PLUGIN_FAIL_INIT"))
        return MStatus::kFailure;
    status = plugin.registerData(TestPluginData::kName, TestPluginData::kId, TestPluginData::creator);
    if (!status)
        return status;
    return plugin.registerNode(TestPluginNode::kName, TestPluginNode::kId, TestPluginNode::creator,
                               TestPluginNode::initialize, MPxNode::kLocatorNode);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject object)
{
    if (isSet("NBTEST_PLUGIN_FAIL_UNINIT"))
        return MStatus::kFailure;
    if (isSet("NBTEST_PLUGIN_FORGET"))
        return MStatus::kSuccess;
    MFnPlugin plugin(object);
    MStatus status = plugin.deregisterNode(TestPluginNode::kId);
    if (status)
        status = plugin.deregisterData(TestPluginData::kId);
    if (status)
        status = plugin.deregisterCommand(TestPluginCommand::kName);
    return status;
}
