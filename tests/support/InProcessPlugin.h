#pragma once
// The plug-in loaded in the test's own process as the host's plug-in
// loading runs it: initializePlugin on a plug-in object of the host, and on
// unload uninitializePlugin, the scene emptied and the plug-in's node and
// data types withdrawn, so the next test starts clean.

#include "plugins/Plugin.h"
#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/Scene.h"

#include <maya/MFnPlugin.h>

#include <memory>
#include <vector>

PLUGIN_EXPORT MStatus initializePlugin(MObject object);
PLUGIN_EXPORT MStatus uninitializePlugin(MObject object);

namespace nbtest {

class InProcessPlugin
{
public:
    bool Load()
    {
        m_plugin = std::make_shared<nbhost::Plugin>("nibline2", "", nullptr);
        if (!initializePlugin(m_plugin->object()))
            return false;
        m_plugin->setStage(nbhost::Plugin::Stage::Loaded);
        return true;
    }
    void Unload()
    {
        if (!m_plugin)
            return;
        m_plugin->setStage(nbhost::Plugin::Stage::Uninitializing);
        uninitializePlugin(m_plugin->object());
        nbhost::Scene::instance().reset();
        for (MTypeId id : std::vector<MTypeId>(m_plugin->nodeTypes()))
            nbhost::NodeTypeRegistry::instance().deregisterPluginType(id);
        for (MTypeId id : std::vector<MTypeId>(m_plugin->dataTypes()))
            nbhost::DataTypeRegistry::instance().deregisterType(id);
        m_plugin.reset();
    }

private:
    std::shared_ptr<nbhost::Plugin> m_plugin;
};

} // namespace nbtest
