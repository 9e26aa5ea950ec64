#include <maya/MObject.h>

#include "core/HostObject.h"

const MObject MObject::kNullObj;

MObject::MObject() = default;
MObject::~MObject() = default;
MObject::MObject(std::shared_ptr<nbhost::HostObject> object) : m_object(std::move(object)) {}

bool MObject::isNull() const { return !m_object || !m_object->isAlive(); }
MFn::Type MObject::apiType() const { return isNull() ? MFn::kInvalid : m_object->apiType(); }
bool MObject::hasFn(MFn::Type type) const { return !isNull() && m_object->hasFn(type); }
const char* MObject::apiTypeStr() const { return isNull() ? "kInvalid" : m_object->apiTypeName(); }

bool MObject::operator==(const MObject& other) const { return m_object == other.m_object; }
bool MObject::operator!=(const MObject& other) const { return m_object != other.m_object; }

nbhost::HostObject* MObject::hostObject() const { return m_object.get(); }
const std::shared_ptr<nbhost::HostObject>& MObject::sharedHostObject() const { return m_object; }
