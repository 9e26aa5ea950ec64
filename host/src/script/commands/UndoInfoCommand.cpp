#include "script/commands/UndoInfoCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "undo/UndoQueue.h"

namespace nbhost {

void* UndoInfoCommand::creator() { return new UndoInfoCommand; }

MSyntax UndoInfoCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-st", "-state", MSyntax::kBoolean);
    syntax.addFlag("-swf", "-stateWithoutFlush", MSyntax::kBoolean);
    syntax.addFlag("-un", "-undoName");
    syntax.addFlag("-rn", "-redoName");
    syntax.addFlag("-uqe", "-undoQueueEmpty");
    syntax.addFlag("-rqe", "-redoQueueEmpty");
    syntax.addFlag("-in", "-infinity", MSyntax::kBoolean);
    syntax.addFlag("-l", "-length", MSyntax::kUnsigned);
    syntax.enableQuery();
    return syntax;
}

MStatus UndoInfoCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    UndoQueue& queue = Host::current()->undoQueue();
    if (db.isQuery()) {
        if (db.isFlagSet("-state") || db.isFlagSet("-stateWithoutFlush"))
            setResult(queue.isEnabled());
        else if (db.isFlagSet("-undoName"))
            setResult(MString(queue.undoName().c_str()));
        else if (db.isFlagSet("-redoName"))
            setResult(MString(queue.redoName().c_str()));
        else if (db.isFlagSet("-undoQueueEmpty"))
            setResult(!queue.canUndo());
        else if (db.isFlagSet("-redoQueueEmpty"))
            setResult(!queue.canRedo());
        else if (db.isFlagSet("-infinity"))
            setResult(queue.length() == 0);
        else if (db.isFlagSet("-length"))
            setResult(static_cast<int>(queue.length()));
        return MStatus::kSuccess;
    }
    bool state = true;
    // Turning undo off with -state empties the queue; -stateWithoutFlush keeps it.
    if (db.getFlagArgument("-state", 0, state)) {
        queue.setEnabled(state);
        if (!state)
            queue.flush();
    }
    if (db.getFlagArgument("-stateWithoutFlush", 0, state))
        queue.setEnabled(state);
    unsigned int length = 0;
    bool infinite = false;
    if (db.getFlagArgument("-length", 0, length))
        queue.setLength(length);
    if (db.getFlagArgument("-infinity", 0, infinite) && infinite)
        queue.setLength(0);
    return MStatus::kSuccess;
}

} // namespace nbhost
