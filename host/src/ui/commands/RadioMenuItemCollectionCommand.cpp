#include "ui/commands/RadioMenuItemCollectionCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "ui/ControlRegistry.h"
#include "ui/MenuElements.h"

#include <QActionGroup>
#include <QMenu>

namespace nbhost {

namespace {
const char* const kName = "radioMenuItemCollection";
} // namespace

void* RadioMenuItemCollectionCommand::creator() { return new RadioMenuItemCollectionCommand; }

MSyntax RadioMenuItemCollectionCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-p", "-parent", MSyntax::kString);
    syntax.addFlag("-ex", "-exists");
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    return syntax;
}

MStatus RadioMenuItemCollectionCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (!gui(kName))
        return MStatus::kFailure;
    if (db.isFlagSet("-exists")) {
        setResult(qobject_cast<QActionGroup*>(ControlRegistry::findObject(objectName(db))) != nullptr);
        return MStatus::kSuccess;
    }
    MStatus status;
    QMenu* menu = parentMenu(kName, db, "collection", status);
    if (!menu)
        return status;
    const QString name = newName(kName, db, QStringLiteral("radioMenuItemCollection"));
    if (name.isEmpty())
        return MStatus::kFailure;
    setResult(ControlRegistry::fullName(MenuElements::addCollection(*menu, name)));
    return MStatus::kSuccess;
}

} // namespace nbhost
