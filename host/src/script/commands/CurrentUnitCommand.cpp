#include "script/commands/CurrentUnitCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "time/TimeState.h"
#include "time/TimeUnits.h"

namespace nbhost {

void* CurrentUnitCommand::creator() { return new CurrentUnitCommand; }

MSyntax CurrentUnitCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-t", "-time", MSyntax::kString);
    syntax.addFlag("-l", "-linear", MSyntax::kString);
    syntax.addFlag("-a", "-angle", MSyntax::kString);
    syntax.addFlag("-ua", "-updateAnimation", MSyntax::kBoolean);
    syntax.enableQuery();
    return syntax;
}

MStatus CurrentUnitCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    Host& host = *Host::current();
    if (db.isQuery()) {
        if (db.isFlagSet("-linear"))
            setResult(MString(host.sceneUnits().linear().c_str()));
        else if (db.isFlagSet("-angle"))
            setResult(MString(host.sceneUnits().angle().c_str()));
        else
            setResult(MString(TimeUnits::name(host.time().uiUnit()).c_str()));
        return MStatus::kSuccess;
    }
    // Every name is checked before anything changes.
    MString time, linear, angle;
    MTime::Unit unit = host.time().uiUnit();
    if (db.getFlagArgument("-time", 0, time) && (unit = TimeUnits::fromName(time.asChar())) == MTime::kInvalid) {
        displayError("currentUnit: unknown time unit \"" + time + "\".");
        return MStatus::kInvalidParameter;
    }
    SceneUnits units = host.sceneUnits();
    if (db.getFlagArgument("-linear", 0, linear) && !units.setLinear(linear.asChar())) {
        displayError("currentUnit: unknown linear unit \"" + linear + "\".");
        return MStatus::kInvalidParameter;
    }
    if (db.getFlagArgument("-angle", 0, angle) && !units.setAngle(angle.asChar())) {
        displayError("currentUnit: unknown angular unit \"" + angle + "\".");
        return MStatus::kInvalidParameter;
    }
    host.sceneUnits() = units;
    host.time().setUIUnit(unit);
    return MStatus::kSuccess;
}

} // namespace nbhost
