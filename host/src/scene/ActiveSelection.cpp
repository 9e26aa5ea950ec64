#include "scene/ActiveSelection.h"

#include "core/Host.h"
#include "events/EventBus.h"
#include "scene/Node.h"

namespace nbhost {

void ActiveSelection::set(const MSelectionList& list)
{
    m_list = list;
    notify();
}

void ActiveSelection::clear()
{
    m_list.clear();
    notify();
}

void ActiveSelection::dropRemovedNodes()
{
    MSelectionList kept;
    bool dropped = false;
    for (const MObject& item : m_list.hostItems()) {
        const Node* node = Node::from(item);
        if (node && node->inScene())
            kept.add(item);
        else
            dropped = true;
    }
    if (dropped) {
        m_list = kept;
        notify();
    }
}

bool ActiveSelection::contains(const Node& node) const
{
    for (const MObject& item : m_list.hostItems())
        if (Node::from(item) == &node)
            return true;
    return false;
}

void ActiveSelection::notify()
{
    if (Host* host = Host::current())
        host->events().fire("SelectionChanged");
}

} // namespace nbhost
