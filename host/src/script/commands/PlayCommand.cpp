#include "script/commands/PlayCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "time/TimeState.h"

namespace nbhost {

void* PlayCommand::creator() { return new PlayCommand; }

MSyntax PlayCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-st", "-state", MSyntax::kBoolean);
    syntax.addFlag("-f", "-forward", MSyntax::kBoolean);
    syntax.addFlag("-w", "-wait");
    syntax.enableQuery();
    return syntax;
}

// `play` alone starts playing; -state off stops. In batch the time moves
// only when set; the GUI advances it while playing.
MStatus PlayCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    TimeState& time = Host::current()->time();
    if (db.isQuery()) {
        if (db.isFlagSet("-forward"))
            setResult(time.isPlayingForward());
        else
            setResult(time.isPlaying());
        return MStatus::kSuccess;
    }
    bool forward = time.isPlayingForward();
    db.getFlagArgument("-forward", 0, forward);
    bool playing = true;
    db.getFlagArgument("-state", 0, playing);
    time.setPlaying(playing, forward);
    return MStatus::kSuccess;
}

} // namespace nbhost
