#include "ui/commands/MenuSetCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "ui/ControlRegistry.h"
#include "ui/GuiSession.h"
#include "ui/MenuSets.h"

#include <QMenu>

namespace nbhost {

namespace {
const char* const kName = "menuSet";
} // namespace

void* MenuSetCommand::creator() { return new MenuSetCommand; }

MSyntax MenuSetCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-cms", "-currentMenuSet", MSyntax::kString);
    syntax.addFlag("-am", "-addMenu", MSyntax::kString);
    syntax.addFlag("-ex", "-exists", MSyntax::kString);
    syntax.addFlag("-ma", "-menuArray");
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    syntax.enableEdit();
    return syntax;
}

MStatus MenuSetCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    GuiSession* session = gui(kName);
    if (!session)
        return MStatus::kFailure;
    MenuSets& sets = session->menuSets();
    const QString set = objectName(db);
    if (db.isFlagSet("-exists")) {
        setResult(MenuSets::exists(stringFlag(db, "-exists")));
        return MStatus::kSuccess;
    }
    if (db.isQuery()) {
        if (db.isFlagSet("-menuArray")) {
            if (!MenuSets::exists(set))
                return notFound(kName, set);
            MStringArray menus;
            for (const QString& menu : sets.menusOf(set))
                menus.append(toMString(menu));
            setResult(menus);
        } else {
            setResult(sets.current());
        }
        return MStatus::kSuccess;
    }
    if (db.isFlagSet("-currentMenuSet")) {
        const QString wanted = stringFlag(db, "-currentMenuSet");
        if (!sets.setCurrent(wanted))
            return notFound(kName, wanted);
    }
    if (db.isFlagSet("-addMenu")) {
        const QString menuName = stringFlag(db, "-addMenu");
        QMenu* menu = ControlRegistry::findMenu(menuName);
        if (!menu)
            return notFound(kName, menuName);
        if (!sets.addMenu(set, menu))
            return set.isEmpty() ? fail(kName, QStringLiteral("-addMenu needs a menu set."))
                                 : notFound(kName, set);
    }
    return MStatus::kSuccess;
}

} // namespace nbhost
