#pragma once

#include "files/SceneContents.h"

#include <memory>

namespace nbhost {

class Attribute;
class Host;
class Node;

// Gathers what a scene file stores from the scene: nodes parents first,
// each with the plugs that differ from a new node's (or that the node's
// shouldSave asks for), and the plug-ins whose types the scene uses.
class SceneCollector
{
public:
    static SceneContents collect(Host& host);

private:
    static SceneContents::Node collectNode(Node& node);
    static bool collectPlug(Node& node, const std::shared_ptr<Attribute>& attribute,
                            SceneContents::Plug& out);
    static bool hostWouldSave(const Node& node, const Attribute& attr);
    static void addRequirement(SceneContents& contents, const std::string& plugin,
                               const std::string& version);
};

} // namespace nbhost
