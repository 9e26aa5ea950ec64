#include <maya/MFnNumericAttribute.h>

#include "scene/Attribute.h"
#include "scene/ReturnStatus.h"

using nbhost::Attribute;
using nbhost::PlugValue;
using nbhost::setReturnStatus;

namespace {

bool isScalar(MFnNumericData::Type type)
{
    return Attribute::isIntegral(type) || type == MFnNumericData::kFloat || type == MFnNumericData::kDouble;
}

// The single-value numeric attribute the function set is attached to.
Attribute* scalarOf(const MObject& object)
{
    Attribute* attr = Attribute::from(object);
    return attr && attr->kind() == Attribute::Kind::Numeric ? attr : nullptr;
}

MStatus setLimit(const MObject& object, double value, bool minimum)
{
    Attribute* attr = scalarOf(object);
    if (!attr)
        return MStatus::kInvalidParameter;
    if (minimum)
        attr->setMinimum(value);
    else
        attr->setMaximum(value);
    return MStatus::kSuccess;
}

MStatus writeDefault(const MObject& object, double value)
{
    Attribute* attr = scalarOf(object);
    if (!attr)
        return MStatus::kInvalidParameter;
    attr->setDefaultValue(PlugValue::ofNumber(attr->normalize(value)));
    return MStatus::kSuccess;
}

MStatus readDefault(const MObject& object, double& value)
{
    Attribute* attr = scalarOf(object);
    if (!attr)
        return MStatus::kInvalidParameter;
    value = attr->defaultValue().number;
    return MStatus::kSuccess;
}

} // namespace

MFnNumericAttribute::MFnNumericAttribute() = default;
MFnNumericAttribute::MFnNumericAttribute(MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFnNumericAttribute::MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFn::Type MFnNumericAttribute::type() const { return MFn::kNumericAttribute; }

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName,
                                    MFnNumericData::Type unitType, double defaultValue,
                                    MStatus* ReturnStatus)
{
    // Multi-value numerics are built from their children (the other create).
    if (fullName.isEmpty() || briefName.isEmpty() || !isScalar(unitType)) {
        m_object = MObject();
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    m_object = MObject(Attribute::numeric(fullName.asChar(), briefName.asChar(), unitType, defaultValue));
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return m_object;
}

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName,
                                    const MObject& child1, const MObject& child2,
                                    const MObject& child3, MStatus* ReturnStatus)
{
    std::vector<std::shared_ptr<Attribute>> children;
    for (const MObject* child : {&child1, &child2, &child3})
        if (!child->isNull())
            children.push_back(std::dynamic_pointer_cast<Attribute>(child->sharedHostObject()));
    auto attr = fullName.isEmpty() || briefName.isEmpty()
                    ? nullptr
                    : Attribute::compound(fullName.asChar(), briefName.asChar(), children);
    m_object = attr ? MObject(attr) : MObject();
    setReturnStatus(ReturnStatus, attr ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return m_object;
}

MFnNumericData::Type MFnNumericAttribute::unitType(MStatus* ReturnStatus) const
{
    Attribute* attr = Attribute::from(m_object);
    setReturnStatus(ReturnStatus, attr ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return attr ? attr->numericType() : MFnNumericData::kInvalid;
}

MStatus MFnNumericAttribute::setMin(double value) { return setLimit(m_object, value, true); }
MStatus MFnNumericAttribute::setMax(double value) { return setLimit(m_object, value, false); }

bool MFnNumericAttribute::hasMin(MStatus* ReturnStatus) const
{
    Attribute* attr = scalarOf(m_object);
    setReturnStatus(ReturnStatus, attr ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return attr && attr->minimum().has_value();
}

bool MFnNumericAttribute::hasMax(MStatus* ReturnStatus) const
{
    Attribute* attr = scalarOf(m_object);
    setReturnStatus(ReturnStatus, attr ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return attr && attr->maximum().has_value();
}

MStatus MFnNumericAttribute::getMin(double& value) const
{
    Attribute* attr = scalarOf(m_object);
    if (!attr || !attr->minimum())
        return MStatus::kFailure;
    value = *attr->minimum();
    return MStatus::kSuccess;
}

MStatus MFnNumericAttribute::getMax(double& value) const
{
    Attribute* attr = scalarOf(m_object);
    if (!attr || !attr->maximum())
        return MStatus::kFailure;
    value = *attr->maximum();
    return MStatus::kSuccess;
}

MStatus MFnNumericAttribute::setDefault(bool value) { return writeDefault(m_object, value ? 1.0 : 0.0); }
MStatus MFnNumericAttribute::setDefault(int value) { return writeDefault(m_object, value); }
MStatus MFnNumericAttribute::setDefault(float value) { return writeDefault(m_object, value); }
MStatus MFnNumericAttribute::setDefault(double value) { return writeDefault(m_object, value); }

MStatus MFnNumericAttribute::getDefault(bool& value)
{
    double v = 0.0;
    MStatus status = readDefault(m_object, v);
    value = v != 0.0;
    return status;
}

MStatus MFnNumericAttribute::getDefault(int& value)
{
    double v = 0.0;
    MStatus status = readDefault(m_object, v);
    value = PlugValue::ofNumber(v).asInt();
    return status;
}

MStatus MFnNumericAttribute::getDefault(float& value)
{
    double v = 0.0;
    MStatus status = readDefault(m_object, v);
    value = static_cast<float>(v);
    return status;
}

MStatus MFnNumericAttribute::getDefault(double& value) { return readDefault(m_object, value); }
