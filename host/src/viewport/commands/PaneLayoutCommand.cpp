#include "viewport/commands/PaneLayoutCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "ui/ControlRegistry.h"
#include "ui/MainWindowParts.h"
#include "viewport/PaneLayout.h"

namespace nbhost {

namespace {
const char* const kName = "paneLayout";
}

void* PaneLayoutCommand::creator() { return new PaneLayoutCommand; }

MSyntax PaneLayoutCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-p", "-parent", MSyntax::kString);
    syntax.addFlag("-ex", "-exists");
    syntax.addFlag("-cn", "-configuration", MSyntax::kString);
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    syntax.enableEdit();
    return syntax;
}

PaneLayout* PaneLayoutCommand::find(const QString& name)
{
    return name.isEmpty() ? nullptr : qobject_cast<PaneLayout*>(ControlRegistry::find(name));
}

bool PaneLayoutCommand::place(const char* command, QWidget* control, const Parent& parent)
{
    if (auto* panes = find(parent.name)) {
        panes->addPane(control);
        return true;
    }
    return placeControl(command, control, parent);
}

MStatus PaneLayoutCommand::doIt(const MArgList& args)
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
    PaneLayout* panes = find(name);
    if (!panes)
        return notFound(kName, name);
    if (db.isQuery()) {
        if (db.isFlagSet("-configuration"))
            setResult(PaneLayout::configurationName(panes->configuration()));
        return MStatus::kSuccess;
    }
    if (db.isFlagSet("-configuration")) {
        PaneLayout::Configuration configuration;
        const QString text = stringFlag(db, "-configuration");
        if (!PaneLayout::parseConfiguration(text, configuration))
            return fail(kName, QStringLiteral("Unknown configuration '%1'.").arg(text));
        panes->setConfiguration(configuration);
    }
    return MStatus::kSuccess;
}

MStatus PaneLayoutCommand::create(const MArgDatabase& db)
{
    PaneLayout::Configuration configuration = PaneLayout::Configuration::Single;
    if (db.isFlagSet("-configuration")) {
        const QString text = stringFlag(db, "-configuration");
        if (!PaneLayout::parseConfiguration(text, configuration))
            return fail(kName, QStringLiteral("Unknown configuration '%1'.").arg(text));
    }
    Parent parent;
    if (!findParent(kName, db, parent))
        return MStatus::kNotFound;
    const QString name = newName(kName, db, QStringLiteral("paneLayout"));
    if (name.isEmpty())
        return MStatus::kFailure;
    auto* panes = new PaneLayout;
    panes->setConfiguration(configuration);
    ControlRegistry::registerControl(name, panes);
    if (!place(kName, panes, parent)) {
        delete panes;
        return MStatus::kFailure;
    }
    MainWindowParts::setCurrentParent(name);
    setResult(ControlRegistry::fullName(panes));
    return MStatus::kSuccess;
}

} // namespace nbhost
