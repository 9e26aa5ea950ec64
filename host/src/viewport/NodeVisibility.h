#pragma once

namespace nbhost {

class Node;

// Whether the views draw a node: neither it nor an ancestor is hidden.
class NodeVisibility
{
public:
    static bool visible(const Node& node);
};

} // namespace nbhost
