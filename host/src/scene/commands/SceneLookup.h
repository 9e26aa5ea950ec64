#pragma once

#include "scene/Attribute.h"
#include "scene/Node.h"

#include <maya/MArgDatabase.h>
#include <maya/MSelectionList.h>
#include <maya/MStringArray.h>

#include <memory>
#include <string>
#include <vector>

namespace nbhost {

// Finds what the scene commands name: nodes by name, path or pattern, and
// plugs written "node.attribute" (or ".attribute" for the node the last
// createNode made, as scene files write them).
class SceneLookup
{
public:
    struct PlugRef
    {
        std::shared_ptr<Node> node;
        std::shared_ptr<Attribute> attr;
        std::string text() const { return node->name() + "." + attr->longName(); }
    };

    // A list of every node the names match, each once, in the order named;
    // an error "No object matches name: x" for a name that matches none.
    static bool named(const MStringArray& names, MSelectionList& out, std::string* error);
    static std::shared_ptr<Node> node(const std::string& name, std::string* error);
    // The nodes of the active selection.
    static std::vector<std::shared_ptr<Node>> selectedNodes();
    // The nodes a command's objects name, or the selection when it names
    // none.
    static bool objectsOrSelection(const MArgDatabase& db, std::vector<std::shared_ptr<Node>>& out,
                                   std::string* error);
    static bool plug(const std::string& text, PlugRef& out, std::string* error);
    // Whether the node's type is, or belongs to, the named type ("dagNode",
    // "shape" and "transform" name groups of types).
    static bool isOfType(const Node& node, const std::string& typeName);
    // The name a command result shows: the full path with longNames, else
    // the name.
    static std::string displayName(const Node& node, bool longNames);

private:
    static std::vector<std::shared_ptr<Node>> nodesIn(const MSelectionList& list);
};

} // namespace nbhost
