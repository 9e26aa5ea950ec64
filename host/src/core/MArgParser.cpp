#include <maya/MArgParser.h>

#include <maya/MArgList.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>
#include <maya/MTime.h>

#include "core/ArgumentConversion.h"
#include "core/ArgumentParser.h"
#include "core/ParsedArguments.h"

using nbhost::ArgumentConversion;
using nbhost::ParsedArguments;
using nbhost::Value;

namespace {

bool toTime(const Value& value, MTime& out)
{
    double number = 0.0;
    if (!ArgumentConversion::toDouble(value, number))
        return false;
    out = MTime(number, MTime::uiUnit());
    return true;
}

template <typename T, typename Convert>
MStatus readValue(const Value* value, T& result, Convert convert)
{
    T converted{};
    if (!value || !convert(*value, converted))
        return MStatus::kInvalidParameter;
    result = converted;
    return MStatus::kSuccess;
}

template <typename T, typename Get>
T readOrDefault(MStatus* ReturnStatus, Get get)
{
    T result{};
    MStatus status = get(result);
    if (ReturnStatus)
        *ReturnStatus = status;
    return result;
}

const Value* flagValue(const ParsedArguments& parsed, const char* flag, unsigned int index)
{
    const nbhost::FlagUse* use = parsed.use(flag ? flag : "");
    return use && index < use->args.size() ? &use->args[index] : nullptr;
}

const Value* commandValue(const ParsedArguments& parsed, unsigned int index)
{
    return index < parsed.commandArgs.size() ? &parsed.commandArgs[index] : nullptr;
}

} // namespace

MArgParser::MArgParser() : m_parsed(std::make_shared<ParsedArguments>()) {}

MArgParser::MArgParser(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus)
{
    auto parsed = std::make_shared<ParsedArguments>();
    parsed->syntax = syntax.hostData();
    bool ok = nbhost::ArgumentParser::parse(argList.hostValues(), *parsed);
    m_parsed = parsed;
    if (ReturnStatus)
        *ReturnStatus = ok ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

MArgParser::~MArgParser() = default;

bool MArgParser::isFlagSet(const char* flag, MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return m_parsed->use(flag ? flag : "") != nullptr;
}

bool MArgParser::isEdit(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return m_parsed->edit;
}

bool MArgParser::isQuery(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return m_parsed->query;
}

unsigned int MArgParser::numberOfFlagsUsed() const
{
    return static_cast<unsigned int>(m_parsed->flagUses.size());
}

unsigned int MArgParser::numberOfFlagUses(const char* flag) const
{
    return m_parsed->useCount(flag ? flag : "");
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, bool& result) const
{
    return readValue(flagValue(*m_parsed, flag, index), result, ArgumentConversion::toBool);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, int& result) const
{
    return readValue(flagValue(*m_parsed, flag, index), result, ArgumentConversion::toInt);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, unsigned int& result) const
{
    return readValue(flagValue(*m_parsed, flag, index), result, ArgumentConversion::toUnsigned);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, double& result) const
{
    return readValue(flagValue(*m_parsed, flag, index), result, ArgumentConversion::toDouble);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, MString& result) const
{
    return readValue(flagValue(*m_parsed, flag, index), result, ArgumentConversion::toMString);
}

MStatus MArgParser::getFlagArgument(const char* flag, unsigned int index, MTime& result) const
{
    return readValue(flagValue(*m_parsed, flag, index), result, toTime);
}

bool MArgParser::flagArgumentBool(const char* flag, unsigned int index, MStatus* ReturnStatus) const
{
    return readOrDefault<bool>(ReturnStatus, [&](bool& r) { return getFlagArgument(flag, index, r); });
}

int MArgParser::flagArgumentInt(const char* flag, unsigned int index, MStatus* ReturnStatus) const
{
    return readOrDefault<int>(ReturnStatus, [&](int& r) { return getFlagArgument(flag, index, r); });
}

double MArgParser::flagArgumentDouble(const char* flag, unsigned int index, MStatus* ReturnStatus) const
{
    return readOrDefault<double>(ReturnStatus,
                                 [&](double& r) { return getFlagArgument(flag, index, r); });
}

MString MArgParser::flagArgumentString(const char* flag, unsigned int index,
                                       MStatus* ReturnStatus) const
{
    return readOrDefault<MString>(ReturnStatus,
                                  [&](MString& r) { return getFlagArgument(flag, index, r); });
}

MTime MArgParser::flagArgumentMTime(const char* flag, unsigned int index, MStatus* ReturnStatus) const
{
    return readOrDefault<MTime>(ReturnStatus, [&](MTime& r) { return getFlagArgument(flag, index, r); });
}

MStatus MArgParser::getFlagArgumentList(const char* flag, unsigned int i, MArgList& args) const
{
    const nbhost::FlagUse* use = m_parsed->use(flag ? flag : "", i);
    if (!use)
        return MStatus::kInvalidParameter;
    args = MArgList(use->args);
    return MStatus::kSuccess;
}

MStatus MArgParser::getCommandArgument(unsigned int index, bool& result) const
{
    return readValue(commandValue(*m_parsed, index), result, ArgumentConversion::toBool);
}

MStatus MArgParser::getCommandArgument(unsigned int index, int& result) const
{
    return readValue(commandValue(*m_parsed, index), result, ArgumentConversion::toInt);
}

MStatus MArgParser::getCommandArgument(unsigned int index, double& result) const
{
    return readValue(commandValue(*m_parsed, index), result, ArgumentConversion::toDouble);
}

MStatus MArgParser::getCommandArgument(unsigned int index, MString& result) const
{
    return readValue(commandValue(*m_parsed, index), result, ArgumentConversion::toMString);
}

MStatus MArgParser::getCommandArgument(unsigned int index, MTime& result) const
{
    return readValue(commandValue(*m_parsed, index), result, toTime);
}

bool MArgParser::commandArgumentBool(unsigned int index, MStatus* ReturnStatus) const
{
    return readOrDefault<bool>(ReturnStatus, [&](bool& r) { return getCommandArgument(index, r); });
}

int MArgParser::commandArgumentInt(unsigned int index, MStatus* ReturnStatus) const
{
    return readOrDefault<int>(ReturnStatus, [&](int& r) { return getCommandArgument(index, r); });
}

double MArgParser::commandArgumentDouble(unsigned int index, MStatus* ReturnStatus) const
{
    return readOrDefault<double>(ReturnStatus, [&](double& r) { return getCommandArgument(index, r); });
}

MString MArgParser::commandArgumentString(unsigned int index, MStatus* ReturnStatus) const
{
    return readOrDefault<MString>(ReturnStatus,
                                  [&](MString& r) { return getCommandArgument(index, r); });
}

MTime MArgParser::commandArgumentMTime(unsigned int index, MStatus* ReturnStatus) const
{
    return readOrDefault<MTime>(ReturnStatus, [&](MTime& r) { return getCommandArgument(index, r); });
}

MStatus MArgParser::getObjects(MStringArray& result) const
{
    result.clear();
    for (const Value& object : m_parsed->objects) {
        MString text;
        if (!ArgumentConversion::toMString(object, text))
            return MStatus::kInvalidParameter;
        result.append(text);
    }
    return MStatus::kSuccess;
}

const std::string& MArgParser::hostError() const { return m_parsed->error; }
