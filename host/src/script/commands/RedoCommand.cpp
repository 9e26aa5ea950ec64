#include "script/commands/RedoCommand.h"

#include "core/Host.h"
#include "undo/UndoQueue.h"

namespace nbhost {

void* RedoCommand::creator() { return new RedoCommand; }

MSyntax RedoCommand::newSyntax() { return MSyntax(); }

MStatus RedoCommand::doIt(const MArgList&)
{
    UndoQueue& queue = Host::current()->undoQueue();
    if (!queue.canRedo()) {
        displayWarning("There are no more commands to redo.");
        return MStatus::kSuccess;
    }
    return queue.redo();
}

} // namespace nbhost
