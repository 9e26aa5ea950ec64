#include "ui/commands/MenuItemCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include "ui/ControlRegistry.h"
#include "ui/GuiSession.h"
#include "ui/MenuElements.h"

#include <QAction>
#include <QMenu>

namespace nbhost {

namespace {
const char* const kName = "menuItem";
} // namespace

void* MenuItemCommand::creator() { return new MenuItemCommand; }

MSyntax MenuItemCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-p", "-parent", MSyntax::kString);
    syntax.addFlag("-l", "-label", MSyntax::kString);
    syntax.addFlag("-c", "-command", MSyntax::kString);
    syntax.addFlag("-rb", "-radioButton", MSyntax::kBoolean);
    syntax.addFlag("-cb", "-checkBox", MSyntax::kBoolean);
    syntax.addFlag("-d", "-divider", MSyntax::kBoolean);
    syntax.addFlag("-sm", "-subMenu", MSyntax::kBoolean);
    syntax.addFlag("-to", "-tearOff", MSyntax::kBoolean);
    syntax.addFlag("-en", "-enable", MSyntax::kBoolean);
    syntax.addFlag("-ann", "-annotation", MSyntax::kString);
    syntax.addFlag("-ex", "-exists");
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    syntax.enableEdit();
    return syntax;
}

MStatus MenuItemCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (!gui(kName))
        return MStatus::kFailure;
    const QString name = objectName(db);
    if (db.isFlagSet("-exists")) {
        setResult(ControlRegistry::findAction(name) != nullptr);
        return MStatus::kSuccess;
    }
    if (!db.isQuery() && !db.isEdit())
        return create(db);
    QAction* item = ControlRegistry::findAction(name);
    if (!item)
        return notFound(kName, name);
    return db.isQuery() ? query(db, *item) : edit(db, *item);
}

MStatus MenuItemCommand::create(const MArgDatabase& db)
{
    GuiSession& session = *GuiSession::current();
    MStatus status;
    QMenu* parent = parentMenu(kName, db, "item", status);
    if (!parent)
        return status;
    const QString name = newName(kName, db, QStringLiteral("menuItem"));
    if (name.isEmpty())
        return MStatus::kFailure;
    const QString label = stringFlag(db, "-label");
    QAction* item = nullptr;
    if (db.isFlagSet("-divider") && db.flagArgumentBool("-divider", 0)) {
        item = MenuElements::addDivider(*parent, name);
    } else if (db.isFlagSet("-subMenu") && db.flagArgumentBool("-subMenu", 0)) {
        QMenu* subMenu = MenuElements::addSubMenu(*parent, name, label);
        if (db.isFlagSet("-tearOff"))
            subMenu->setTearOffEnabled(db.flagArgumentBool("-tearOff", 0));
        session.setCurrentMenu(subMenu);
        item = subMenu->menuAction();
    } else {
        item = MenuElements::addItem(*parent, name, label);
        MenuElements::setCommand(*item, stringFlag(db, "-command"));
        if (db.isFlagSet("-radioButton"))
            MenuElements::makeRadio(*item, *parent, db.flagArgumentBool("-radioButton", 0));
        else if (db.isFlagSet("-checkBox"))
            MenuElements::makeCheckBox(*item, db.flagArgumentBool("-checkBox", 0));
    }
    if (db.isFlagSet("-enable"))
        item->setEnabled(db.flagArgumentBool("-enable", 0));
    if (db.isFlagSet("-annotation"))
        item->setStatusTip(stringFlag(db, "-annotation"));
    setResult(ControlRegistry::fullName(item));
    return MStatus::kSuccess;
}

MStatus MenuItemCommand::query(const MArgDatabase& db, QAction& item)
{
    if (db.isFlagSet("-label"))
        setResult(item.text());
    else if (db.isFlagSet("-command"))
        setResult(MenuElements::command(item));
    else if (db.isFlagSet("-radioButton"))
        setResult(MenuElements::isRadio(item) && item.isChecked());
    else if (db.isFlagSet("-checkBox"))
        setResult(MenuElements::isCheckBox(item) && item.isChecked());
    else if (db.isFlagSet("-divider"))
        setResult(item.isSeparator());
    else if (db.isFlagSet("-subMenu"))
        setResult(item.menu() != nullptr);
    else if (db.isFlagSet("-tearOff"))
        setResult(item.menu() && item.menu()->isTearOffEnabled());
    else if (db.isFlagSet("-enable"))
        setResult(item.isEnabled());
    else if (db.isFlagSet("-annotation"))
        setResult(item.statusTip());
    return MStatus::kSuccess;
}

// A radio or check state can only be edited on an item made as one.
MStatus MenuItemCommand::edit(const MArgDatabase& db, QAction& item)
{
    const QString name = ControlRegistry::nameOf(&item);
    if (db.isFlagSet("-radioButton") && !MenuElements::isRadio(item))
        return fail(kName, QStringLiteral("'%1' is not a radio button item.").arg(name));
    if (db.isFlagSet("-checkBox") && !MenuElements::isCheckBox(item))
        return fail(kName, QStringLiteral("'%1' is not a check box item.").arg(name));
    if (db.isFlagSet("-label"))
        item.setText(stringFlag(db, "-label"));
    if (db.isFlagSet("-command"))
        MenuElements::setCommand(item, stringFlag(db, "-command"));
    if (db.isFlagSet("-radioButton"))
        item.setChecked(db.flagArgumentBool("-radioButton", 0));
    if (db.isFlagSet("-checkBox"))
        item.setChecked(db.flagArgumentBool("-checkBox", 0));
    if (db.isFlagSet("-enable"))
        item.setEnabled(db.flagArgumentBool("-enable", 0));
    if (db.isFlagSet("-tearOff") && item.menu())
        item.menu()->setTearOffEnabled(db.flagArgumentBool("-tearOff", 0));
    if (db.isFlagSet("-annotation"))
        item.setStatusTip(stringFlag(db, "-annotation"));
    return MStatus::kSuccess;
}

} // namespace nbhost
