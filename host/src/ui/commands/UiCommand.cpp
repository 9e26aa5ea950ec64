#include "ui/commands/UiCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MQtUtil.h>
#include <maya/MStringArray.h>

#include "ui/ControlRegistry.h"
#include "ui/GuiSession.h"
#include "ui/MainWindowParts.h"

namespace nbhost {

GuiSession* UiCommand::gui(const char* command)
{
    GuiSession* session = GuiSession::current();
    if (!session)
        displayError(MString(command) + ": this command needs the user interface; the host runs in batch mode.");
    return session;
}

MStatus UiCommand::notFound(const char* command, const QString& name)
{
    displayError(MString(command) + ": Object '" + toMString(name) + "' not found.");
    return MStatus::kNotFound;
}

MStatus UiCommand::fail(const char* command, const QString& message)
{
    displayError(MString(command) + ": " + toMString(message));
    return MStatus::kFailure;
}

QString UiCommand::objectName(const MArgDatabase& db)
{
    MStringArray objects;
    db.getObjects(objects);
    return objects.length() > 0 ? MQtUtil::toQString(objects[0]) : QString();
}

QString UiCommand::newName(const char* command, const MArgDatabase& db, const QString& base)
{
    const QString given = objectName(db);
    if (given.isEmpty())
        return ControlRegistry::uniqueName(base);
    if (given.contains(QLatin1Char('|'))) {
        fail(command, QStringLiteral("'%1' is not a valid name.").arg(given));
        return QString();
    }
    if (ControlRegistry::contains(given)) {
        fail(command, QStringLiteral("Object's name '%1' is not unique.").arg(given));
        return QString();
    }
    return given;
}

bool UiCommand::findParent(const char* command, const MArgDatabase& db, Parent& parent)
{
    parent.named = db.isFlagSet("-parent");
    parent.name = parent.named ? stringFlag(db, "-parent") : MainWindowParts::currentParent();
    if (parent.named && !ControlRegistry::find(parent.name)) {
        notFound(command, parent.name);
        return false;
    }
    return true;
}

bool UiCommand::placeControl(const char* command, QWidget* control, const Parent& parent)
{
    if (MainWindowParts::addToParent(parent.name, control))
        return true;
    if (parent.named) {
        fail(command, QStringLiteral("'%1' cannot hold controls.").arg(parent.name));
        return false;
    }
    GuiSession::current()->keepOrphan(control);
    return true;
}

QMenu* UiCommand::parentMenu(const char* command, const MArgDatabase& db, const char* what, MStatus& status)
{
    const bool named = db.isFlagSet("-parent");
    QMenu* menu = named ? ControlRegistry::findMenu(stringFlag(db, "-parent")) : GuiSession::current()->currentMenu();
    if (!menu)
        status = named ? notFound(command, stringFlag(db, "-parent"))
                       : fail(command, QStringLiteral("There is no menu to add the %1 to.").arg(QLatin1String(what)));
    return menu;
}

QString UiCommand::stringFlag(const MArgDatabase& db, const char* flag)
{
    MString value;
    db.getFlagArgument(flag, 0, value);
    return MQtUtil::toQString(value);
}

MString UiCommand::toMString(const QString& text) { return MQtUtil::toMString(text); }

void UiCommand::setResult(const QString& text) { MPxCommand::setResult(toMString(text)); }

} // namespace nbhost
