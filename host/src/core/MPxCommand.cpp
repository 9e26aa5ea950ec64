#include <maya/MPxCommand.h>

#include <maya/MArgList.h>
#include <maya/MDoubleArray.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "core/ArrayValues.h"
#include "core/CommandRunner.h"
#include "core/Host.h"
#include "script/Value.h"

using nbhost::ArrayValues;
using nbhost::Value;

namespace {

// The result of the command being run; results set outside a command go
// nowhere.
Value* result()
{
    nbhost::Host* host = nbhost::Host::current();
    return host ? host->runner().currentResult() : nullptr;
}

void set(const Value& value)
{
    if (Value* current = result())
        *current = value;
}

// Mixed kinds widen the array: ints to floats, anything to strings.
Value::Type widen(Value::Type a, Value::Type b)
{
    if (a == b)
        return a;
    if (a == Value::Type::StringArray || b == Value::Type::StringArray)
        return Value::Type::StringArray;
    return Value::Type::FloatArray;
}

// Appending to a scalar or to nothing starts an array.
void append(const Value& item)
{
    Value* current = result();
    if (!current)
        return;
    if (current->isVoid()) {
        *current = Value::defaultValue(Value::arrayType(item.type()));
    } else if (!current->isArray()) {
        const Value first = *current;
        *current = Value::defaultValue(Value::arrayType(first.type()), 1);
        current->setElement(0, first);
    }
    const Value::Type merged = widen(current->type(), Value::arrayType(item.type()));
    if (current->type() != merged)
        *current = current->convertedTo(merged);
    current->setElement(current->arraySize(), item);
}

void report(MStatus* status, bool ok)
{
    if (status)
        *status = ok ? MStatus::kSuccess : MStatus::kFailure;
}

} // namespace

MPxCommand::MPxCommand() = default;
MPxCommand::~MPxCommand() = default;

MStatus MPxCommand::doIt(const MArgList&) { return MStatus::kSuccess; }
MStatus MPxCommand::undoIt() { return MStatus::kSuccess; }
MStatus MPxCommand::redoIt() { return MStatus::kSuccess; }
bool MPxCommand::isUndoable() const { return m_undoable; }
bool MPxCommand::hasSyntax() const { return true; }

MSyntax MPxCommand::syntax() const { return m_syntax ? *m_syntax : MSyntax(); }

MStatus MPxCommand::setUndoable(bool state)
{
    m_undoable = state;
    return MStatus::kSuccess;
}

bool MPxCommand::isHistoryOn() const { return m_historyOn; }

MStatus MPxCommand::setHistoryOn(bool state)
{
    m_historyOn = state;
    return MStatus::kSuccess;
}

MString MPxCommand::commandString() const { return m_commandString; }

MStatus MPxCommand::setCommandString(const MString& text)
{
    m_commandString = text;
    return MStatus::kSuccess;
}

void MPxCommand::displayInfo(const MString& theInfo) { MGlobal::displayInfo(theInfo); }

void MPxCommand::displayWarning(const MString& theWarning, bool) { MGlobal::displayWarning(theWarning); }

void MPxCommand::displayError(const MString& theError, bool) { MGlobal::displayError(theError); }

void MPxCommand::clearResult() { set(Value()); }
void MPxCommand::setResult(unsigned int val) { set(Value::fromInt(val)); }
void MPxCommand::setResult(int val) { set(Value::fromInt(val)); }
void MPxCommand::setResult(double val) { set(Value::fromFloat(val)); }
void MPxCommand::setResult(bool val) { set(Value::fromInt(val ? 1 : 0)); }
void MPxCommand::setResult(const char* val) { set(Value::fromString(val ? val : "")); }
void MPxCommand::setResult(const MString& val) { set(Value::fromString(val.asChar())); }
void MPxCommand::setResult(const MIntArray& val) { set(ArrayValues::toValue(val)); }
void MPxCommand::setResult(const MDoubleArray& val) { set(ArrayValues::toValue(val)); }
void MPxCommand::setResult(const MStringArray& val) { set(ArrayValues::toValue(val)); }

void MPxCommand::appendToResult(int val) { append(Value::fromInt(val)); }
void MPxCommand::appendToResult(double val) { append(Value::fromFloat(val)); }
void MPxCommand::appendToResult(bool val) { append(Value::fromInt(val ? 1 : 0)); }
void MPxCommand::appendToResult(const char* val) { append(Value::fromString(val ? val : "")); }
void MPxCommand::appendToResult(const MString& val) { append(Value::fromString(val.asChar())); }

void MPxCommand::appendToResult(const MStringArray& val)
{
    for (unsigned int i = 0; i < val.length(); ++i)
        appendToResult(val[i]);
}

bool MPxCommand::isCurrentResultArray()
{
    Value* current = result();
    return current && current->isArray();
}

MPxCommand::MResultType MPxCommand::currentResultType()
{
    Value* current = result();
    if (!current)
        return kNoArg;
    switch (current->type()) {
    case Value::Type::Int:
    case Value::Type::IntArray: return kLong;
    case Value::Type::Float:
    case Value::Type::FloatArray: return kDouble;
    case Value::Type::String:
    case Value::Type::StringArray: return kString;
    case Value::Type::Void: break;
    }
    return kNoArg;
}

int MPxCommand::currentIntResult(MStatus* ReturnStatus)
{
    Value* current = result();
    const bool ok = current && current->type() == Value::Type::Int;
    report(ReturnStatus, ok);
    return ok ? static_cast<int>(current->asInt()) : 0;
}

double MPxCommand::currentDoubleResult(MStatus* ReturnStatus)
{
    Value* current = result();
    const bool ok = current && current->type() == Value::Type::Float;
    report(ReturnStatus, ok);
    return ok ? current->asFloat() : 0.0;
}

MString MPxCommand::currentStringResult(MStatus* ReturnStatus)
{
    Value* current = result();
    const bool ok = current && current->type() == Value::Type::String;
    report(ReturnStatus, ok);
    return ok ? MString(current->asString().c_str()) : MString();
}

MStatus MPxCommand::getCurrentResult(MIntArray& val)
{
    Value* current = result();
    if (!current || current->type() != Value::Type::IntArray)
        return MStatus::kFailure;
    ArrayValues::copy(*current, val);
    return MStatus::kSuccess;
}

MStatus MPxCommand::getCurrentResult(MDoubleArray& val)
{
    Value* current = result();
    if (!current || current->type() != Value::Type::FloatArray)
        return MStatus::kFailure;
    ArrayValues::copy(*current, val);
    return MStatus::kSuccess;
}

MStatus MPxCommand::getCurrentResult(MStringArray& val)
{
    Value* current = result();
    if (!current || current->type() != Value::Type::StringArray)
        return MStatus::kFailure;
    ArrayValues::copy(*current, val);
    return MStatus::kSuccess;
}
