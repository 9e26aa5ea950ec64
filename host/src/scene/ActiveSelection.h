#pragma once

#include <maya/MSelectionList.h>

namespace nbhost {

class Node;

// The host's active selection. Every change fires "SelectionChanged", even
// one that sets the same list again: the plug-in toggles the selection to
// make the host redraw what follows it.
class ActiveSelection
{
public:
    const MSelectionList& list() const { return m_list; }
    void set(const MSelectionList& list);
    void clear();
    // Takes out the nodes no longer in the scene; fires only if any was.
    void dropRemovedNodes();
    bool contains(const Node& node) const;

private:
    static void notify();

    MSelectionList m_list;
};

} // namespace nbhost
