#include "viewport/commands/ModelPanelCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "ui/ControlRegistry.h"
#include "viewport/ModelPanel.h"
#include "viewport/commands/PaneLayoutCommand.h"

namespace nbhost {

namespace {
const char* const kName = "modelPanel";
}

void* ModelPanelCommand::creator() { return new ModelPanelCommand; }

MSyntax ModelPanelCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-p", "-parent", MSyntax::kString);
    syntax.addFlag("-ex", "-exists");
    syntax.addFlag("-cam", "-camera", MSyntax::kString);
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    syntax.enableEdit();
    return syntax;
}

ModelPanel* ModelPanelCommand::find(const QString& name)
{
    return name.isEmpty() ? nullptr : qobject_cast<ModelPanel*>(ControlRegistry::find(name));
}

MStatus ModelPanelCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (!gui(kName))
        return MStatus::kFailure;
    const QString name = objectName(db);
    if (db.isFlagSet("-exists")) {
        setResult(find(name) != nullptr);
        return MStatus::kSuccess;
    }
    if (!db.isQuery() && !db.isEdit())
        return create(db);
    ModelPanel* panel = find(name);
    if (!panel)
        return notFound(kName, name);
    if (db.isQuery()) {
        if (db.isFlagSet("-camera"))
            setResult(panel->cameraName());
        return MStatus::kSuccess;
    }
    if (db.isFlagSet("-camera") && !panel->lookThrough(stringFlag(db, "-camera")))
        return fail(kName, QStringLiteral("'%1' is not a camera.").arg(stringFlag(db, "-camera")));
    return MStatus::kSuccess;
}

MStatus ModelPanelCommand::create(const MArgDatabase& db)
{
    const QString camera = db.isFlagSet("-camera") ? stringFlag(db, "-camera") : QStringLiteral("persp");
    Parent parent;
    if (!findParent(kName, db, parent))
        return MStatus::kNotFound;
    const QString name = newName(kName, db, QStringLiteral("modelPanel"));
    if (name.isEmpty())
        return MStatus::kFailure;
    auto* panel = new ModelPanel(name, camera);
    if (!panel->lookThrough(camera)) {
        delete panel;
        return fail(kName, QStringLiteral("'%1' is not a camera.").arg(camera));
    }
    ControlRegistry::registerControl(name, panel);
    if (!PaneLayoutCommand::place(kName, panel, parent)) {
        delete panel;
        return MStatus::kFailure;
    }
    setResult(name);
    return MStatus::kSuccess;
}

} // namespace nbhost
