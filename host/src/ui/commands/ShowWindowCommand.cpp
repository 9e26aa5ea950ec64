#include "ui/commands/ShowWindowCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "ui/ControlRegistry.h"
#include "ui/MainWindowParts.h"

#include <QMenu>
#include <QWidget>

namespace nbhost {

namespace {
const char* const kName = "showWindow";
} // namespace

void* ShowWindowCommand::creator() { return new ShowWindowCommand; }

MSyntax ShowWindowCommand::newSyntax()
{
    MSyntax syntax;
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    return syntax;
}

MStatus ShowWindowCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (!gui(kName))
        return MStatus::kFailure;
    QString name = objectName(db);
    if (name.isEmpty()) {
        QWidget* parent = ControlRegistry::find(MainWindowParts::currentParent());
        if (!parent)
            return fail(kName, QStringLiteral("There is no window to show."));
        name = ControlRegistry::nameOf(parent->window());
    }
    QWidget* window = ControlRegistry::find(name);
    if (!window || qobject_cast<QMenu*>(window))
        return notFound(kName, name);
    if (!window->isWindow())
        return fail(kName, QStringLiteral("'%1' is not a window.").arg(name));
    window->show();
    window->raise();
    window->activateWindow();
    return MStatus::kSuccess;
}

} // namespace nbhost
