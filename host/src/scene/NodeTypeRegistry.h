#pragma once

#include "scene/NodeType.h"

#include <maya/MPxNode.h>
#include <maya/MTypeId.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace nbhost {

// The node types the host can create: the built-in ones (transform, camera,
// locator, resolution) and those plug-ins register. MFnPlugin::registerNode
// and deregisterNode sit on top of it.
class NodeTypeRegistry
{
public:
    static NodeTypeRegistry& instance();

    // Registers a plug-in node type. The type gets the attributes of its
    // kind first (DAG and locator attributes for kLocatorNode), then the
    // initializer runs and adds its own through MPxNode::addAttribute.
    // Fails, with a message in error, for an empty name, a missing creator,
    // a name or id already used, a kind other than kDependNode or
    // kLocatorNode, or a failing initializer; nothing is registered then.
    MStatus registerPluginType(const std::string& name, MTypeId id, MCreatorFunction creator,
                               MInitializeFunction initializer, MPxNode::Type kind,
                               const std::string& classification, std::string* error = nullptr);
    // Fails for unknown and built-in types, and while nodes of the type are
    // in the scene. Undo steps that hold such nodes are flushed first.
    MStatus deregisterPluginType(MTypeId id, std::string* error = nullptr);

    std::shared_ptr<NodeType> find(const std::string& name) const;
    std::shared_ptr<NodeType> find(MTypeId id) const;
    std::vector<std::shared_ptr<NodeType>> types() const;

    // Undo steps may hold nodes and values of a type that is going away;
    // like the real host, unloading a type empties the undo queue.
    static void dropUndoSteps();

    // The type whose initializer is running, or null.
    NodeType* typeBeingInitialized() const { return m_initializing; }

private:
    NodeTypeRegistry();
    void add(const std::shared_ptr<NodeType>& type);

    std::map<std::string, std::shared_ptr<NodeType>> m_byName;
    NodeType* m_initializing = nullptr;
};

} // namespace nbhost
