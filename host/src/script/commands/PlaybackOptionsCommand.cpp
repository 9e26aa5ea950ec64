#include "script/commands/PlaybackOptionsCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "time/TimeState.h"

namespace nbhost {

namespace {

const char* const kLoopNames[] = {"once", "continuous", "oscillate"};

} // namespace

void* PlaybackOptionsCommand::creator() { return new PlaybackOptionsCommand; }

MSyntax PlaybackOptionsCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-min", "-minTime", MSyntax::kTime);
    syntax.addFlag("-max", "-maxTime", MSyntax::kTime);
    syntax.addFlag("-ast", "-animationStartTime", MSyntax::kTime);
    syntax.addFlag("-aet", "-animationEndTime", MSyntax::kTime);
    syntax.addFlag("-l", "-loop", MSyntax::kString);
    syntax.enableQuery();
    syntax.enableEdit();
    return syntax;
}

MStatus PlaybackOptionsCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    TimeState& time = Host::current()->time();
    const MTime::Unit unit = time.uiUnit();
    if (db.isQuery()) {
        if (db.isFlagSet("-min"))
            setResult(time.minTime().as(unit));
        else if (db.isFlagSet("-max"))
            setResult(time.maxTime().as(unit));
        else if (db.isFlagSet("-ast"))
            setResult(time.animationStartTime().as(unit));
        else if (db.isFlagSet("-aet"))
            setResult(time.animationEndTime().as(unit));
        else if (db.isFlagSet("-loop"))
            setResult(kLoopNames[time.playbackMode()]);
        return MStatus::kSuccess;
    }
    MString loop;
    if (db.getFlagArgument("-loop", 0, loop)) {
        int mode = 0;
        while (mode < 3 && loop != kLoopNames[mode])
            ++mode;
        if (mode == 3) {
            displayError("playbackOptions: -loop takes once, continuous or oscillate, not \"" + loop + "\".");
            return MStatus::kInvalidParameter;
        }
        time.setPlaybackMode(static_cast<MAnimControl::PlaybackMode>(mode));
    }
    // Animation range first, so a playback range given with it fits inside.
    MTime value;
    if (db.getFlagArgument("-ast", 0, value))
        time.setAnimationStartTime(value);
    if (db.getFlagArgument("-aet", 0, value))
        time.setAnimationEndTime(value);
    if (db.getFlagArgument("-min", 0, value))
        time.setMinTime(value);
    if (db.getFlagArgument("-max", 0, value))
        time.setMaxTime(value);
    return MStatus::kSuccess;
}

} // namespace nbhost
