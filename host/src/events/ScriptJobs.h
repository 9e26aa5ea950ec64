#pragma once

#include <maya/MTypes.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace nbhost {

class EventBus;

// Script jobs: scripts run when a host event fires or a condition changes
// (`scriptJob -event`, `-conditionChange`, `-conditionTrue`, `-conditionFalse`).
class ScriptJobs
{
public:
    enum class Trigger { Event, ConditionChange, ConditionTrue, ConditionFalse };
    enum class KillResult { Killed, NotFound, Protected };
    using Runner = std::function<void(const std::string& script)>;

    ScriptJobs(EventBus& events, Runner run);
    ~ScriptJobs();
    ScriptJobs(const ScriptJobs&) = delete;
    ScriptJobs& operator=(const ScriptJobs&) = delete;

    // Returns the job number, or -1 when the event or condition is unknown.
    int add(Trigger trigger, const std::string& name, const std::string& script,
            bool protectedJob = false, bool runOnce = false);
    // A protected job dies only when forced.
    KillResult kill(int job, bool force);
    void killAll(bool force);
    bool exists(int job) const { return m_jobs.count(job) > 0; }
    // One line per job: "<number>: <trigger> \"<name>\" \"<script>\"".
    std::vector<std::string> list() const;

private:
    struct Job
    {
        Trigger trigger;
        std::string name;
        std::string script;
        bool protectedJob;
        bool runOnce;
        MCallbackId listener;
    };

    void fired(int job, bool state);

    EventBus& m_events;
    Runner m_run;
    std::map<int, Job> m_jobs;
    int m_nextJob = 1;
};

} // namespace nbhost
