// Script evaluation and the host's state, as the programming interface
// offers them. Selection lives with the scene, the message displays in
// MGlobalDisplay.cpp.
#include <maya/MGlobal.h>

#include <maya/MCommandResult.h>
#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MStringArray.h>

#include "core/ArrayValues.h"
#include "core/Host.h"

using nbhost::ArrayValues;
using nbhost::EvalOptions;
using nbhost::EvalResult;
using nbhost::Host;
using nbhost::JournalSource;
using nbhost::Value;

namespace {

bool evaluate(const MString& command, bool display, bool undo, Value* result)
{
    Host* host = Host::current();
    if (!host)
        return false;
    EvalResult outcome =
        host->evaluate(command.asChar(), EvalOptions{display, undo, JournalSource::ExecuteCommand, ""});
    if (outcome.ok && result)
        *result = outcome.value;
    return outcome.ok;
}

// Typed forms: the result must have exactly the asked type; otherwise the
// call fails and the caller's variable is left alone.
template <typename T, typename Read>
MStatus executeTyped(const MString& command, T& result, bool display, bool undo, Value::Type type,
                     Read read)
{
    Value value;
    if (!evaluate(command, display, undo, &value))
        return MStatus::kFailure;
    if (value.type() != type)
        return MStatus::kInvalidParameter;
    read(value, result);
    return MStatus::kSuccess;
}

std::string joined(const std::vector<std::string>& items)
{
    std::string text;
    for (size_t i = 0; i < items.size(); ++i)
        text += (i ? " " : "") + items[i];
    return text;
}

} // namespace

MGlobal::MMayaState MGlobal::mayaState(MStatus* ReturnStatus)
{
    Host* host = Host::current();
    if (ReturnStatus)
        *ReturnStatus = host ? MStatus::kSuccess : MStatus::kFailure;
    if (!host)
        return kLibraryApp;
    return host->isBatch() ? kBatch : kInteractive;
}

MString MGlobal::mayaVersion() { return "2020"; }

int MGlobal::apiVersion() { return MAYA_API_VERSION; }

MStatus MGlobal::executeCommand(const MString& command, bool displayEnabled, bool undoEnabled)
{
    return evaluate(command, displayEnabled, undoEnabled, nullptr) ? MStatus::kSuccess : MStatus::kFailure;
}

MStatus MGlobal::executeCommand(const MString& command, MCommandResult& result, bool displayEnabled,
                                bool undoEnabled)
{
    Value value;
    if (!evaluate(command, displayEnabled, undoEnabled, &value))
        return MStatus::kFailure;
    result.setHostValue(value);
    return MStatus::kSuccess;
}

MStatus MGlobal::executeCommand(const MString& command, int& result, bool displayEnabled,
                                bool undoEnabled)
{
    return executeTyped(command, result, displayEnabled, undoEnabled, Value::Type::Int,
                        [](const Value& v, int& r) { r = static_cast<int>(v.asInt()); });
}

MStatus MGlobal::executeCommand(const MString& command, MIntArray& result, bool displayEnabled,
                                bool undoEnabled)
{
    return executeTyped(command, result, displayEnabled, undoEnabled, Value::Type::IntArray,
                        [](const Value& v, MIntArray& r) { ArrayValues::copy(v, r); });
}

MStatus MGlobal::executeCommand(const MString& command, double& result, bool displayEnabled,
                                bool undoEnabled)
{
    return executeTyped(command, result, displayEnabled, undoEnabled, Value::Type::Float,
                        [](const Value& v, double& r) { r = v.asFloat(); });
}

MStatus MGlobal::executeCommand(const MString& command, MDoubleArray& result, bool displayEnabled,
                                bool undoEnabled)
{
    return executeTyped(command, result, displayEnabled, undoEnabled, Value::Type::FloatArray,
                        [](const Value& v, MDoubleArray& r) { ArrayValues::copy(v, r); });
}

MStatus MGlobal::executeCommand(const MString& command, MString& result, bool displayEnabled,
                                bool undoEnabled)
{
    return executeTyped(command, result, displayEnabled, undoEnabled, Value::Type::String,
                        [](const Value& v, MString& r) { r = v.asString().c_str(); });
}

MStatus MGlobal::executeCommand(const MString& command, MStringArray& result, bool displayEnabled,
                                bool undoEnabled)
{
    return executeTyped(command, result, displayEnabled, undoEnabled, Value::Type::StringArray,
                        [](const Value& v, MStringArray& r) { ArrayValues::copy(v, r); });
}

// Any result reads as text; array elements are joined by blanks.
MString MGlobal::executeCommandStringResult(const MString& command, bool displayEnabled,
                                            bool undoEnabled, MStatus* ReturnStatus)
{
    Value value;
    const bool ok = evaluate(command, displayEnabled, undoEnabled, &value);
    if (ReturnStatus)
        *ReturnStatus = ok ? MStatus::kSuccess : MStatus::kFailure;
    if (!ok)
        return MString();
    return (value.isArray() ? joined(value.asStringArray()) : value.asString()).c_str();
}

MStatus MGlobal::executeCommandOnIdle(const MString& command, bool displayEnabled)
{
    Host* host = Host::current();
    if (!host || host->hasQuit())
        return MStatus::kFailure;
    host->queueIdle(command.asChar(), displayEnabled, JournalSource::Idle);
    return MStatus::kSuccess;
}

MStatus MGlobal::sourceFile(const MString& fileName)
{
    Host* host = Host::current();
    if (!host)
        return MStatus::kFailure;
    return host->sourceFile(fileName.asChar()).ok ? MStatus::kSuccess : MStatus::kFailure;
}
