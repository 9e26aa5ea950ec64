#include "tools/ContextRegistry.h"

#include <maya/MArgList.h>
#include <maya/MArgParser.h>
#include <maya/MStringArray.h>

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "core/Output.h"
#include "tools/ContextCommandInvocation.h"
#include "tools/SelectContext.h"
#include "viewport/DrawableList.h"
#include "viewport/View3d.h"
#include "viewport/ViewArea.h"

#include <dlfcn.h>

#include <QString>

namespace nbhost {

namespace {

bool codeLoaded(MCreatorFunction creator)
{
    Dl_info info;
    return creator && dladdr(reinterpret_cast<void*>(creator), &info) != 0;
}

MStatus report(const std::string& text, MStatus status = MStatus::kFailure)
{
    Output::write(Output::Kind::Error, text);
    return status;
}

const bool g_hooked = [] {
    Host::addStartHook(Host::StartPhase::Registration, [](Host&) { ContextRegistry::instance().hostStarted(); });
    Host::addStopHook([](Host&) { ContextRegistry::instance().hostStopped(); });
    return true;
}();

} // namespace

ContextRegistry::ContextRegistry() : m_current(kSelectContext) {}

ContextRegistry::~ContextRegistry()
{
    for (ContextEntry& context : m_contexts)
        if (context.commandName.empty())
            delete context.context;
}

ContextRegistry& ContextRegistry::instance()
{
    static ContextRegistry registry;
    // The host's contexts are made once the registry exists: their
    // constructors ask it whether they are current.
    if (!registry.m_seeded) {
        registry.m_seeded = true;
        ContextEntry select;
        select.name = kSelectContext;
        select.context = new SelectContext;
        registry.m_contexts.push_back(select);
    }
    return registry;
}

MStatus ContextRegistry::addCommand(Host& host, const std::string& name, MCreatorFunction creator,
                                    const std::string& owner, std::string* error)
{
    dropStale();
    if (name.empty() || !creator) {
        if (error)
            *error = "a context command needs a name and a creator";
        return MStatus::kInvalidParameter;
    }
    const MStatus status = host.commands().registerCommand(name, &ContextCommandInvocation::creator, nullptr, owner);
    if (!status) {
        if (error)
            *error = "a command named \"" + name + "\" already exists";
        return status;
    }
    m_commands.push_back({name, creator, owner});
    return MStatus::kSuccess;
}

MStatus ContextRegistry::removeCommand(Host& host, const std::string& name, const std::string& owner)
{
    CommandEntry* command = commandEntry(name);
    if (!command || command->owner != owner)
        return MStatus::kNotFound;
    for (auto it = m_contexts.begin(); it != m_contexts.end();) {
        if (it->commandName != name) {
            ++it;
            continue;
        }
        ContextEntry doomed = *it;
        it = m_contexts.erase(it);
        if (m_current == doomed.name) {
            doomed.context->toolOffCleanup();
            setCurrent(kSelectContext);
        }
        destroy(doomed);
    }
    for (auto it = m_commands.begin(); it != m_commands.end(); ++it) {
        if (it->name == name) {
            m_commands.erase(it);
            break;
        }
    }
    host.commands().deregisterCommand(name, owner);
    return MStatus::kSuccess;
}

bool ContextRegistry::hasCommand(const std::string& name) const
{
    for (const CommandEntry& command : m_commands)
        if (command.name == name)
            return true;
    return false;
}

ContextRegistry::CommandEntry* ContextRegistry::commandEntry(const std::string& name)
{
    for (CommandEntry& command : m_commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

ContextRegistry::ContextEntry* ContextRegistry::entry(const std::string& contextName)
{
    for (ContextEntry& context : m_contexts)
        if (context.name == contextName)
            return &context;
    return nullptr;
}

void ContextRegistry::destroy(ContextEntry& entry)
{
    if (entry.commandName.empty() || codeLoaded(entry.creator)) {
        delete entry.context;
        delete entry.command;
    }
    entry.context = nullptr;
    entry.command = nullptr;
}

void ContextRegistry::dropStale()
{
    for (auto it = m_contexts.begin(); it != m_contexts.end();) {
        if (it->commandName.empty() || codeLoaded(it->creator)) {
            ++it;
            continue;
        }
        if (m_current == it->name)
            m_current = kSelectContext;
        it = m_contexts.erase(it);
    }
    for (auto it = m_commands.begin(); it != m_commands.end();)
        it = codeLoaded(it->creator) ? it + 1 : m_commands.erase(it);
}

std::string ContextRegistry::uniqueContextName(const std::string& base)
{
    for (int i = 1;; ++i) {
        const std::string name = base + std::to_string(i);
        if (!entry(name))
            return name;
    }
}

MSyntax ContextRegistry::syntaxFor(MPxContextCommand& command)
{
    MSyntax syntax;
    syntax.enableQuery();
    syntax.enableEdit();
    syntax.addFlag("-ex", "-exists");
    syntax.addFlag("-i1", "-image1", MSyntax::kString);
    syntax.addFlag("-i2", "-image2", MSyntax::kString);
    syntax.addFlag("-i3", "-image3", MSyntax::kString);
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    command.fSyntax = syntax;
    command.appendSyntax();
    return command.fSyntax;
}

MStatus ContextRegistry::invoke(const std::string& commandName, const MArgList& args)
{
    dropStale();
    CommandEntry* command = commandEntry(commandName);
    if (!command)
        return report(commandName + ": the context command is no longer registered.");
    std::unique_ptr<MPxContextCommand> maker(static_cast<MPxContextCommand*>(command->creator()));
    if (!maker)
        return report(commandName + ": the context command could not be created.");
    MStatus status;
    MArgParser parser(syntaxFor(*maker), args, &status);
    if (!status)
        return report(commandName + ": " + parser.hostError(), MStatus::kInvalidParameter);
    MStringArray objects;
    parser.getObjects(objects);
    const std::string given = objects.length() > 0 ? objects[0].asChar() : "";
    ContextEntry* existing = given.empty() ? nullptr : entry(given);

    if (parser.isFlagSet("-exists")) {
        MPxContextCommand::setResult(existing != nullptr && existing->commandName == commandName);
        return MStatus::kSuccess;
    }
    if (parser.isEdit() || parser.isQuery()) {
        if (!existing || existing->commandName != commandName)
            return report(commandName + ": Object '" + given + "' not found.", MStatus::kNotFound);
        existing->command->fParser = parser;
        return parser.isEdit() ? existing->command->doEditFlags() : existing->command->doQueryFlags();
    }
    if (existing)
        return report(commandName + ": Object's name '" + given + "' is not unique.");
    MPxContext* context = maker->makeObj();
    if (!context)
        return report(commandName + ": the context could not be made.");
    ContextEntry made;
    made.name = given.empty() ? uniqueContextName(commandName) : given;
    made.commandName = commandName;
    made.command = maker.release();
    made.context = context;
    made.creator = command->creator;
    made.command->fParser = parser;
    m_contexts.push_back(made);
    if (parser.numberOfFlagsUsed() > 0)
        made.command->doEditFlags();
    MPxContextCommand::setResult(MString(made.name.c_str()));
    return MStatus::kSuccess;
}

bool ContextRegistry::exists(const std::string& contextName)
{
    dropStale();
    return entry(contextName) != nullptr;
}

MPxContext* ContextRegistry::find(const std::string& contextName)
{
    dropStale();
    ContextEntry* found = entry(contextName);
    return found ? found->context : nullptr;
}

MPxContext* ContextRegistry::current() { return find(m_current); }

std::string ContextRegistry::currentName()
{
    dropStale();
    return m_current;
}

bool ContextRegistry::setCurrent(const std::string& contextName)
{
    MPxContext* next = find(contextName);
    if (!next)
        return false;
    if (MPxContext* previous = current())
        previous->toolOffCleanup();
    m_current = contextName;
    for (View3d* view : View3d::all())
        view->setTransient(DrawableList());
    MEvent event;
    next->toolOnSetup(event);
    if (current() == next)
        showCurrent();
    return true;
}

void ContextRegistry::showCurrent()
{
    MPxContext* context = current();
    if (!context)
        return;
    View3d::setToolCursor(context->cursor());
    ViewArea::showHelp(QString::fromUtf8(context->helpString().asChar()));
}

void ContextRegistry::hostStarted()
{
    m_current = kSelectContext;
    showCurrent();
}

void ContextRegistry::hostStopped()
{
    dropStale();
    ContextEntry* current = entry(m_current);
    if (current && !current->commandName.empty())
        current->context->toolOffCleanup();
    m_current = kSelectContext;
    for (auto it = m_contexts.begin(); it != m_contexts.end();) {
        if (it->commandName.empty()) {
            ++it;
            continue;
        }
        destroy(*it);
        it = m_contexts.erase(it);
    }
    m_commands.clear();
}

} // namespace nbhost
