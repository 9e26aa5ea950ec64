#include "ui/commands/ColorSliderGrpCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MDoubleArray.h>
#include <maya/MSyntax.h>

#include "ui/ColorSliderGroup.h"
#include "ui/ControlRegistry.h"

namespace nbhost {

namespace {
const char* const kName = "colorSliderGrp";
} // namespace

void* ColorSliderGrpCommand::creator() { return new ColorSliderGrpCommand; }

MSyntax ColorSliderGrpCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-l", "-label", MSyntax::kString);
    syntax.addFlag("-rgb", "-rgbValue", MSyntax::kDouble, MSyntax::kDouble, MSyntax::kDouble);
    syntax.addFlag("-cc", "-changeCommand", MSyntax::kString);
    syntax.addFlag("-cw3", "-columnWidth3", MSyntax::kLong, MSyntax::kLong, MSyntax::kLong);
    syntax.addFlag("-p", "-parent", MSyntax::kString);
    syntax.addFlag("-en", "-enable", MSyntax::kBoolean);
    syntax.addFlag("-ex", "-exists");
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    syntax.enableEdit();
    return syntax;
}

MStatus ColorSliderGrpCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (!gui(kName))
        return MStatus::kFailure;
    const QString name = objectName(db);
    auto* group = qobject_cast<ColorSliderGroup*>(ControlRegistry::find(name));
    if (db.isFlagSet("-exists")) {
        setResult(group != nullptr);
        return MStatus::kSuccess;
    }
    if (!db.isQuery() && !db.isEdit())
        return create(db);
    if (!group)
        return notFound(kName, name);
    if (db.isEdit()) {
        apply(db, *group);
        return MStatus::kSuccess;
    }
    if (db.isFlagSet("-rgbValue")) {
        MDoubleArray rgb;
        for (double channel : group->rgb())
            rgb.append(channel);
        setResult(rgb);
    } else if (db.isFlagSet("-label")) {
        setResult(group->label());
    } else if (db.isFlagSet("-changeCommand")) {
        setResult(group->changeCommand());
    } else if (db.isFlagSet("-enable")) {
        setResult(group->isEnabled());
    }
    return MStatus::kSuccess;
}

void ColorSliderGrpCommand::apply(const MArgDatabase& db, ColorSliderGroup& group)
{
    if (db.isFlagSet("-label"))
        group.setLabel(stringFlag(db, "-label"));
    if (db.isFlagSet("-rgbValue"))
        group.setRgb(db.flagArgumentDouble("-rgbValue", 0), db.flagArgumentDouble("-rgbValue", 1),
                     db.flagArgumentDouble("-rgbValue", 2));
    if (db.isFlagSet("-changeCommand"))
        group.setChangeCommand(stringFlag(db, "-changeCommand"));
    if (db.isFlagSet("-columnWidth3"))
        group.setColumnWidths(db.flagArgumentInt("-columnWidth3", 0), db.flagArgumentInt("-columnWidth3", 1),
                              db.flagArgumentInt("-columnWidth3", 2));
    if (db.isFlagSet("-enable"))
        group.setEnabled(db.flagArgumentBool("-enable", 0));
}

MStatus ColorSliderGrpCommand::create(const MArgDatabase& db)
{
    Parent parent;
    if (!findParent(kName, db, parent))
        return MStatus::kNotFound;
    const QString name = newName(kName, db, QStringLiteral("colorSliderGrp"));
    if (name.isEmpty())
        return MStatus::kFailure;
    auto* group = new ColorSliderGroup;
    ControlRegistry::registerControl(name, group);
    apply(db, *group);
    if (!placeControl(kName, group, parent)) {
        delete group;
        return MStatus::kFailure;
    }
    setResult(ControlRegistry::fullName(group));
    return MStatus::kSuccess;
}

} // namespace nbhost
