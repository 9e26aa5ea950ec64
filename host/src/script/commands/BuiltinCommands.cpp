#include "script/commands/BuiltinCommands.h"

#include "core/CommandRegistry.h"
#include "script/commands/AboutCommand.h"
#include "script/commands/CurrentTimeCommand.h"
#include "script/commands/CurrentUnitCommand.h"
#include "script/commands/EvalDeferredCommand.h"
#include "script/commands/FlushUndoCommand.h"
#include "script/commands/InternalVarCommand.h"
#include "script/commands/OptionVarCommand.h"
#include "script/commands/PlayCommand.h"
#include "script/commands/PlaybackOptionsCommand.h"
#include "script/commands/QuitCommand.h"
#include "script/commands/RedoCommand.h"
#include "script/commands/ScriptJobCommand.h"
#include "script/commands/TimeControlCommand.h"
#include "script/commands/UndoCommand.h"
#include "script/commands/UndoInfoCommand.h"

namespace nbhost {

void BuiltinCommands::registerAll(CommandRegistry& registry)
{
    registry.registerCommand("about", AboutCommand::creator, AboutCommand::newSyntax);
    registry.registerCommand("currentTime", CurrentTimeCommand::creator, CurrentTimeCommand::newSyntax);
    registry.registerCommand("currentUnit", CurrentUnitCommand::creator, CurrentUnitCommand::newSyntax);
    registry.registerCommand("evalDeferred", EvalDeferredCommand::creator, EvalDeferredCommand::newSyntax);
    registry.registerCommand("flushUndo", FlushUndoCommand::creator, FlushUndoCommand::newSyntax);
    registry.registerCommand("internalVar", InternalVarCommand::creator, InternalVarCommand::newSyntax);
    registry.registerCommand("optionVar", OptionVarCommand::creator, OptionVarCommand::newSyntax);
    registry.registerCommand("play", PlayCommand::creator, PlayCommand::newSyntax);
    registry.registerCommand("playbackOptions", PlaybackOptionsCommand::creator,
                             PlaybackOptionsCommand::newSyntax);
    registry.registerCommand("quit", QuitCommand::creator, QuitCommand::newSyntax);
    registry.registerCommand("redo", RedoCommand::creator, RedoCommand::newSyntax);
    registry.registerCommand("scriptJob", ScriptJobCommand::creator, ScriptJobCommand::newSyntax);
    registry.registerCommand("timeControl", TimeControlCommand::creator, TimeControlCommand::newSyntax);
    registry.registerCommand("undo", UndoCommand::creator, UndoCommand::newSyntax);
    registry.registerCommand("undoInfo", UndoInfoCommand::creator, UndoInfoCommand::newSyntax);
}

} // namespace nbhost
