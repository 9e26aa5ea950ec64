#pragma once

#include "core/SceneUnits.h"

#include <maya/MSelectionList.h>
#include <maya/MTime.h>

#include <memory>
#include <vector>

namespace nbhost {

class Host;
class Node;

// The scene as it was before an open. Its nodes are taken out whole, which
// leaves the scene empty for the read; restore() puts them back (with the
// selection and units) when the read fails, commit() destroys them when it
// succeeds. A backup neither restored nor committed restores itself.
class SceneBackup
{
public:
    explicit SceneBackup(Host& host);
    ~SceneBackup();
    SceneBackup(const SceneBackup&) = delete;
    SceneBackup& operator=(const SceneBackup&) = delete;

    void restore();
    void commit();

private:
    Host& m_host;
    std::vector<std::shared_ptr<Node>> m_topNodes; // DAG roots in order, then the other nodes
    MSelectionList m_selection;
    std::shared_ptr<Node> m_lastCreated;
    SceneUnits m_units;
    MTime::Unit m_timeUnit;
    bool m_done = false;
};

} // namespace nbhost
