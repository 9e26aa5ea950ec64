#include <maya/MFnTypedAttribute.h>

#include "scene/Attribute.h"
#include "scene/DataTypeRegistry.h"
#include "scene/PluginDataObject.h"
#include "scene/ReturnStatus.h"

using nbhost::Attribute;
using nbhost::PlugValue;
using nbhost::PluginDataObject;
using nbhost::setReturnStatus;

namespace {

Attribute* typedOf(const MObject& object)
{
    Attribute* attr = Attribute::from(object);
    return attr && attr->kind() == Attribute::Kind::Typed ? attr : nullptr;
}

// A default must be a value of the attribute's own plug-in data type.
bool acceptsDefault(const Attribute& attr, const MObject& value)
{
    if (value.isNull())
        return true;
    PluginDataObject* data = PluginDataObject::from(value);
    return attr.dataType() == MFnData::kPlugin && data && data->type().id == attr.dataTypeId();
}

} // namespace

MFnTypedAttribute::MFnTypedAttribute() = default;
MFnTypedAttribute::MFnTypedAttribute(MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFnTypedAttribute::MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFn::Type MFnTypedAttribute::type() const { return MFn::kTypedAttribute; }

MObject MFnTypedAttribute::create(const MString& fullName, const MString& briefName,
                                  const MTypeId& id, MObject defaultData,
                                  MStatus* ReturnStatus)
{
    m_object = MObject();
    if (fullName.isEmpty() || briefName.isEmpty() || !nbhost::DataTypeRegistry::instance().find(id)) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    auto attr = Attribute::typed(fullName.asChar(), briefName.asChar(), MFnData::kPlugin, id);
    if (!acceptsDefault(*attr, defaultData)) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    if (!defaultData.isNull())
        attr->setDefaultValue(PlugValue::ofData(defaultData));
    m_object = MObject(attr);
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return m_object;
}

MObject MFnTypedAttribute::create(const MString& fullName, const MString& briefName,
                                  MFnData::Type type, MObject defaultData,
                                  MStatus* ReturnStatus)
{
    // Strings are the only built-in data type this host stores; a string
    // attribute starts empty.
    m_object = MObject();
    if (fullName.isEmpty() || briefName.isEmpty() || type != MFnData::kString
        || !defaultData.isNull()) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    m_object = MObject(Attribute::typed(fullName.asChar(), briefName.asChar(), type, MTypeId()));
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return m_object;
}

MFnData::Type MFnTypedAttribute::attrType(MStatus* ReturnStatus) const
{
    Attribute* attr = typedOf(m_object);
    setReturnStatus(ReturnStatus, attr ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return attr ? attr->dataType() : MFnData::kInvalid;
}

MStatus MFnTypedAttribute::getDefault(MObject& defaultValue)
{
    Attribute* attr = typedOf(m_object);
    if (!attr)
        return MStatus::kInvalidParameter;
    defaultValue = attr->defaultValue().data;
    return MStatus::kSuccess;
}

MStatus MFnTypedAttribute::setDefault(const MObject& defaultValue)
{
    Attribute* attr = typedOf(m_object);
    if (!attr || !acceptsDefault(*attr, defaultValue))
        return MStatus::kInvalidParameter;
    attr->setDefaultValue(defaultValue.isNull() ? PlugValue() : PlugValue::ofData(defaultValue));
    return MStatus::kSuccess;
}
