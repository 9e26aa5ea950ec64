#pragma once

#include <maya/MPxCommand.h>

#include <QString>

class MArgDatabase;
class QMenu;
class QWidget;

namespace nbhost {

class GuiSession;

// Base of the interface commands: what they share to find the running
// interface, name the elements they make and report missing ones.
class UiCommand : public MPxCommand
{
protected:
    // The running interface, or null after reporting that the command
    // needs one (batch mode).
    static GuiSession* gui(const char* command);
    static MStatus notFound(const char* command, const QString& name);
    static MStatus fail(const char* command, const QString& message);

    // The first object on the command line, or empty.
    static QString objectName(const MArgDatabase& db);
    // A name for a new element: the one given, which must be free, or a
    // new one from `base`. Empty after reporting a taken name.
    static QString newName(const char* command, const MArgDatabase& db, const QString& base);
    // Where a new control goes: the control named by -parent, else the
    // current parent (empty when there is none).
    struct Parent
    {
        QString name;
        bool named = false;
    };
    // False after reporting a -parent that names no control.
    static bool findParent(const char* command, const MArgDatabase& db, Parent& parent);
    // Adds a new control to its parent's layout. A control the current
    // parent cannot hold is kept by the session without a parent; a named
    // parent that cannot hold it is reported (false) and the caller drops
    // the control.
    static bool placeControl(const char* command, QWidget* control, const Parent& parent);
    // The menu a new menu element goes into: the one named by -parent, else
    // the current menu. Null after reporting that there is none (`what`
    // names the element in the message), with `status` set.
    static QMenu* parentMenu(const char* command, const MArgDatabase& db, const char* what, MStatus& status);
    // A string flag's argument as Qt text.
    static QString stringFlag(const MArgDatabase& db, const char* flag);
    static MString toMString(const QString& text);
    static void setResult(const QString& text);
    using MPxCommand::setResult;
};

} // namespace nbhost
