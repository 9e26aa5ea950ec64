#include "core/Host.h"

#include "core/CommandRegistry.h"
#include "core/CommandRunner.h"
#include "core/IdleQueue.h"
#include "core/OptionVarStore.h"
#include "core/Output.h"
#include "events/EventBus.h"
#include "events/ScriptJobs.h"
#include "script/commands/BuiltinCommands.h"
#include "time/TimeState.h"
#include "undo/UndoQueue.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

namespace nbhost {

namespace {

Host* g_current = nullptr;

std::vector<std::pair<Host::StartPhase, Host::Hook>>& startHooks()
{
    static std::vector<std::pair<Host::StartPhase, Host::Hook>> hooks;
    return hooks;
}

std::vector<Host::Hook>& stopHooks()
{
    static std::vector<Host::Hook> hooks;
    return hooks;
}

std::string preparePrefsDir(const std::string& requested)
{
    std::string dir = requested.empty() ? Host::defaultPrefsDir() : requested;
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error)
        Output::write(Output::Kind::Warning,
                      "Cannot create the preference directory " + dir + ": " + error.message());
    return dir;
}

} // namespace

void Host::addStartHook(StartPhase phase, Hook hook) { startHooks().emplace_back(phase, std::move(hook)); }

void Host::addStopHook(Hook hook) { stopHooks().push_back(std::move(hook)); }

Host* Host::current() { return g_current; }

std::string Host::defaultPrefsDir()
{
    if (const char* dir = std::getenv("NBHOST_PREFS_DIR"); dir && *dir)
        return dir;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.nbhost/prefs";
}

Host::Host(HostOptions options) : m_options(std::move(options))
{
    m_prefsDir = preparePrefsDir(m_options.prefsDir);
    m_events = std::make_unique<EventBus>();
    m_time = std::make_unique<TimeState>(*m_events);
    m_undoQueue = std::make_unique<UndoQueue>([this](const char* event) { m_events->fire(event); });
    m_idleQueue = std::make_unique<IdleQueue>();
    m_commands = std::make_unique<CommandRegistry>();
    m_runner = std::make_unique<CommandRunner>(*m_commands, *m_undoQueue);
    m_optionVars = std::make_unique<OptionVarStore>(m_prefsDir + "/optionVars.txt");
    m_interpreter = std::make_unique<Interpreter>(m_runner.get());
    m_scriptJobs = std::make_unique<ScriptJobs>(*m_events, [this](const std::string& script) {
        evaluate(script, EvalOptions{false, true, JournalSource::ScriptJob, "scriptJob"});
    });
    // Command objects must go while the code that made them is still loaded.
    m_commands->setDeregisterHook([this](const std::string& name) {
        if (m_undoQueue->hasStepsOf(name))
            m_undoQueue->flush();
    });
    if (g_current)
        Output::write(Output::Kind::Warning, "A second host was created; it replaces the first.");
    g_current = this;
}

Host::~Host()
{
    quit(m_exitCode);
    m_scriptJobs->killAll(true);
    m_undoQueue->flush();
    m_idleQueue->clear();
    if (g_current == this)
        g_current = nullptr;
}

void Host::start()
{
    if (m_started)
        return;
    m_started = true;
    BuiltinCommands::registerAll(*m_commands);
    defineGlobals();
    runStartHooks(StartPhase::Registration);
    runStartHooks(StartPhase::Scene);
    if (m_options.loadPlugins)
        runStartHooks(StartPhase::Plugins);
}

void Host::runStartHooks(StartPhase phase)
{
    // Copied: a hook may add hooks.
    const auto hooks = startHooks();
    for (const auto& hook : hooks)
        if (hook.first == phase)
            hook.second(*this);
}

void Host::defineGlobals()
{
    m_interpreter->setGlobal("gPlayBackSlider", Value::fromString(kTimeControlName));
    m_interpreter->setGlobal("gMainWindow", Value::fromString(isBatch() ? "" : kMainWindowName));
}

void Host::quit(int exitCode, bool notify)
{
    if (m_quit)
        return;
    m_quit = true;
    m_exitCode = exitCode;
    if (notify)
        m_events->fire("quitApplication");
    m_undoQueue->flush();
    m_idleQueue->clear();
    if (m_pluginUnloader)
        m_pluginUnloader();
    const auto hooks = stopHooks();
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
        (*it)(*this);
    m_runner->stop();
}

EvalResult Host::evaluate(const std::string& source, const EvalOptions& options)
{
    m_journal.record(source, options.display, options.undo, options.source);
    if (options.display)
        Output::write(Output::Kind::Echo, source);
    CommandRunner::UndoScope scope(*m_runner, options.undo);
    return m_interpreter->evaluate(source, options.sourceName);
}

EvalResult Host::sourceFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        EvalResult result;
        result.error = "Cannot find file \"" + path + "\" for source statement.";
        Output::write(Output::Kind::Error, result.error);
        return result;
    }
    std::ostringstream text;
    text << in.rdbuf();
    CommandRunner::UndoScope scope(*m_runner, true);
    return m_interpreter->evaluate(text.str(), path);
}

void Host::queueIdle(const std::string& script, bool display, JournalSource source, bool lowestPriority)
{
    m_idleQueue->enqueue(IdleQueue::Item{script, display, source}, lowestPriority);
}

size_t Host::processIdleQueue()
{
    return m_idleQueue->drain([this](const IdleQueue::Item& item) {
        if (!m_quit && !evaluate(item.script, EvalOptions{item.display, true, item.source, ""}).ok &&
            !m_quit)
            ++m_idleFailures;
    });
}

} // namespace nbhost
