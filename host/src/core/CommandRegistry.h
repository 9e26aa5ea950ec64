#pragma once

#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MSyntax.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace nbhost {

// A registered command: how to create it and its syntax.
struct CommandEntry
{
    std::string name;
    MCreatorFunction creator = nullptr;
    MCreateSyntaxFunction syntax = nullptr; // null: arguments go to doIt unchecked
    std::string owner;                      // the plug-in's name; empty for host commands
};

// Every command the script language can call by name: the host's built-in
// commands and those plug-ins register (MFnPlugin::registerCommand comes
// here).
class CommandRegistry
{
public:
    using DeregisterHook = std::function<void(const std::string& name)>;

    // kInvalidParameter for an empty name or a null creator, kFailure when
    // the name is taken.
    MStatus registerCommand(const std::string& name, MCreatorFunction creator,
                            MCreateSyntaxFunction syntax = nullptr, const std::string& owner = "");
    // kNotFound when no such command, kFailure when another owner has it.
    MStatus deregisterCommand(const std::string& name, const std::string& owner = "");

    const CommandEntry* find(const std::string& name) const;
    std::vector<std::string> names() const;
    std::vector<std::string> namesOwnedBy(const std::string& owner) const;

    // Runs before a command goes away, so objects made by its creator (held
    // by the undo queue) can be dropped while its code is still loaded.
    void setDeregisterHook(DeregisterHook hook) { m_deregisterHook = std::move(hook); }

private:
    std::map<std::string, CommandEntry> m_commands;
    DeregisterHook m_deregisterHook;
};

} // namespace nbhost
