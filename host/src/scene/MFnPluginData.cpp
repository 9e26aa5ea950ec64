#include <maya/MFnPluginData.h>

#include "scene/PluginDataObject.h"
#include "scene/ReturnStatus.h"

using nbhost::PluginDataObject;
using nbhost::setReturnStatus;

// Each function set checks the object in its own constructor body, where
// type() already answers for that class.
MFnPluginData::MFnPluginData() = default;

MFnPluginData::MFnPluginData(MObject& object, MStatus* ReturnStatus)
    : MFnPluginData(static_cast<const MObject&>(object), ReturnStatus)
{
}

MFnPluginData::MFnPluginData(const MObject& object, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, setObject(object));
}

MFn::Type MFnPluginData::type() const { return MFn::kPluginData; }

MObject MFnPluginData::create(const MTypeId& id, MStatus* ReturnStatus)
{
    MObject value = nbhost::DataTypeRegistry::instance().createValue(id);
    if (value.isNull()) {
        m_object = MObject();
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    m_object = value;
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return value;
}

MTypeId MFnPluginData::typeId(MStatus* ReturnStatus) const
{
    PluginDataObject* value = PluginDataObject::from(m_object);
    setReturnStatus(ReturnStatus, value ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return value ? value->type().id : MTypeId();
}

MPxData* MFnPluginData::data(MStatus* ReturnStatus)
{
    PluginDataObject* value = PluginDataObject::from(m_object);
    setReturnStatus(ReturnStatus, value ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return value ? value->data() : nullptr;
}

const MPxData* MFnPluginData::constData(MStatus* ReturnStatus) const
{
    PluginDataObject* value = PluginDataObject::from(m_object);
    setReturnStatus(ReturnStatus, value ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return value ? value->data() : nullptr;
}
