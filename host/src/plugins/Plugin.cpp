#include "plugins/Plugin.h"

#include <algorithm>

namespace nbhost {

Plugin::Plugin(std::string name, std::string path, void* handle)
    : m_name(std::move(name)), m_path(std::move(path)), m_handle(handle)
{
}

Plugin* Plugin::from(const MObject& object)
{
    if (object.isNull() || object.apiType() != MFn::kPlugin)
        return nullptr;
    return dynamic_cast<Plugin*>(object.hostObject());
}

MObject Plugin::object() { return MObject(shared_from_this()); }

void Plugin::setIdentity(const std::string& vendor, const std::string& version,
                         const std::string& apiVersion)
{
    m_vendor = vendor;
    m_version = version;
    m_apiVersion = apiVersion;
}

bool Plugin::ownsNodeType(MTypeId id) const
{
    return std::find(m_nodeTypes.begin(), m_nodeTypes.end(), id) != m_nodeTypes.end();
}

bool Plugin::ownsDataType(MTypeId id) const
{
    return std::find(m_dataTypes.begin(), m_dataTypes.end(), id) != m_dataTypes.end();
}

bool Plugin::remove(std::vector<MTypeId>& ids, MTypeId id)
{
    auto it = std::find(ids.begin(), ids.end(), id);
    if (it == ids.end())
        return false;
    ids.erase(it);
    return true;
}

} // namespace nbhost
