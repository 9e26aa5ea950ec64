#pragma once

#include "core/HostObject.h"
#include "scene/DataTypeRegistry.h"

#include <memory>

class MPxData;

namespace nbhost {

// A value of a plug-in data type: owns the MPxData the type's creator made
// and deletes it when the last handle goes.
class PluginDataObject : public HostObject
{
public:
    PluginDataObject(std::shared_ptr<DataTypeRegistry::Entry> type, MPxData* data);
    ~PluginDataObject() override;

    MFn::Type apiType() const override { return MFn::kPluginData; }
    const char* apiTypeName() const override { return "kPluginData"; }
    bool hasFn(MFn::Type type) const override;

    MPxData* data() const { return m_data; }
    const DataTypeRegistry::Entry& type() const { return *m_type; }

    // The plug-in data object behind a handle, or null.
    static PluginDataObject* from(const MObject& object);

private:
    std::shared_ptr<DataTypeRegistry::Entry> m_type;
    MPxData* m_data;
};

} // namespace nbhost
