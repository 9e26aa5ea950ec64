#pragma once

#include <maya/MPxContext.h>
#include <maya/MPxContextCommand.h>
#include <maya/MStatus.h>
#include <maya/MSyntax.h>

#include <memory>
#include <string>
#include <vector>

class MArgList;

namespace nbhost {

class Host;

// The tool contexts: the context commands plug-ins register, the contexts
// those commands made (each kept with the command object that made it,
// which edits and queries it), the host's own selection tool
// "selectSuperContext", and which context is the current tool.
//
// A context command is a host command of the same name; running it makes
// a context and answers its name, or with -e/-q edits or queries one.
class ContextRegistry
{
public:
    static constexpr const char* kSelectContext = "selectSuperContext";

    static ContextRegistry& instance();

    // Registers the command with the host's command registry too (owner:
    // the plug-in's name, for pluginInfo and unloading).
    MStatus addCommand(Host& host, const std::string& name, MCreatorFunction creator, const std::string& owner,
                       std::string* error = nullptr);
    // Deletes the contexts the command made (the current tool's cleanup
    // runs first and the selection tool takes over).
    MStatus removeCommand(Host& host, const std::string& name, const std::string& owner);
    bool hasCommand(const std::string& name) const;

    // Runs a context command; false after reporting an error.
    MStatus invoke(const std::string& commandName, const MArgList& args);

    bool exists(const std::string& contextName);
    MPxContext* find(const std::string& contextName);
    MPxContext* current();
    std::string currentName();
    // Makes the context the current tool: the old one's toolOffCleanup,
    // then the new one's toolOnSetup, also when it was current already.
    bool setCurrent(const std::string& contextName);

    // At host start and stop: the selection tool becomes current; at stop
    // every plug-in context and command is dropped.
    void hostStarted();
    void hostStopped();

private:
    struct CommandEntry
    {
        std::string name;
        MCreatorFunction creator = nullptr;
        std::string owner;
    };
    struct ContextEntry
    {
        std::string name;
        std::string commandName; // empty for the host's own contexts
        MPxContextCommand* command = nullptr;
        MPxContext* context = nullptr;
        MCreatorFunction creator = nullptr;
    };

    ContextRegistry();
    // The host's own contexts go with the process.
    ~ContextRegistry();
    ContextEntry* entry(const std::string& contextName);
    CommandEntry* commandEntry(const std::string& name);
    // Contexts and commands whose module went away without deregistering.
    void dropStale();
    void destroy(ContextEntry& entry);
    void showCurrent();
    std::string uniqueContextName(const std::string& base);
    MSyntax syntaxFor(MPxContextCommand& command);

    std::vector<CommandEntry> m_commands;
    std::vector<ContextEntry> m_contexts;
    std::string m_current;
    bool m_seeded = false;
};

} // namespace nbhost
