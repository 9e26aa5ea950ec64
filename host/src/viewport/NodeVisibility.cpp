#include "viewport/NodeVisibility.h"

#include "scene/Node.h"

namespace nbhost {

bool NodeVisibility::visible(const Node& node)
{
    for (const Node* n = &node; n && !n->isWorld(); n = n->parent()) {
        auto attr = n->findAttribute("visibility");
        if (attr && n->value(*attr).number == 0.0)
            return false;
    }
    return true;
}

} // namespace nbhost
