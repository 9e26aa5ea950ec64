#pragma once

#include "core/Journal.h"
#include "core/SceneUnits.h"
#include "script/Interpreter.h"
#include "script/Value.h"

#include <functional>
#include <memory>
#include <string>

namespace nbhost {

class CommandRegistry;
class CommandRunner;
class EventBus;
class IdleQueue;
class OptionVarStore;
class ScriptJobs;
class TimeState;
class UndoQueue;

enum class HostMode { Batch, Gui };

struct HostOptions
{
    HostMode mode = HostMode::Batch;
    std::string prefsDir;    // empty: defaultPrefsDir()
    bool loadPlugins = true; // false: -noplugin
};

// How a script string is evaluated.
struct EvalOptions
{
    bool display = false; // echo the text first
    bool undo = true;     // record undoable commands it runs
    JournalSource source = JournalSource::User;
    std::string sourceName; // for error messages: a file name, or empty
};

// The running host: one at a time, created at start (by nbhost's main, or
// in-process by a test) and reachable from the programming interface
// through current(). It owns one manager per concern and runs the start
// and quit sequences.
class Host
{
public:
    // Start phases, in order. Host modules hook in with addStartHook from a
    // static initialiser: the scene registers its commands and types at
    // Registration and builds the default scene at Scene; plug-in loading
    // runs at Plugins, which -noplugin skips.
    enum class StartPhase { Registration, Scene, Plugins };
    using Hook = std::function<void(Host&)>;
    static void addStartHook(StartPhase phase, Hook hook);
    // Runs at quit, after the plug-ins are unloaded, in reverse order of adding.
    static void addStopHook(Hook hook);

    static constexpr const char* kTimeControlName = "timeControl1";
    static constexpr const char* kMainWindowName = "MayaWindow";

    explicit Host(HostOptions options = HostOptions());
    // Quits first if that has not happened.
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    static Host* current();
    // $NBHOST_PREFS_DIR, else ~/.nbhost/prefs.
    static std::string defaultPrefsDir();

    // Registers the built-in commands, defines the host's globals and runs
    // the start hooks. Idle work queued meanwhile is left for the caller.
    void start();

    // The quit sequence, once: "quitApplication" fires, the undo and idle
    // queues are emptied, plug-ins are unloaded, stop hooks run, and no
    // command runs any more.
    // With notify off (quit -abort) no event fires.
    void quit(int exitCode = 0, bool notify = true);
    bool hasQuit() const { return m_quit; }
    int exitCode() const { return m_exitCode; }
    void setPluginUnloader(std::function<void()> unloader) { m_pluginUnloader = std::move(unloader); }

    HostMode mode() const { return m_options.mode; }
    bool isBatch() const { return m_options.mode == HostMode::Batch; }
    bool loadsPlugins() const { return m_options.loadPlugins; }
    // The user preference directory, without a trailing slash; created if missing.
    const std::string& prefsDir() const { return m_prefsDir; }

    EvalResult evaluate(const std::string& source, const EvalOptions& options = EvalOptions());
    // Evaluates a script file; a missing file is an error.
    EvalResult sourceFile(const std::string& path);
    // Queues a script for the next idle moment.
    void queueIdle(const std::string& script, bool display, JournalSource source,
                   bool lowestPriority = false);
    // Runs the queued idle scripts (and those they queue); returns how many ran.
    size_t processIdleQueue();
    // How many idle scripts ended in an error nobody caught.
    size_t idleFailures() const { return m_idleFailures; }

    CommandRegistry& commands() { return *m_commands; }
    CommandRunner& runner() { return *m_runner; }
    UndoQueue& undoQueue() { return *m_undoQueue; }
    IdleQueue& idleQueue() { return *m_idleQueue; }
    EventBus& events() { return *m_events; }
    TimeState& time() { return *m_time; }
    Journal& journal() { return m_journal; }
    SceneUnits& sceneUnits() { return m_sceneUnits; }
    ScriptJobs& scriptJobs() { return *m_scriptJobs; }
    OptionVarStore& optionVars() { return *m_optionVars; }
    Interpreter& interpreter() { return *m_interpreter; }

private:
    void runStartHooks(StartPhase phase);
    void defineGlobals();

    HostOptions m_options;
    std::string m_prefsDir;
    bool m_started = false;
    bool m_quit = false;
    int m_exitCode = 0;
    size_t m_idleFailures = 0;
    std::function<void()> m_pluginUnloader;
    Journal m_journal;
    SceneUnits m_sceneUnits;
    // Declared in dependency order: later members use earlier ones and are
    // destroyed first.
    std::unique_ptr<EventBus> m_events;
    std::unique_ptr<TimeState> m_time;
    std::unique_ptr<UndoQueue> m_undoQueue;
    std::unique_ptr<IdleQueue> m_idleQueue;
    std::unique_ptr<CommandRegistry> m_commands;
    std::unique_ptr<CommandRunner> m_runner;
    std::unique_ptr<OptionVarStore> m_optionVars;
    std::unique_ptr<Interpreter> m_interpreter;
    std::unique_ptr<ScriptJobs> m_scriptJobs;
};

} // namespace nbhost
