#include "core/Journal.h"

namespace nbhost {

void Journal::record(const std::string& text, bool display, bool undo, JournalSource source)
{
    if (m_entries.size() >= kMaxEntries)
        m_entries.pop_front();
    m_entries.push_back(JournalEntry{text, display, undo, source});
}

const char* Journal::sourceName(JournalSource source)
{
    switch (source) {
    case JournalSource::ExecuteCommand: return "executeCommand";
    case JournalSource::Idle: return "idle";
    case JournalSource::Deferred: return "deferred";
    case JournalSource::User: return "user";
    case JournalSource::ScriptJob: return "scriptJob";
    }
    return "unknown";
}

} // namespace nbhost
