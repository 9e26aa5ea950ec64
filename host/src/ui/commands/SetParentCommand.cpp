#include "ui/commands/SetParentCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MQtUtil.h>
#include <maya/MSyntax.h>

#include "ui/ControlRegistry.h"
#include "ui/GuiSession.h"
#include "ui/MainWindowParts.h"
#include "ui/MenuElements.h"

#include <QMenu>
#include <QWidget>

namespace nbhost {

namespace {
const char* const kName = "setParent";
const QString kUp = QStringLiteral("..");

// The nearest ancestor with a name inside the same window; none above a window.
QString namedAncestor(const QWidget* widget)
{
    if (!widget || widget->isWindow())
        return QString();
    for (QWidget* up = widget->parentWidget(); up; up = up->isWindow() ? nullptr : up->parentWidget()) {
        const QString name = ControlRegistry::nameOf(up);
        if (!name.isEmpty())
            return name;
    }
    return QString();
}
} // namespace

void* SetParentCommand::creator() { return new SetParentCommand; }

MSyntax SetParentCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-m", "-menu");
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    return syntax;
}

MStatus SetParentCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    GuiSession* session = gui(kName);
    if (!session)
        return MStatus::kFailure;
    const bool menu = db.isFlagSet("-menu");
    if (db.isQuery()) {
        setResult(menu ? toMString(ControlRegistry::fullName(session->currentMenu())) : MQtUtil::getCurrentParent());
        return MStatus::kSuccess;
    }
    const QString target = objectName(db);
    if (target.isEmpty())
        return fail(kName, QStringLiteral("Give a parent name or \"..\"."));
    return menu ? setMenu(target) : setLayout(target);
}

// Above a menu-bar menu there is no menu: it stays current.
MStatus SetParentCommand::setMenu(const QString& target)
{
    GuiSession& session = *GuiSession::current();
    if (target == kUp) {
        QMenu* current = session.currentMenu();
        if (!current)
            return fail(kName, QStringLiteral("There is no current menu."));
        if (QMenu* up = MenuElements::parentMenu(*current))
            session.setCurrentMenu(up);
    } else {
        QMenu* menu = ControlRegistry::findMenu(target);
        if (!menu)
            return notFound(kName, target);
        session.setCurrentMenu(menu);
    }
    setResult(ControlRegistry::fullName(session.currentMenu()));
    return MStatus::kSuccess;
}

MStatus SetParentCommand::setLayout(const QString& target)
{
    if (target == kUp) {
        MainWindowParts::setCurrentParent(namedAncestor(ControlRegistry::find(MainWindowParts::currentParent())));
    } else {
        QWidget* parent = ControlRegistry::find(target);
        if (!parent || qobject_cast<QMenu*>(parent))
            return notFound(kName, target);
        MainWindowParts::setCurrentParent(ControlRegistry::nameOf(parent));
    }
    setResult(MQtUtil::getCurrentParent());
    return MStatus::kSuccess;
}

} // namespace nbhost
