#include "core/CommandRunner.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MSyntax.h>

#include "core/ArgumentParser.h"
#include "core/CommandRegistry.h"
#include "core/Output.h"
#include "core/ParsedArguments.h"
#include "script/Lexer.h"
#include "undo/UndoQueue.h"

#include <exception>

namespace nbhost {

namespace {

bool needsQuotes(const std::string& text)
{
    if (text.empty())
        return true;
    for (char c : text)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '"' || c == '\\' || c == ';')
            return true;
    return false;
}

} // namespace

CommandRunner::CommandRunner(CommandRegistry& registry, UndoQueue& undoQueue)
    : m_registry(registry), m_undoQueue(undoQueue)
{
}

CommandRunner::UndoScope::UndoScope(CommandRunner& runner, bool enabled) : m_runner(runner)
{
    m_runner.m_undoFlags.push_back(enabled);
}

CommandRunner::UndoScope::~UndoScope() { m_runner.m_undoFlags.pop_back(); }

bool CommandRunner::hasCommand(const std::string& name) const { return m_registry.find(name) != nullptr; }

std::string CommandRunner::commandText(const std::string& name, const std::vector<Value>& args)
{
    std::string text = name;
    for (const Value& arg : args) {
        const std::string word = arg.asString();
        const bool flag = ArgumentParser::isFlagToken(arg);
        const bool quoted = arg.type() == Value::Type::String && !flag && needsQuotes(word);
        text += " " + (quoted ? Lexer::quote(word) : word);
    }
    return text;
}

CommandOutcome CommandRunner::runCommand(const std::string& name, const std::vector<Value>& args)
{
    CommandOutcome outcome;
    // Once the host quits, the script stops quietly at its next command.
    if (m_stopped)
        return outcome;
    const CommandEntry* found = m_registry.find(name);
    if (!found) {
        outcome.error = "Cannot find command \"" + name + "\".";
        return outcome;
    }
    const CommandEntry entry = *found; // the registry may change while it runs
    MSyntax syntax;
    if (!checkSyntax(entry, args, syntax, outcome.error))
        return outcome;

    std::unique_ptr<MPxCommand> command(static_cast<MPxCommand*>(entry.creator()));
    if (!command) {
        outcome.error = "Command \"" + name + "\" could not be created.";
        return outcome;
    }
    command->m_syntax = std::make_unique<MSyntax>(syntax);
    command->m_commandString = commandText(name, args).c_str();

    m_results.emplace_back();
    MStatus status = callDoIt(*command, name, args, outcome.error);
    outcome.result = std::move(m_results.back());
    m_results.pop_back();
    outcome.ok = status == MStatus::kSuccess;
    keepOrDestroy(std::move(command), name, outcome.ok);
    if (m_stopped) // this command quit the host: the script ends here
        outcome = CommandOutcome();
    if (!outcome.ok)
        outcome.result = Value();
    return outcome;
}

bool CommandRunner::checkSyntax(const CommandEntry& entry, const std::vector<Value>& args,
                                MSyntax& syntax, std::string& error) const
{
    if (!entry.syntax)
        return true;
    syntax = entry.syntax();
    ParsedArguments parsed;
    parsed.syntax = syntax.hostData();
    if (ArgumentParser::parse(args, parsed))
        return true;
    error = parsed.error;
    return false;
}

// A command that fails without saying why still gets one message.
MStatus CommandRunner::callDoIt(MPxCommand& command, const std::string& name,
                                const std::vector<Value>& args, std::string& error)
{
    const unsigned long errorsBefore = Output::errorCount();
    MStatus status;
    try {
        status = command.doIt(MArgList(args));
    } catch (const std::exception& e) {
        error = name + ": internal error: " + e.what();
        return MStatus::kFailure;
    } catch (...) {
        error = name + ": internal error";
        return MStatus::kFailure;
    }
    if (!status && Output::errorCount() == errorsBefore)
        error = name + " failed: " + status.errorString().asChar();
    return status;
}

void CommandRunner::keepOrDestroy(std::unique_ptr<MPxCommand> command, const std::string& name,
                                  bool succeeded)
{
    if (succeeded && command->isUndoable())
        ++m_changeCount;
    if (succeeded && command->isUndoable() && undoEnabled() && m_undoQueue.isRecording()) {
        const std::string label = command->commandString().asChar();
        m_undoQueue.push(std::move(command), name, label);
    }
    // Otherwise the command is destroyed here.
}

} // namespace nbhost
