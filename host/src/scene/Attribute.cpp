#include "scene/Attribute.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace nbhost {

Attribute::Attribute(Kind kind, std::string longName, std::string shortName)
    : m_kind(kind), m_longName(std::move(longName)), m_shortName(std::move(shortName))
{
}

std::shared_ptr<Attribute> Attribute::numeric(const std::string& longName,
                                              const std::string& shortName,
                                              MFnNumericData::Type type, double defaultValue)
{
    std::shared_ptr<Attribute> attr(new Attribute(Kind::Numeric, longName, shortName));
    attr->m_numericType = type;
    attr->m_default = PlugValue::ofNumber(attr->normalize(defaultValue));
    return attr;
}

std::shared_ptr<Attribute> Attribute::compound(const std::string& longName,
                                               const std::string& shortName,
                                               const std::vector<std::shared_ptr<Attribute>>& children)
{
    if (children.size() < 2 || children.size() > 3)
        return nullptr;
    for (const auto& child : children)
        if (!child || child->m_kind != Kind::Numeric || child->m_parent)
            return nullptr;
    std::shared_ptr<Attribute> attr(new Attribute(Kind::Compound, longName, shortName));
    const bool floats = std::all_of(children.begin(), children.end(), [](const auto& c) {
        return c->m_numericType == MFnNumericData::kFloat;
    });
    if (children.size() == 2)
        attr->m_numericType = floats ? MFnNumericData::k2Float : MFnNumericData::k2Double;
    else
        attr->m_numericType = floats ? MFnNumericData::k3Float : MFnNumericData::k3Double;
    attr->m_children = children;
    for (const auto& child : children)
        child->m_parent = attr.get();
    return attr;
}

std::shared_ptr<Attribute> Attribute::typed(const std::string& longName,
                                            const std::string& shortName, MFnData::Type dataType,
                                            MTypeId dataTypeId)
{
    std::shared_ptr<Attribute> attr(new Attribute(Kind::Typed, longName, shortName));
    attr->m_dataType = dataType;
    attr->m_dataTypeId = dataTypeId;
    if (dataType == MFnData::kString)
        attr->m_default = PlugValue::ofString(std::string());
    return attr;
}

Attribute* Attribute::from(const MObject& object)
{
    return object.hasFn(MFn::kAttribute) ? dynamic_cast<Attribute*>(object.hostObject()) : nullptr;
}

MFn::Type Attribute::apiType() const
{
    switch (m_kind) {
    case Kind::Numeric: return MFn::kNumericAttribute;
    case Kind::Compound:
        return m_numericType == MFnNumericData::k3Double ? MFn::kAttribute3Double
                                                         : MFn::kNumericAttribute;
    case Kind::Typed: return MFn::kTypedAttribute;
    }
    return MFn::kAttribute;
}

const char* Attribute::apiTypeName() const
{
    switch (apiType()) {
    case MFn::kAttribute3Double: return "kAttribute3Double";
    case MFn::kTypedAttribute: return "kTypedAttribute";
    default: return "kNumericAttribute";
    }
}

bool Attribute::hasFn(MFn::Type type) const
{
    if (type == MFn::kAttribute || HostObject::hasFn(type))
        return true;
    return type == MFn::kNumericAttribute && m_kind != Kind::Typed;
}

bool Attribute::matchesName(const std::string& name) const
{
    return name == m_longName || name == m_shortName;
}

bool Attribute::isIntegral(MFnNumericData::Type type)
{
    switch (type) {
    case MFnNumericData::kBoolean:
    case MFnNumericData::kByte:
    case MFnNumericData::kChar:
    case MFnNumericData::kShort:
    case MFnNumericData::kLong:
    case MFnNumericData::kInt64:
    case MFnNumericData::kAddr:
        return true;
    default:
        return false;
    }
}

double Attribute::normalize(double value) const
{
    if (std::isnan(value))
        value = 0.0;
    if (m_min)
        value = std::max(value, *m_min);
    if (m_max)
        value = std::min(value, *m_max);
    switch (m_numericType) {
    case MFnNumericData::kBoolean:
        return value != 0.0 ? 1.0 : 0.0;
    case MFnNumericData::kByte:
    case MFnNumericData::kChar:
        return std::trunc(std::clamp(value, 0.0, 255.0));
    case MFnNumericData::kShort:
        return std::trunc(std::clamp(value, -32768.0, 32767.0));
    case MFnNumericData::kLong:
        return std::trunc(std::clamp(value, -2147483648.0, 2147483647.0));
    case MFnNumericData::kInt64:
    case MFnNumericData::kAddr:
        return std::trunc(std::clamp(value, -9.2e18, 9.2e18));
    case MFnNumericData::kFloat: {
        const double limit = std::numeric_limits<float>::max();
        return std::isinf(value) ? value : static_cast<float>(std::clamp(value, -limit, limit));
    }
    default:
        return value;
    }
}

} // namespace nbhost
