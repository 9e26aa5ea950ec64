#include "tools/commands/ToolCommands.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "tools/ContextRegistry.h"

namespace nbhost {

namespace {

const bool g_hooked = [] {
    Host::addStartHook(Host::StartPhase::Registration, &ToolCommands::registerAll);
    return true;
}();

std::string firstObject(const MArgDatabase& db)
{
    MStringArray objects;
    db.getObjects(objects);
    return objects.length() > 0 ? objects[0].asChar() : "";
}

MStatus notFound(const char* command, const std::string& name)
{
    MPxCommand::displayError(MString(command) + ": Object '" + name.c_str() + "' not found.");
    return MStatus::kNotFound;
}

} // namespace

void ToolCommands::registerAll(Host& host)
{
    CommandRegistry& registry = host.commands();
    registry.registerCommand("setToolTo", SetToolToCommand::creator, SetToolToCommand::newSyntax);
    registry.registerCommand("currentCtx", CurrentCtxCommand::creator, CurrentCtxCommand::newSyntax);
    registry.registerCommand("contextInfo", ContextInfoCommand::creator, ContextInfoCommand::newSyntax);
}

void* SetToolToCommand::creator() { return new SetToolToCommand; }

MSyntax SetToolToCommand::newSyntax()
{
    MSyntax syntax;
    syntax.setObjectType(MSyntax::kStringObjects, 1, 1);
    return syntax;
}

MStatus SetToolToCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    const std::string name = firstObject(db);
    if (!ContextRegistry::instance().setCurrent(name))
        return notFound("setToolTo", name);
    return MStatus::kSuccess;
}

void* CurrentCtxCommand::creator() { return new CurrentCtxCommand; }
MSyntax CurrentCtxCommand::newSyntax() { return MSyntax(); }

MStatus CurrentCtxCommand::doIt(const MArgList&)
{
    setResult(MString(ContextRegistry::instance().currentName().c_str()));
    return MStatus::kSuccess;
}

void* ContextInfoCommand::creator() { return new ContextInfoCommand; }

MSyntax ContextInfoCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-ex", "-exists");
    syntax.addFlag("-t", "-title");
    syntax.addFlag("-c", "-class");
    syntax.setObjectType(MSyntax::kStringObjects, 1, 1);
    return syntax;
}

MStatus ContextInfoCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    const std::string name = firstObject(db);
    ContextRegistry& registry = ContextRegistry::instance();
    if (db.isFlagSet("-exists")) {
        setResult(registry.exists(name));
        return MStatus::kSuccess;
    }
    MPxContext* context = registry.find(name);
    if (!context)
        return notFound("contextInfo", name);
    if (db.isFlagSet("-title")) {
        setResult(context->titleString());
    } else if (db.isFlagSet("-class")) {
        MString className;
        context->getClassName(className);
        setResult(className);
    }
    return MStatus::kSuccess;
}

} // namespace nbhost
