#pragma once

#include "scene/Attribute.h"

#include <maya/MFn.h>
#include <maya/MPxNode.h>
#include <maya/MTypeId.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace nbhost {

// A kind of node: its name and id, where it sits in the DAG, the function
// sets it answers to, its attributes and, for plug-in types, the plug-in's
// creator. Attributes are listed parents before children; a node keeps one
// value per listed attribute, in the same order.
class NodeType
{
public:
    enum class Kind
    {
        World,     // the DAG root
        Transform, // DAG node that may parent others
        Shape,     // DAG leaf under a transform
        Depend     // not in the DAG
    };

    // fnTypes: the function-set types the nodes answer to, most specific
    // first (that one is the nodes' apiType).
    NodeType(std::string name, MTypeId id, Kind kind, std::vector<MFn::Type> fnTypes);

    const std::string& name() const { return m_name; }
    MTypeId id() const { return m_id; }
    Kind kind() const { return m_kind; }
    bool isDag() const { return m_kind != Kind::Depend; }
    MFn::Type apiType() const { return m_fnTypes.front(); }
    bool hasFn(MFn::Type type) const;

    // Adds an attribute with its children; fails when a long or short name
    // is already used on this type.
    MStatus addAttribute(const std::shared_ptr<Attribute>& attr, std::string* error = nullptr);
    const std::vector<std::shared_ptr<Attribute>>& attributes() const { return m_attributes; }
    // Position of the attribute in attributes(), or -1.
    int indexOf(const Attribute* attr) const;
    // By long or short name; null when absent.
    std::shared_ptr<Attribute> findAttribute(const std::string& name) const;

    // Name a new node of this type starts from ("transform1", "cameraShape1").
    const std::string& defaultName() const { return m_defaultName; }
    void setDefaultName(const std::string& name) { m_defaultName = name; }
    // For shapes: the name base of the transform made when none is given.
    const std::string& defaultParentName() const { return m_defaultParentName; }
    void setDefaultParentName(const std::string& name) { m_defaultParentName = name; }

    // Plug-in types.
    bool isPlugin() const { return m_creator != nullptr; }
    MCreatorFunction creator() const { return m_creator; }
    MPxNode::Type pluginKind() const { return m_pluginKind; }
    const std::string& classification() const { return m_classification; }
    void setPlugin(MCreatorFunction creator, MPxNode::Type kind, const std::string& classification);

    // Nodes of this type that exist (in the scene or held for undo).
    int liveNodes() const { return m_liveNodes; }
    void addLiveNode(int delta) { m_liveNodes += delta; }

private:
    std::string m_name;
    MTypeId m_id;
    Kind m_kind;
    std::vector<MFn::Type> m_fnTypes;
    std::vector<std::shared_ptr<Attribute>> m_attributes;
    std::map<const Attribute*, int> m_indexOf;
    std::string m_defaultName;
    std::string m_defaultParentName;
    MCreatorFunction m_creator = nullptr;
    MPxNode::Type m_pluginKind = MPxNode::kDependNode;
    std::string m_classification;
    int m_liveNodes = 0;
};

} // namespace nbhost
