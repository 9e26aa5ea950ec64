#include "scene/NodeType.h"

#include <algorithm>

namespace nbhost {

NodeType::NodeType(std::string name, MTypeId id, Kind kind, std::vector<MFn::Type> fnTypes)
    : m_name(std::move(name)), m_id(id), m_kind(kind), m_fnTypes(std::move(fnTypes)),
      m_defaultName(m_name)
{
    if (m_fnTypes.empty())
        m_fnTypes.push_back(MFn::kDependencyNode);
}

bool NodeType::hasFn(MFn::Type type) const
{
    if (type == MFn::kBase || type == MFn::kNamedObject)
        return true;
    return std::find(m_fnTypes.begin(), m_fnTypes.end(), type) != m_fnTypes.end();
}

MStatus NodeType::addAttribute(const std::shared_ptr<Attribute>& attr, std::string* error)
{
    if (!attr)
        return MStatus::kInvalidParameter;
    std::vector<std::shared_ptr<Attribute>> added{attr};
    for (const auto& child : attr->children())
        added.push_back(child);
    std::vector<std::string> names;
    for (const auto& a : added) {
        const bool repeated = std::count(names.begin(), names.end(), a->longName())
                           || std::count(names.begin(), names.end(), a->shortName());
        names.push_back(a->longName());
        names.push_back(a->shortName());
        if (repeated || findAttribute(a->longName()) || findAttribute(a->shortName())
            || indexOf(a.get()) >= 0) {
            if (error)
                *error = "node type '" + m_name + "' already has an attribute named '"
                         + a->longName() + "' or '" + a->shortName() + "'";
            return MStatus::kInvalidParameter;
        }
    }
    for (const auto& a : added) {
        m_indexOf[a.get()] = static_cast<int>(m_attributes.size());
        m_attributes.push_back(a);
    }
    return MStatus::kSuccess;
}

int NodeType::indexOf(const Attribute* attr) const
{
    auto it = m_indexOf.find(attr);
    return it == m_indexOf.end() ? -1 : it->second;
}

std::shared_ptr<Attribute> NodeType::findAttribute(const std::string& name) const
{
    for (const auto& attr : m_attributes)
        if (attr->matchesName(name))
            return attr;
    return nullptr;
}

void NodeType::setPlugin(MCreatorFunction creator, MPxNode::Type kind,
                         const std::string& classification)
{
    m_creator = creator;
    m_pluginKind = kind;
    m_classification = classification;
}

} // namespace nbhost
