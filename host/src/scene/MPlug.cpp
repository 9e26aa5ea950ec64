#include <maya/MPlug.h>

#include "scene/Attribute.h"
#include "scene/DataTypeRegistry.h"
#include "scene/Node.h"
#include "scene/PluginDataObject.h"
#include "scene/ReturnStatus.h"

#include <algorithm>

using nbhost::Attribute;
using nbhost::Node;
using nbhost::PlugValue;
using nbhost::setReturnStatus;

namespace {

// The node and attribute a plug refers to, both valid, or neither.
struct Target
{
    Node* node = nullptr;
    Attribute* attr = nullptr;
    explicit operator bool() const { return node && attr; }
};

Target resolve(const MObject& node, const MObject& attribute)
{
    Target t{Node::from(node), Attribute::from(attribute)};
    if (!t.node || !t.attr || !t.node->plug(*t.attr))
        return Target{};
    return t;
}

// The plug's value when it is of the wanted kind.
const PlugValue* read(const Target& t, PlugValue::Kind kind, MStatus* ReturnStatus)
{
    static const PlugValue none;
    if (!t) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return &none;
    }
    const PlugValue& value = t.node->plug(*t.attr)->value;
    const bool emptyData = kind == PlugValue::Kind::Data && value.kind == PlugValue::Kind::None
                        && t.attr->kind() == Attribute::Kind::Typed
                        && t.attr->dataType() == MFnData::kPlugin;
    const bool ok = value.kind == kind || emptyData;
    setReturnStatus(ReturnStatus, ok ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return ok ? &value : &none;
}

MStatus write(const Target& t, const PlugValue& value)
{
    if (!t)
        return MStatus::kInvalidParameter;
    if (t.node->isLocked(*t.attr))
        return MStatus::kFailure;
    return t.node->setValue(*t.attr, value) ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

} // namespace

MPlug::MPlug() = default;

MPlug::MPlug(const MObject& node, const MObject& attribute)
{
    if (resolve(node, attribute)) {
        m_node = node;
        m_attribute = attribute;
    }
}

MPlug::MPlug(const MPlug& other) = default;
MPlug::~MPlug() = default;
MPlug& MPlug::operator=(const MPlug& other) = default;

bool MPlug::operator==(const MPlug& other) const
{
    return m_node == other.m_node && m_attribute == other.m_attribute;
}

bool MPlug::operator==(const MObject& attribute) const { return m_attribute == attribute; }
bool MPlug::operator!=(const MPlug& other) const { return !(*this == other); }
bool MPlug::operator!=(const MObject& attribute) const { return !(*this == attribute); }

bool MPlug::isNull(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return !resolve(m_node, m_attribute);
}

MObject MPlug::node(MStatus* ReturnStatus) const
{
    const bool ok = static_cast<bool>(resolve(m_node, m_attribute));
    setReturnStatus(ReturnStatus, ok ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return ok ? m_node : MObject();
}

MObject MPlug::attribute(MStatus* ReturnStatus) const
{
    const bool ok = static_cast<bool>(resolve(m_node, m_attribute));
    setReturnStatus(ReturnStatus, ok ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return ok ? m_attribute : MObject();
}

MString MPlug::name(MStatus* ReturnStatus) const
{
    return partialName(true, false, false, false, false, true, ReturnStatus);
}

MString MPlug::info(MStatus* ReturnStatus) const { return name(ReturnStatus); }

MString MPlug::partialName(bool includeNodeName, bool, bool, bool, bool useFullAttributePath,
                           bool useLongNames, MStatus* ReturnStatus) const
{
    Target t = resolve(m_node, m_attribute);
    setReturnStatus(ReturnStatus, t ? MStatus::kSuccess : MStatus::kInvalidParameter);
    if (!t)
        return MString();
    auto nameOf = [useLongNames](const Attribute& a) {
        return useLongNames ? a.longName() : a.shortName();
    };
    std::string text = nameOf(*t.attr);
    if (useFullAttributePath && t.attr->parent())
        text = nameOf(*t.attr->parent()) + "." + text;
    if (includeNodeName)
        text = t.node->name() + "." + text;
    return MString(text.c_str());
}

bool MPlug::isCompound(MStatus* ReturnStatus) const { return numChildren(ReturnStatus) > 0; }

unsigned int MPlug::numChildren(MStatus* ReturnStatus) const
{
    Target t = resolve(m_node, m_attribute);
    setReturnStatus(ReturnStatus, t ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return t ? static_cast<unsigned int>(t.attr->children().size()) : 0;
}

MPlug MPlug::child(unsigned int index, MStatus* ReturnStatus) const
{
    Target t = resolve(m_node, m_attribute);
    if (!t || index >= t.attr->children().size()) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MPlug();
    }
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return MPlug(m_node, MObject(t.attr->children()[index]));
}

MPlug MPlug::child(const MObject& attr, MStatus* ReturnStatus) const
{
    Target t = resolve(m_node, m_attribute);
    Attribute* wanted = Attribute::from(attr);
    const bool ok = t && wanted && wanted->parent() == t.attr;
    setReturnStatus(ReturnStatus, ok ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return ok ? MPlug(m_node, attr) : MPlug();
}

bool MPlug::isChild(MStatus* ReturnStatus) const
{
    Target t = resolve(m_node, m_attribute);
    setReturnStatus(ReturnStatus, t ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return t && t.attr->parent();
}

MPlug MPlug::parent(MStatus* ReturnStatus) const
{
    Target t = resolve(m_node, m_attribute);
    if (!t || !t.attr->parent()) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MPlug();
    }
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return MPlug(m_node, MObject(t.attr->parent()->shared_from_this()));
}

// No arrays and no connections in this host.
bool MPlug::isArray(MStatus* ReturnStatus) const { isNull(ReturnStatus); return false; }
bool MPlug::isElement(MStatus* ReturnStatus) const { isNull(ReturnStatus); return false; }
bool MPlug::isNetworked(MStatus* ReturnStatus) const { isNull(ReturnStatus); return false; }
bool MPlug::isConnected(MStatus* ReturnStatus) const { isNull(ReturnStatus); return false; }

bool MPlug::isLocked(MStatus* ReturnStatus) const
{
    Target t = resolve(m_node, m_attribute);
    setReturnStatus(ReturnStatus, t ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return t && t.node->isLocked(*t.attr);
}

MStatus MPlug::setLocked(bool locked)
{
    Target t = resolve(m_node, m_attribute);
    if (!t)
        return MStatus::kInvalidParameter;
    t.node->plug(*t.attr)->locked = locked;
    return MStatus::kSuccess;
}

bool MPlug::isKeyable(MStatus* ReturnStatus) const
{
    Target t = resolve(m_node, m_attribute);
    setReturnStatus(ReturnStatus, t ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return t && t.node->isKeyable(*t.attr);
}

MStatus MPlug::setKeyable(bool keyable)
{
    Target t = resolve(m_node, m_attribute);
    if (!t)
        return MStatus::kInvalidParameter;
    t.node->plug(*t.attr)->keyable = keyable;
    return MStatus::kSuccess;
}

bool MPlug::isChannelBox(MStatus* ReturnStatus) const
{
    Target t = resolve(m_node, m_attribute);
    setReturnStatus(ReturnStatus, t ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return t && t.node->isChannelBox(*t.attr);
}

MStatus MPlug::setChannelBox(bool channelBox)
{
    Target t = resolve(m_node, m_attribute);
    if (!t)
        return MStatus::kInvalidParameter;
    t.node->plug(*t.attr)->channelBox = channelBox;
    return MStatus::kSuccess;
}

MStatus MPlug::getValue(MObject& val) const { MStatus s; val = asMObject(&s); return s; }
MStatus MPlug::getValue(MString& val) const { MStatus s; val = asString(&s); return s; }
MStatus MPlug::getValue(double& val) const { MStatus s; val = asDouble(&s); return s; }
MStatus MPlug::getValue(float& val) const { MStatus s; val = asFloat(&s); return s; }
MStatus MPlug::getValue(int& val) const { MStatus s; val = asInt(&s); return s; }
MStatus MPlug::getValue(short& val) const { MStatus s; val = asShort(&s); return s; }
MStatus MPlug::getValue(bool& val) const { MStatus s; val = asBool(&s); return s; }

MStatus MPlug::setValue(MObject& val) { return setMObject(val); }
MStatus MPlug::setValue(const MString& val) { return setString(val); }
MStatus MPlug::setValue(const char* val) { return setString(MString(val)); }
MStatus MPlug::setValue(double val) { return setDouble(val); }
MStatus MPlug::setValue(float val) { return setFloat(val); }
MStatus MPlug::setValue(int val) { return setInt(val); }
MStatus MPlug::setValue(short val) { return setShort(val); }
MStatus MPlug::setValue(bool val) { return setBool(val); }

bool MPlug::asBool(MStatus* ReturnStatus) const
{
    return read(resolve(m_node, m_attribute), PlugValue::Kind::Number, ReturnStatus)->number != 0.0;
}

int MPlug::asInt(MStatus* ReturnStatus) const
{
    return read(resolve(m_node, m_attribute), PlugValue::Kind::Number, ReturnStatus)->asInt();
}

short MPlug::asShort(MStatus* ReturnStatus) const
{
    return static_cast<short>(std::clamp(asInt(ReturnStatus), -32768, 32767));
}

float MPlug::asFloat(MStatus* ReturnStatus) const
{
    return static_cast<float>(asDouble(ReturnStatus));
}

double MPlug::asDouble(MStatus* ReturnStatus) const
{
    return read(resolve(m_node, m_attribute), PlugValue::Kind::Number, ReturnStatus)->number;
}

MString MPlug::asString(MStatus* ReturnStatus) const
{
    return MString(read(resolve(m_node, m_attribute), PlugValue::Kind::String, ReturnStatus)->text.c_str());
}

MObject MPlug::asMObject(MStatus* ReturnStatus) const
{
    return read(resolve(m_node, m_attribute), PlugValue::Kind::Data, ReturnStatus)->data;
}

MStatus MPlug::setBool(bool val) { return setDouble(val ? 1.0 : 0.0); }
MStatus MPlug::setInt(int val) { return setDouble(val); }
MStatus MPlug::setShort(short val) { return setDouble(val); }
MStatus MPlug::setFloat(float val) { return setDouble(val); }

MStatus MPlug::setDouble(double val)
{
    return write(resolve(m_node, m_attribute), PlugValue::ofNumber(val));
}

MStatus MPlug::setString(const MString& val)
{
    return write(resolve(m_node, m_attribute), PlugValue::ofString(val.asChar()));
}

MStatus MPlug::setMObject(const MObject& val)
{
    Target t = resolve(m_node, m_attribute);
    if (!t || !nbhost::PluginDataObject::from(val))
        return MStatus::kInvalidParameter;
    if (t.node->isLocked(*t.attr))
        return MStatus::kFailure;
    // Check the type before copying, so a wrong value never reaches a creator.
    if (t.attr->dataType() != MFnData::kPlugin
        || nbhost::PluginDataObject::from(val)->type().id != t.attr->dataTypeId())
        return MStatus::kInvalidParameter;
    MObject copy = nbhost::DataTypeRegistry::instance().copyValue(val);
    return copy.isNull() ? MStatus::kFailure : write(t, PlugValue::ofData(copy));
}
