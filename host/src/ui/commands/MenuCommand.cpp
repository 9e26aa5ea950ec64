#include "ui/commands/MenuCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MQtUtil.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "ui/ControlRegistry.h"
#include "ui/GuiSession.h"
#include "ui/MainWindowParts.h"
#include "ui/MenuElements.h"
#include "ui/MenuSets.h"

#include <QMenu>
#include <QMenuBar>

namespace nbhost {

namespace {
const char* const kName = "menu";

// Without -parent a menu goes to the window being built (the current
// parent's window), else to the main window.
QWidget* defaultWindow()
{
    if (QWidget* parent = ControlRegistry::find(MainWindowParts::currentParent()))
        if (MenuElements::menuBarOf(parent->window()))
            return parent->window();
    return ControlRegistry::mainWindow();
}

MStringArray toArray(const QStringList& names)
{
    MStringArray array;
    for (const QString& name : names)
        array.append(MQtUtil::toMString(name));
    return array;
}
} // namespace

void* MenuCommand::creator() { return new MenuCommand; }

MSyntax MenuCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-p", "-parent", MSyntax::kString);
    syntax.addFlag("-l", "-label", MSyntax::kString);
    syntax.addFlag("-to", "-tearOff", MSyntax::kBoolean);
    syntax.addFlag("-en", "-enable", MSyntax::kBoolean);
    syntax.addFlag("-ex", "-exists");
    syntax.addFlag("-dai", "-deleteAllItems");
    syntax.addFlag("-ia", "-itemArray");
    syntax.addFlag("-ni", "-numberOfItems");
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    syntax.enableEdit();
    return syntax;
}

MStatus MenuCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    GuiSession* session = gui(kName);
    if (!session)
        return MStatus::kFailure;
    const QString name = objectName(db);
    if (db.isFlagSet("-exists")) {
        setResult(ControlRegistry::findMenu(name) != nullptr);
        return MStatus::kSuccess;
    }
    if (db.isQuery() || db.isEdit()) {
        QMenu* menu = ControlRegistry::findMenu(name);
        if (!menu)
            return notFound(kName, name);
        if (db.isQuery()) {
            if (db.isFlagSet("-label"))
                setResult(menu->title());
            else if (db.isFlagSet("-tearOff"))
                setResult(menu->isTearOffEnabled());
            else if (db.isFlagSet("-enable"))
                setResult(menu->menuAction()->isEnabled());
            else if (db.isFlagSet("-itemArray"))
                setResult(toArray(MenuElements::itemNames(*menu)));
            else if (db.isFlagSet("-numberOfItems"))
                setResult(static_cast<int>(MenuElements::itemNames(*menu).size()));
            return MStatus::kSuccess;
        }
        if (db.isFlagSet("-label"))
            menu->setTitle(stringFlag(db, "-label"));
        if (db.isFlagSet("-tearOff"))
            menu->setTearOffEnabled(db.flagArgumentBool("-tearOff", 0));
        if (db.isFlagSet("-enable"))
            menu->menuAction()->setEnabled(db.flagArgumentBool("-enable", 0));
        if (db.isFlagSet("-deleteAllItems"))
            MenuElements::deleteAllItems(*menu);
        return MStatus::kSuccess;
    }

    QWidget* window = db.isFlagSet("-parent") ? ControlRegistry::find(stringFlag(db, "-parent")) : defaultWindow();
    QMenuBar* bar = MenuElements::menuBarOf(window);
    if (!bar)
        return db.isFlagSet("-parent") ? fail(kName, QStringLiteral("'%1' is not a window.").arg(stringFlag(db, "-parent")))
                                       : fail(kName, QStringLiteral("There is no window to add the menu to."));
    const QString newMenuName = newName(kName, db, QStringLiteral("menu"));
    if (newMenuName.isEmpty())
        return MStatus::kFailure;
    const QString label = db.isFlagSet("-label") ? stringFlag(db, "-label") : newMenuName;
    QMenu* menu = MenuElements::addMenu(*bar, newMenuName, label);
    if (db.isFlagSet("-tearOff"))
        menu->setTearOffEnabled(db.flagArgumentBool("-tearOff", 0));
    if (db.isFlagSet("-enable"))
        menu->menuAction()->setEnabled(db.flagArgumentBool("-enable", 0));
    session->setCurrentMenu(menu);
    setResult(ControlRegistry::fullName(menu));
    return MStatus::kSuccess;
}

} // namespace nbhost
