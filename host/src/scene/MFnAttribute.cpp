#include <maya/MFnAttribute.h>

#include "scene/Attribute.h"
#include "scene/ReturnStatus.h"

using nbhost::Attribute;
using nbhost::setReturnStatus;

namespace {

Attribute* attributeOf(const MObject& object, MStatus* ReturnStatus)
{
    Attribute* attr = Attribute::from(object);
    setReturnStatus(ReturnStatus, attr ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return attr;
}

template <typename Getter>
bool readFlag(const MObject& object, MStatus* ReturnStatus, Getter get)
{
    Attribute* attr = attributeOf(object, ReturnStatus);
    return attr ? get(attr->flags()) : false;
}

template <typename Setter>
MStatus writeFlag(const MObject& object, Setter set)
{
    MStatus status;
    if (Attribute* attr = attributeOf(object, &status))
        set(attr->flags());
    return status;
}

} // namespace

MFnAttribute::MFnAttribute() = default;
MFnAttribute::MFnAttribute(MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFnAttribute::MFnAttribute(const MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFn::Type MFnAttribute::type() const { return MFn::kAttribute; }

MString MFnAttribute::name(MStatus* ReturnStatus) const
{
    Attribute* attr = attributeOf(m_object, ReturnStatus);
    return attr ? MString(attr->longName().c_str()) : MString();
}

MString MFnAttribute::shortName(MStatus* ReturnStatus) const
{
    Attribute* attr = attributeOf(m_object, ReturnStatus);
    return attr ? MString(attr->shortName().c_str()) : MString();
}

MObject MFnAttribute::parent(MStatus* ReturnStatus) const
{
    Attribute* attr = attributeOf(m_object, ReturnStatus);
    if (!attr || !attr->parent()) {
        setReturnStatus(ReturnStatus, MStatus::kNotFound);
        return MObject();
    }
    return MObject(attr->parent()->shared_from_this());
}

bool MFnAttribute::isReadable(MStatus* s) const { return readFlag(m_object, s, [](auto& f) { return f.readable; }); }
bool MFnAttribute::isWritable(MStatus* s) const { return readFlag(m_object, s, [](auto& f) { return f.writable; }); }
bool MFnAttribute::isConnectable(MStatus* s) const { return readFlag(m_object, s, [](auto& f) { return f.connectable; }); }
bool MFnAttribute::isStorable(MStatus* s) const { return readFlag(m_object, s, [](auto& f) { return f.storable; }); }
bool MFnAttribute::isKeyable(MStatus* s) const { return readFlag(m_object, s, [](auto& f) { return f.keyable; }); }
bool MFnAttribute::isHidden(MStatus* s) const { return readFlag(m_object, s, [](auto& f) { return f.hidden; }); }
bool MFnAttribute::isChannelBoxFlagSet(MStatus* s) const { return readFlag(m_object, s, [](auto& f) { return f.channelBox; }); }

MStatus MFnAttribute::setReadable(bool v) { return writeFlag(m_object, [v](auto& f) { f.readable = v; }); }
MStatus MFnAttribute::setWritable(bool v) { return writeFlag(m_object, [v](auto& f) { f.writable = v; }); }
MStatus MFnAttribute::setConnectable(bool v) { return writeFlag(m_object, [v](auto& f) { f.connectable = v; }); }
MStatus MFnAttribute::setStorable(bool v) { return writeFlag(m_object, [v](auto& f) { f.storable = v; }); }
MStatus MFnAttribute::setKeyable(bool v) { return writeFlag(m_object, [v](auto& f) { f.keyable = v; }); }
MStatus MFnAttribute::setHidden(bool v) { return writeFlag(m_object, [v](auto& f) { f.hidden = v; }); }
MStatus MFnAttribute::setChannelBox(bool v) { return writeFlag(m_object, [v](auto& f) { f.channelBox = v; }); }
