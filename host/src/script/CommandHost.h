#pragma once

#include "script/Value.h"

#include <string>
#include <vector>

namespace nbhost {

// Outcome of running one command from a script.
struct CommandOutcome
{
    bool ok = false;
    Value result;
    // Why the command failed; empty when the command already reported its
    // own error through the host's error display.
    std::string error;
};

// What the interpreter needs from the host to run commands: the registry of
// commands (built-in host commands and plug-in commands alike) and the undo
// queue behind them.
class CommandHost
{
public:
    virtual ~CommandHost() = default;

    virtual bool hasCommand(const std::string& name) const = 0;

    // Runs a command with its arguments already evaluated, in order: flags
    // are strings starting with '-', everything else as written. The host
    // parses them against the command's syntax, runs it, and records it for
    // undo when the evaluation has undo on.
    virtual CommandOutcome runCommand(const std::string& name, const std::vector<Value>& args) = 0;
};

} // namespace nbhost
