#pragma once
// A command's arguments parsed against its syntax.

#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <memory>
#include <string>

class MArgList;
class MStringArray;
class MSyntax;
class MTime;

namespace nbhost {
struct ParsedArguments;
}

class OPENMAYA_EXPORT MArgParser
{
public:
    MArgParser();
    // Fails (kInvalidParameter) when the arguments do not fit the syntax.
    MArgParser(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus = nullptr);
    virtual ~MArgParser();

    // Flags by short or long name, with or without the leading dash.
    bool isFlagSet(const char* flag, MStatus* ReturnStatus = nullptr) const;
    bool isEdit(MStatus* ReturnStatus = nullptr) const;
    bool isQuery(MStatus* ReturnStatus = nullptr) const;
    unsigned int numberOfFlagsUsed() const;
    unsigned int numberOfFlagUses(const char* flag) const;

    // The index-th argument of the flag's first use.
    MStatus getFlagArgument(const char* flag, unsigned int index, bool& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, int& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, unsigned int& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, double& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, MString& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, MTime& result) const;
    bool flagArgumentBool(const char* flag, unsigned int index, MStatus* ReturnStatus = nullptr) const;
    int flagArgumentInt(const char* flag, unsigned int index, MStatus* ReturnStatus = nullptr) const;
    double flagArgumentDouble(const char* flag, unsigned int index,
                              MStatus* ReturnStatus = nullptr) const;
    MString flagArgumentString(const char* flag, unsigned int index,
                               MStatus* ReturnStatus = nullptr) const;
    MTime flagArgumentMTime(const char* flag, unsigned int index,
                            MStatus* ReturnStatus = nullptr) const;
    // The arguments of the i-th use of a multi-use flag.
    MStatus getFlagArgumentList(const char* flag, unsigned int i, MArgList& args) const;

    MStatus getCommandArgument(unsigned int index, bool& result) const;
    MStatus getCommandArgument(unsigned int index, int& result) const;
    MStatus getCommandArgument(unsigned int index, double& result) const;
    MStatus getCommandArgument(unsigned int index, MString& result) const;
    MStatus getCommandArgument(unsigned int index, MTime& result) const;
    bool commandArgumentBool(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    int commandArgumentInt(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    double commandArgumentDouble(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MString commandArgumentString(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MTime commandArgumentMTime(unsigned int index, MStatus* ReturnStatus = nullptr) const;

    MStatus getObjects(MStringArray& result) const;

    // Host side: why parsing failed, empty on success.
    const std::string& hostError() const;

protected:
    std::shared_ptr<const nbhost::ParsedArguments> m_parsed;
};
