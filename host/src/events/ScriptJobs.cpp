#include "events/ScriptJobs.h"

#include "events/EventBus.h"

namespace nbhost {

namespace {

const char* triggerFlag(ScriptJobs::Trigger trigger)
{
    switch (trigger) {
    case ScriptJobs::Trigger::Event: return "-event";
    case ScriptJobs::Trigger::ConditionChange: return "-conditionChange";
    case ScriptJobs::Trigger::ConditionTrue: return "-conditionTrue";
    case ScriptJobs::Trigger::ConditionFalse: return "-conditionFalse";
    }
    return "";
}

} // namespace

ScriptJobs::ScriptJobs(EventBus& events, Runner run) : m_events(events), m_run(std::move(run)) {}

ScriptJobs::~ScriptJobs()
{
    for (const auto& entry : m_jobs)
        m_events.remove(entry.second.listener);
}

int ScriptJobs::add(Trigger trigger, const std::string& name, const std::string& script,
                    bool protectedJob, bool runOnce)
{
    const int job = m_nextJob;
    MCallbackId listener = 0;
    if (trigger == Trigger::Event)
        listener = m_events.addEventListener(name, [this, job] { fired(job, true); });
    else
        listener = m_events.addConditionListener(name, [this, job](bool state) { fired(job, state); });
    if (!listener)
        return -1;
    ++m_nextJob;
    m_jobs[job] = Job{trigger, name, script, protectedJob, runOnce, listener};
    return job;
}

void ScriptJobs::fired(int job, bool state)
{
    auto it = m_jobs.find(job);
    if (it == m_jobs.end())
        return;
    const Trigger trigger = it->second.trigger;
    if ((trigger == Trigger::ConditionTrue && !state) || (trigger == Trigger::ConditionFalse && state))
        return;
    // Copied before running: the script may kill its own job.
    const std::string script = it->second.script;
    if (it->second.runOnce)
        kill(job, true);
    m_run(script);
}

ScriptJobs::KillResult ScriptJobs::kill(int job, bool force)
{
    auto it = m_jobs.find(job);
    if (it == m_jobs.end())
        return KillResult::NotFound;
    if (it->second.protectedJob && !force)
        return KillResult::Protected;
    m_events.remove(it->second.listener);
    m_jobs.erase(it);
    return KillResult::Killed;
}

void ScriptJobs::killAll(bool force)
{
    std::vector<int> jobs;
    for (const auto& entry : m_jobs)
        jobs.push_back(entry.first);
    for (int job : jobs)
        kill(job, force);
}

std::vector<std::string> ScriptJobs::list() const
{
    std::vector<std::string> lines;
    for (const auto& entry : m_jobs) {
        const Job& job = entry.second;
        lines.push_back(std::to_string(entry.first) + ": " + triggerFlag(job.trigger) + " \"" +
                        job.name + "\" \"" + job.script + "\"");
    }
    return lines;
}

} // namespace nbhost
