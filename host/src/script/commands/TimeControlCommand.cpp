#include "script/commands/TimeControlCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MDoubleArray.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "time/TimeState.h"

namespace nbhost {

void* TimeControlCommand::creator() { return new TimeControlCommand; }

MSyntax TimeControlCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-ra", "-rangeArray");
    syntax.addFlag("-rv", "-rangeVisible");
    syntax.addFlag("-hr", "-highlightedRange", MSyntax::kDouble, MSyntax::kDouble);
    syntax.setObjectType(MSyntax::kStringObjects, 1, 1);
    syntax.enableQuery();
    syntax.enableEdit();
    return syntax;
}

MStatus TimeControlCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    MStringArray objects;
    db.getObjects(objects);
    if (objects.length() != 1 || objects[0] != Host::kTimeControlName) {
        displayError("timeControl: Object '" + (objects.length() ? objects[0] : MString()) + "' not found.");
        return MStatus::kNotFound;
    }
    TimeState& time = Host::current()->time();
    const MTime::Unit unit = time.uiUnit();
    if (db.isQuery()) {
        if (db.isFlagSet("-rangeVisible")) {
            setResult(time.hasHighlightedRange());
        } else if (db.isFlagSet("-rangeArray") || db.isFlagSet("-highlightedRange")) {
            // Without a highlight the range is the current frame alone.
            MDoubleArray range;
            if (time.hasHighlightedRange()) {
                range.append(time.highlightStart().as(unit));
                range.append(time.highlightEnd().as(unit));
            } else {
                range.append(time.currentTime().as(unit));
                range.append(time.currentTime().as(unit) + 1.0);
            }
            setResult(range);
        }
        return MStatus::kSuccess;
    }
    double start = 0.0;
    double end = 0.0;
    if (db.getFlagArgument("-highlightedRange", 0, start) && db.getFlagArgument("-highlightedRange", 1, end))
        time.setHighlightedRange(MTime(start, unit), MTime(end, unit));
    return MStatus::kSuccess;
}

} // namespace nbhost
