#include "script/commands/FlushUndoCommand.h"
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "undo/UndoQueue.h"

namespace nbhost {

void* FlushUndoCommand::creator() { return new FlushUndoCommand; }

MSyntax FlushUndoCommand::newSyntax() { return MSyntax(); }

MStatus FlushUndoCommand::doIt(const MArgList&)
{
    Host::current()->undoQueue().flush();
    return MStatus::kSuccess;
}

} // namespace nbhost
