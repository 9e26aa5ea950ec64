#include "script/commands/UndoCommand.h"

#include "core/Host.h"
#include "undo/UndoQueue.h"

namespace nbhost {

void* UndoCommand::creator() { return new UndoCommand; }

MSyntax UndoCommand::newSyntax() { return MSyntax(); }

// An empty queue only warns, as the real host does; a failing undoIt is an error.
MStatus UndoCommand::doIt(const MArgList&)
{
    UndoQueue& queue = Host::current()->undoQueue();
    if (!queue.canUndo()) {
        displayWarning("There are no more commands to undo.");
        return MStatus::kSuccess;
    }
    return queue.undo();
}

} // namespace nbhost
