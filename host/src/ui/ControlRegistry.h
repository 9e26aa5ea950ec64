#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <map>

class QAction;
class QMenu;
class QWidget;

namespace nbhost {

// The host's named interface elements, as the script commands and MQtUtil
// know them: windows, menus, menu items, radio collections and controls.
// Names are unique across all of them; a '|' path finds the element of its
// last part. The GUI registers its main window and every element it
// creates; batch mode registers nothing. Entries follow their objects: a
// destroyed object, or one deleted with deleteUI (and everything below it),
// is no longer found.
class ControlRegistry
{
public:
    static void setMainWindow(QWidget* window);
    static QWidget* mainWindow();

    // Registers or replaces the element of that name and sets its object
    // name; a null object removes the name.
    static void registerControl(const QString& name, QObject* control);
    static void unregisterControl(const QString& name);
    static bool contains(const QString& name);
    // `base` followed by the first free number: "menu1", "menu2" ...
    static QString uniqueName(const QString& base);

    // The element of that name, or of the last element of a '|' path.
    static QObject* findObject(const QString& name);
    // A widget, or the menu of a sub-menu item.
    static QWidget* find(const QString& name);
    static QMenu* findMenu(const QString& name);
    static QAction* findAction(const QString& name);
    // The registered name of the element, or empty.
    static QString nameOf(const QObject* control);
    // The names of the element and its registered ancestors up to its
    // window, outermost first, joined by '|' ("MayaWindow|menu1|menuItem3").
    static QString fullName(const QObject* control);

    // deleteUI: the element disappears from the interface and from lookups
    // at once; the object itself goes when the event loop next runs, so a
    // menu item may delete its own menu.
    static void markDeleted(QObject* control);
    static bool isDeleted(const QObject* control);

    static void clear();

private:
    static std::map<QString, QPointer<QObject>>& controls();
    static QPointer<QWidget>& mainWindowPointer();
};

} // namespace nbhost
