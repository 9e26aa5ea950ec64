#include <maya/MFnBase.h>

#include "scene/ReturnStatus.h"

MFnBase::MFnBase() = default;
MFnBase::~MFnBase() = default;

MFn::Type MFnBase::type() const { return MFn::kBase; }
bool MFnBase::hasObj(MFn::Type t) const { return m_object.hasFn(t); }
bool MFnBase::hasObj(const MObject& object) const { return object.hasFn(type()); }

MObject MFnBase::object(MStatus* ReturnStatus) const
{
    nbhost::setReturnStatus(ReturnStatus, m_object.isNull() ? MStatus::kInvalidParameter
                                                            : MStatus::kSuccess);
    return m_object;
}

MStatus MFnBase::setObject(MObject& object) { return setObject(static_cast<const MObject&>(object)); }

MStatus MFnBase::setObject(const MObject& object)
{
    MStatus status;
    attach(object, &status);
    return status;
}

void MFnBase::attach(const MObject& object, MStatus* ReturnStatus)
{
    if (object.hasFn(type())) {
        m_object = object;
        nbhost::setReturnStatus(ReturnStatus, MStatus::kSuccess);
    } else {
        m_object = MObject();
        nbhost::setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
    }
}
