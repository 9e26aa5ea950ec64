#include "files/SceneBackup.h"

#include "core/Host.h"
#include "scene/Scene.h"
#include "time/TimeState.h"

namespace nbhost {

SceneBackup::SceneBackup(Host& host)
    : m_host(host), m_units(host.sceneUnits()), m_timeUnit(host.time().uiUnit())
{
    Scene& scene = Scene::instance();
    m_selection = scene.selection().list();
    m_lastCreated = scene.lastCreated();
    m_topNodes = scene.world().children();
    for (const auto& node : scene.nodes())
        if (!node->isDag())
            m_topNodes.push_back(node);
    for (const auto& node : m_topNodes)
        scene.detach(*node);
}

SceneBackup::~SceneBackup()
{
    if (!m_done)
        restore();
}

void SceneBackup::restore()
{
    if (m_done)
        return;
    m_done = true;
    Scene& scene = Scene::instance();
    scene.clear();
    for (const auto& node : m_topNodes)
        scene.insert(node, nullptr, "");
    scene.setLastCreated(m_lastCreated);
    if (!m_selection.isEmpty())
        scene.selection().set(m_selection);
    m_host.sceneUnits() = m_units;
    m_host.time().setUIUnit(m_timeUnit);
}

void SceneBackup::commit()
{
    if (m_done)
        return;
    m_done = true;
    for (const auto& node : m_topNodes)
        node->destroy();
    m_topNodes.clear();
}

} // namespace nbhost
