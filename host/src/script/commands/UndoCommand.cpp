#include "script/commands/UndoCommand.h"
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "undo/UndoQueue.h"

namespace nbhost {

void* UndoCommand::creator() { return new UndoCommand; }

MSyntax UndoCommand::newSyntax() { return MSyntax(); }

// An empty queue only warns; a failing undoIt is an error.
MStatus UndoCommand::doIt(const MArgList&) { return Host::current()->undoQueue().undo(); }

} // namespace nbhost
