#include "script/commands/RedoCommand.h"
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "undo/UndoQueue.h"

namespace nbhost {

void* RedoCommand::creator() { return new RedoCommand; }

MSyntax RedoCommand::newSyntax() { return MSyntax(); }

MStatus RedoCommand::doIt(const MArgList&) { return Host::current()->undoQueue().redo(); }

} // namespace nbhost
