#include "script/commands/ScriptJobCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "events/EventBus.h"
#include "events/ScriptJobs.h"

namespace nbhost {

namespace {

struct TriggerFlag
{
    const char* flag;
    ScriptJobs::Trigger trigger;
};

const TriggerFlag kTriggers[] = {
    {"-event", ScriptJobs::Trigger::Event},
    {"-conditionChange", ScriptJobs::Trigger::ConditionChange},
    {"-conditionTrue", ScriptJobs::Trigger::ConditionTrue},
    {"-conditionFalse", ScriptJobs::Trigger::ConditionFalse},
};

} // namespace

void* ScriptJobCommand::creator() { return new ScriptJobCommand; }

MSyntax ScriptJobCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-e", "-event", MSyntax::kString, MSyntax::kString);
    syntax.addFlag("-cc", "-conditionChange", MSyntax::kString, MSyntax::kString);
    syntax.addFlag("-ct", "-conditionTrue", MSyntax::kString, MSyntax::kString);
    syntax.addFlag("-cf", "-conditionFalse", MSyntax::kString, MSyntax::kString);
    syntax.addFlag("-k", "-kill", MSyntax::kLong);
    syntax.addFlag("-ka", "-killAll");
    syntax.addFlag("-f", "-force");
    syntax.addFlag("-ex", "-exists", MSyntax::kLong);
    syntax.addFlag("-lj", "-listJobs");
    syntax.addFlag("-ro", "-runOnce", MSyntax::kBoolean);
    syntax.addFlag("-pro", "-protected");
    syntax.makeFlagMultiUse("-kill");
    return syntax;
}

MStatus ScriptJobCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    ScriptJobs& jobs = Host::current()->scriptJobs();
    const bool force = db.isFlagSet("-force");
    if (db.isFlagSet("-exists")) {
        setResult(jobs.exists(db.flagArgumentInt("-exists", 0)));
        return MStatus::kSuccess;
    }
    if (db.isFlagSet("-listJobs")) {
        MStringArray lines;
        for (const std::string& line : jobs.list())
            lines.append(line.c_str());
        setResult(lines);
        return MStatus::kSuccess;
    }
    if (db.isFlagSet("-killAll")) {
        jobs.killAll(force);
        return MStatus::kSuccess;
    }
    if (db.isFlagSet("-kill"))
        return kill(db, jobs, force);
    for (const TriggerFlag& trigger : kTriggers)
        if (db.isFlagSet(trigger.flag))
            return create(db, trigger.flag, static_cast<int>(trigger.trigger));
    displayError("scriptJob: one of -event, -conditionChange, -conditionTrue, -conditionFalse, -kill, "
                 "-killAll, -exists or -listJobs is needed.");
    return MStatus::kInvalidParameter;
}

MStatus ScriptJobCommand::kill(const MArgDatabase& db, ScriptJobs& jobs, bool force)
{
    MStatus status;
    for (unsigned int i = 0; i < db.numberOfFlagUses("-kill"); ++i) {
        MArgList use;
        db.getFlagArgumentList("-kill", i, use);
        const int job = use.asInt(0);
        switch (jobs.kill(job, force)) {
        case ScriptJobs::KillResult::Killed: break;
        case ScriptJobs::KillResult::NotFound:
            displayError(MString("scriptJob: job number ") + job + " does not exist.");
            status = MStatus::kNotFound;
            break;
        case ScriptJobs::KillResult::Protected:
            displayError(MString("scriptJob: job number ") + job + " is protected; use -force to kill it.");
            status = MStatus::kFailure;
            break;
        }
    }
    return status;
}

MStatus ScriptJobCommand::create(const MArgDatabase& db, const char* flag, int trigger)
{
    const MString name = db.flagArgumentString(flag, 0);
    const MString script = db.flagArgumentString(flag, 1);
    bool runOnce = false;
    db.getFlagArgument("-runOnce", 0, runOnce);
    const int job = Host::current()->scriptJobs().add(static_cast<ScriptJobs::Trigger>(trigger),
                                                      name.asChar(), script.asChar(),
                                                      db.isFlagSet("-protected"), runOnce);
    if (job < 0) {
        displayError(MString("scriptJob: unknown ") +
                     (trigger == static_cast<int>(ScriptJobs::Trigger::Event) ? "event" : "condition") +
                     " \"" + name + "\".");
        return MStatus::kInvalidParameter;
    }
    setResult(job);
    return MStatus::kSuccess;
}

} // namespace nbhost
