#include "script/commands/OptionVarCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "core/OptionVarStore.h"

namespace nbhost {

void* OptionVarCommand::creator() { return new OptionVarCommand; }

MSyntax OptionVarCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-iv", "-intValue", MSyntax::kString, MSyntax::kLong);
    syntax.addFlag("-fv", "-floatValue", MSyntax::kString, MSyntax::kDouble);
    syntax.addFlag("-sv", "-stringValue", MSyntax::kString, MSyntax::kString);
    syntax.addFlag("-q", "-query", MSyntax::kString);
    syntax.addFlag("-ex", "-exists", MSyntax::kString);
    syntax.addFlag("-rm", "-remove", MSyntax::kString);
    syntax.addFlag("-l", "-list");
    for (const char* flag : {"-iv", "-fv", "-sv", "-rm"})
        syntax.makeFlagMultiUse(flag);
    return syntax;
}

namespace {

// Applies every use of one setting flag, in order.
template <typename Convert>
void setAll(const MArgDatabase& db, const char* flag, OptionVarStore& store, Convert convert)
{
    for (unsigned int i = 0; i < db.numberOfFlagUses(flag); ++i) {
        MArgList use;
        db.getFlagArgumentList(flag, i, use);
        store.set(use.asString(0).asChar(), convert(use, 1));
    }
}

} // namespace

MStatus OptionVarCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    OptionVarStore& store = Host::current()->optionVars();
    if (db.isFlagSet("-query")) {
        const Value value = store.get(db.flagArgumentString("-query", 0).asChar());
        if (value.type() == Value::Type::Float)
            setResult(value.asFloat());
        else if (value.type() == Value::Type::String)
            setResult(MString(value.asString().c_str()));
        else
            setResult(static_cast<int>(value.asInt()));
        return MStatus::kSuccess;
    }
    if (db.isFlagSet("-exists")) {
        setResult(store.exists(db.flagArgumentString("-exists", 0).asChar()));
        return MStatus::kSuccess;
    }
    if (db.isFlagSet("-list")) {
        MStringArray names;
        for (const std::string& name : store.names())
            names.append(name.c_str());
        setResult(names);
        return MStatus::kSuccess;
    }
    setAll(db, "-intValue", store, [](const MArgList& a, unsigned i) { return Value::fromInt(a.asInt(i)); });
    setAll(db, "-floatValue", store,
           [](const MArgList& a, unsigned i) { return Value::fromFloat(a.asDouble(i)); });
    setAll(db, "-stringValue", store,
           [](const MArgList& a, unsigned i) { return Value::fromString(a.asString(i).asChar()); });
    for (unsigned int i = 0; i < db.numberOfFlagUses("-remove"); ++i) {
        MArgList use;
        db.getFlagArgumentList("-remove", i, use);
        store.remove(use.asString(0).asChar());
    }
    return MStatus::kSuccess;
}

} // namespace nbhost
