#pragma once

#include <deque>
#include <string>

namespace nbhost {

// Where an evaluated command string came from.
enum class JournalSource
{
    ExecuteCommand, // MGlobal::executeCommand and its typed forms
    Idle,           // MGlobal::executeCommandOnIdle, when it runs
    Deferred,       // evalDeferred, when it runs
    User,           // typed by the user: batch -command/-script, script editor
    ScriptJob       // a script job's script
};

struct JournalEntry
{
    std::string text;
    bool display = false;
    bool undo = false;
    JournalSource source = JournalSource::User;
};

// Record of every command string the host evaluated, with its display and
// undo flags, so tests can check exactly what the plug-in issued. Keeps
// the most recent entries only.
class Journal
{
public:
    static const size_t kMaxEntries = 100000;

    void record(const std::string& text, bool display, bool undo, JournalSource source);
    const std::deque<JournalEntry>& entries() const { return m_entries; }
    void clear() { m_entries.clear(); }

    static const char* sourceName(JournalSource source);

private:
    std::deque<JournalEntry> m_entries;
};

} // namespace nbhost
