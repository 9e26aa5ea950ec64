#pragma once

#include "script/CommandHost.h"
#include "script/Value.h"

#include <maya/MSyntax.h>

#include <memory>
#include <string>
#include <vector>

class MPxCommand;

namespace nbhost {

class CommandRegistry;
struct CommandEntry;
class UndoQueue;

// Runs commands for the interpreter: checks the arguments against the
// command's syntax, creates the command object, calls doIt, collects its
// result and hands undoable commands to the undo queue.
class CommandRunner : public CommandHost
{
public:
    CommandRunner(CommandRegistry& registry, UndoQueue& undoQueue);

    bool hasCommand(const std::string& name) const override;
    CommandOutcome runCommand(const std::string& name, const std::vector<Value>& args) override;

    // The undo flag of the evaluation in progress: commands that finish
    // while it is on are recorded. On when nothing set it.
    bool undoEnabled() const { return m_undoFlags.empty() || m_undoFlags.back(); }
    class UndoScope
    {
    public:
        UndoScope(CommandRunner& runner, bool enabled);
        ~UndoScope();
        UndoScope(const UndoScope&) = delete;
        UndoScope& operator=(const UndoScope&) = delete;

    private:
        CommandRunner& m_runner;
    };

    // The result of the innermost command being run, null outside commands.
    Value* currentResult() { return m_results.empty() ? nullptr : &m_results.back(); }
    // How many commands are running, nested.
    size_t depth() const { return m_results.size(); }
    // How many commands changed something (succeeded and answered
    // isUndoable), recorded for undo or not: tells scene files whether the
    // scene has changed since it was saved.
    unsigned long changeCount() const { return m_changeCount; }

    // After the host quits no command runs any more; the script that quit
    // ends quietly.
    void stop() { m_stopped = true; }

    // The text undoInfo shows for an invocation: name and arguments.
    static std::string commandText(const std::string& name, const std::vector<Value>& args);

private:
    bool checkSyntax(const CommandEntry& entry, const std::vector<Value>& args, MSyntax& syntax,
                     std::string& error) const;
    MStatus callDoIt(MPxCommand& command, const std::string& name, const std::vector<Value>& args,
                     std::string& error);
    void keepOrDestroy(std::unique_ptr<MPxCommand> command, const std::string& name, bool succeeded);

    CommandRegistry& m_registry;
    UndoQueue& m_undoQueue;
    std::vector<bool> m_undoFlags;
    std::vector<Value> m_results;
    bool m_stopped = false;
    unsigned long m_changeCount = 0;
};

} // namespace nbhost
