#pragma once

#include "scene/NodeType.h"

#include <maya/MPxNode.h>

#include <memory>
#include <string>
#include <vector>

namespace nbhost {

// The node types built into the host and the attributes they share. The
// DAG attributes (visibility, template) and the locator attributes
// (localPosition, localScale) are the same attribute objects on every type
// that has them, as MPxLocatorNode's static attributes are.
class BuiltinTypes
{
public:
    // The DAG root's type; it is never created by name.
    static std::shared_ptr<NodeType> world();
    // transform, camera, locator and resolution.
    static const std::vector<std::shared_ptr<NodeType>>& creatableTypes();
    // A new plug-in type of the given kind with the attributes it inherits;
    // null for kinds this host does not support.
    static std::shared_ptr<NodeType> pluginType(const std::string& name, MTypeId id,
                                                MPxNode::Type kind);

private:
    static void addDagAttributes(NodeType& type);
    static void addLocatorAttributes(NodeType& type);
    static std::shared_ptr<NodeType> transformType();
    static std::shared_ptr<NodeType> cameraType();
    static std::shared_ptr<NodeType> locatorType();
    static std::shared_ptr<NodeType> resolutionType();
};

} // namespace nbhost
