#include "ui/commands/DeleteUICommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MQtUtil.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "ui/ControlRegistry.h"
#include "ui/MenuElements.h"

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace nbhost {

namespace {
const char* const kName = "deleteUI";

bool isMenu(QObject* element)
{
    auto* action = qobject_cast<QAction*>(element);
    return qobject_cast<QMenu*>(element) || (action && action->menu());
}

bool isWindow(QObject* element)
{
    auto* widget = qobject_cast<QWidget*>(element);
    return widget && widget->isWindow() && !qobject_cast<QMenu*>(widget);
}
} // namespace

void* DeleteUICommand::creator() { return new DeleteUICommand; }

MSyntax DeleteUICommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-m", "-menu");
    syntax.addFlag("-mi", "-menuItem");
    syntax.addFlag("-wnd", "-window");
    syntax.addFlag("-lay", "-layout");
    syntax.addFlag("-ctl", "-control");
    syntax.addFlag("-pnl", "-panel");
    syntax.setObjectType(MSyntax::kStringObjects, 1);
    return syntax;
}

QString DeleteUICommand::refusal(const MArgDatabase& db, const QString& name, QObject* element)
{
    if (element == ControlRegistry::mainWindow())
        return QStringLiteral("The main window cannot be deleted.");
    const bool control = qobject_cast<QWidget*>(element) && !isMenu(element) && !isWindow(element);
    struct Kind
    {
        const char* flag;
        const char* noun;
        bool matches;
    };
    const Kind kinds[] = {{"-menu", "menu", isMenu(element)},
                          {"-menuItem", "menu item", qobject_cast<QAction*>(element) != nullptr},
                          {"-window", "window", isWindow(element)},
                          {"-layout", "layout", control},
                          {"-control", "control", control},
                          {"-panel", "panel", control}};
    QStringList wanted;
    for (const Kind& kind : kinds) {
        if (!db.isFlagSet(kind.flag))
            continue;
        if (kind.matches)
            return QString();
        wanted << QLatin1String(kind.noun);
    }
    return wanted.isEmpty() ? QString() : QStringLiteral("'%1' is not a %2.").arg(name, wanted.join(QStringLiteral(" or ")));
}

void DeleteUICommand::remove(QObject* element)
{
    if (auto* menu = qobject_cast<QMenu*>(element))
        MenuElements::deleteMenu(*menu);
    else if (auto* action = qobject_cast<QAction*>(element))
        MenuElements::deleteItem(*action);
    else
        ControlRegistry::markDeleted(element);
}

MStatus DeleteUICommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (!gui(kName))
        return MStatus::kFailure;
    MStringArray names;
    db.getObjects(names);
    std::vector<QObject*> elements;
    for (unsigned int i = 0; i < names.length(); ++i) {
        const QString name = MQtUtil::toQString(names[i]);
        QObject* element = ControlRegistry::findObject(name);
        if (!element)
            return notFound(kName, name);
        const QString why = refusal(db, name, element);
        if (!why.isEmpty())
            return fail(kName, why);
        elements.push_back(element);
    }
    for (QObject* element : elements)
        if (!ControlRegistry::isDeleted(element))
            remove(element);
    return MStatus::kSuccess;
}

} // namespace nbhost
