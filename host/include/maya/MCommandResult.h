#pragma once
// The typed result of a script evaluation.

#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <memory>

class MDoubleArray;
class MIntArray;
class MStringArray;

namespace nbhost {
class Value;
}

class OPENMAYA_EXPORT MCommandResult
{
public:
    enum Type
    {
        kInvalid = 0,
        kInt,
        kInt64,
        kIntArray,
        kInt64Array,
        kDouble,
        kDoubleArray,
        kString,
        kStringArray,
        kVector,
        kVectorArray,
        kMatrix,
        kMatrixArray
    };

    MCommandResult(MStatus* ReturnStatus = nullptr);
    virtual ~MCommandResult();

    Type resultType(MStatus* ReturnStatus = nullptr) const;

    // Each form fails with kInvalidParameter and leaves its argument alone
    // when the result has another type.
    MStatus getResult(int& result) const;
    MStatus getResult(MIntArray& result) const;
    MStatus getResult(double& result) const;
    MStatus getResult(MDoubleArray& result) const;
    MStatus getResult(MString& result) const;
    MStatus getResult(MStringArray& result) const;
    MString stringResult(MStatus* ReturnStatus = nullptr) const;

    // Host side: the value an evaluation produced.
    void setHostValue(const nbhost::Value& value);
    const nbhost::Value& hostValue() const;

private:
    MCommandResult(const MCommandResult&) = delete;
    MCommandResult& operator=(const MCommandResult&) = delete;

    std::unique_ptr<nbhost::Value> m_value;
};
