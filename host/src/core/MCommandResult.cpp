#include <maya/MCommandResult.h>

#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MStringArray.h>

#include "core/ArrayValues.h"

using nbhost::Value;

MCommandResult::MCommandResult(MStatus* ReturnStatus) : m_value(new Value)
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
}

MCommandResult::~MCommandResult() = default;

MCommandResult::Type MCommandResult::resultType(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    switch (m_value->type()) {
    case Value::Type::Int: return kInt;
    case Value::Type::Float: return kDouble;
    case Value::Type::String: return kString;
    case Value::Type::IntArray: return kIntArray;
    case Value::Type::FloatArray: return kDoubleArray;
    case Value::Type::StringArray: return kStringArray;
    case Value::Type::Void: break;
    }
    return kInvalid;
}

MStatus MCommandResult::getResult(int& result) const
{
    if (resultType() != kInt)
        return MStatus::kInvalidParameter;
    result = static_cast<int>(m_value->asInt());
    return MStatus::kSuccess;
}

MStatus MCommandResult::getResult(MIntArray& result) const
{
    if (resultType() != kIntArray)
        return MStatus::kInvalidParameter;
    nbhost::ArrayValues::copy(*m_value, result);
    return MStatus::kSuccess;
}

MStatus MCommandResult::getResult(double& result) const
{
    if (resultType() != kDouble)
        return MStatus::kInvalidParameter;
    result = m_value->asFloat();
    return MStatus::kSuccess;
}

MStatus MCommandResult::getResult(MDoubleArray& result) const
{
    if (resultType() != kDoubleArray)
        return MStatus::kInvalidParameter;
    nbhost::ArrayValues::copy(*m_value, result);
    return MStatus::kSuccess;
}

MStatus MCommandResult::getResult(MString& result) const
{
    if (resultType() != kString)
        return MStatus::kInvalidParameter;
    result = m_value->asString().c_str();
    return MStatus::kSuccess;
}

MStatus MCommandResult::getResult(MStringArray& result) const
{
    if (resultType() != kStringArray)
        return MStatus::kInvalidParameter;
    nbhost::ArrayValues::copy(*m_value, result);
    return MStatus::kSuccess;
}

MString MCommandResult::stringResult(MStatus* ReturnStatus) const
{
    MString result;
    MStatus status = getResult(result);
    if (ReturnStatus)
        *ReturnStatus = status;
    return result;
}

void MCommandResult::setHostValue(const Value& value) { *m_value = value; }
const Value& MCommandResult::hostValue() const { return *m_value; }
