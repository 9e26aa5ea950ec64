#include "scene/PluginDataObject.h"

#include <maya/MPxData.h>

namespace nbhost {

PluginDataObject::PluginDataObject(std::shared_ptr<DataTypeRegistry::Entry> type, MPxData* data)
    : m_type(std::move(type)), m_data(data)
{
    ++m_type->liveValues;
}

PluginDataObject::~PluginDataObject()
{
    delete m_data;
    --m_type->liveValues;
}

bool PluginDataObject::hasFn(MFn::Type type) const
{
    return type == MFn::kData || HostObject::hasFn(type);
}

PluginDataObject* PluginDataObject::from(const MObject& object)
{
    if (!object.hasFn(MFn::kPluginData))
        return nullptr;
    return dynamic_cast<PluginDataObject*>(object.hostObject());
}

} // namespace nbhost
