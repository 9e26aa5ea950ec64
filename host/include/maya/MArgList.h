#pragma once
// The arguments of a command invocation, in order: flags ("-name") and
// values as they were given.

#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <memory>
#include <vector>

class MDoubleArray;
class MIntArray;
class MStringArray;
class MTime;

namespace nbhost {
class Value;
}

class OPENMAYA_EXPORT MArgList
{
public:
    MArgList();
    MArgList(const MArgList& other);
    ~MArgList();
    MArgList& operator=(const MArgList& other);

    unsigned int length(MStatus* ReturnStatus = nullptr) const;

    bool asBool(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    int asInt(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    double asDouble(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MString asString(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    // A number in the UI time unit.
    MTime asTime(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    // Array forms read either one array argument or a count followed by
    // that many elements; index moves past what was read.
    MIntArray asIntArray(unsigned int& index, MStatus* ReturnStatus = nullptr) const;
    MDoubleArray asDoubleArray(unsigned int& index, MStatus* ReturnStatus = nullptr) const;
    MStringArray asStringArray(unsigned int& index, MStatus* ReturnStatus = nullptr) const;

    // Position of the flag, by either name (with or without the dash), or
    // kInvalidArgIndex.
    unsigned int flagIndex(const char* shortFlag, const char* longFlag = nullptr) const;

    // get() reads the argument at index and moves index past it.
    MStatus get(unsigned int& index, bool& ret) const;
    MStatus get(unsigned int& index, int& ret) const;
    MStatus get(unsigned int& index, double& ret) const;
    MStatus get(unsigned int& index, MString& ret) const;
    MStatus get(unsigned int& index, MTime& ret) const;
    MStatus get(unsigned int& index, MIntArray& ret) const;
    MStatus get(unsigned int& index, MDoubleArray& ret) const;
    MStatus get(unsigned int& index, MStringArray& ret) const;

    MArgList& addArg(bool arg);
    MArgList& addArg(int arg);
    MArgList& addArg(double arg);
    MArgList& addArg(const MString& arg);
    MArgList& addArg(const MTime& arg);
    MArgList& addArg(const MIntArray& arg);
    MArgList& addArg(const MDoubleArray& arg);
    MArgList& addArg(const MStringArray& arg);

    static const unsigned int kInvalidArgIndex;

    // Host side: the arguments as the interpreter evaluated them.
    explicit MArgList(const std::vector<nbhost::Value>& values);
    const std::vector<nbhost::Value>& hostValues() const;

private:
    std::unique_ptr<std::vector<nbhost::Value>> m_values;
};
