#pragma once

#include <QString>
#include <QStringList>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QWidget;

namespace nbhost {

// The menus, items and radio collections that the interface commands make:
// how they are built from Qt menus and actions, named, run and deleted.
// A sub-menu is a menu whose menu action carries the item's name.
class MenuElements
{
public:
    // The menu bar that `menu -parent <window>` adds to: the main window's,
    // or one of a window made by `window`. Null for anything else.
    static QMenuBar* menuBarOf(QWidget* window);

    static QMenu* addMenu(QMenuBar& bar, const QString& name, const QString& label);
    static QMenu* addSubMenu(QMenu& parent, const QString& name, const QString& label);
    static QAction* addItem(QMenu& parent, const QString& name, const QString& label);
    static QAction* addDivider(QMenu& parent, const QString& name);
    // The item joins the menu's current radio collection, made if missing.
    static void makeRadio(QAction& item, QMenu& parent, bool on);
    static void makeCheckBox(QAction& item, bool on);
    static QActionGroup* addCollection(QMenu& parent, const QString& name);

    // The script an item runs when chosen, through the host with undo on.
    static void setCommand(QAction& item, const QString& script);
    static QString command(const QAction& item);
    static bool isRadio(const QAction& item);
    static bool isCheckBox(const QAction& item);

    // Names of the menu's items (dividers and sub-menus included), in order.
    static QStringList itemNames(const QMenu& menu);
    // The menu an item or sub-menu sits in; null for a menu-bar menu.
    static QMenu* parentMenu(const QMenu& menu);
    static void deleteAllItems(QMenu& menu);
    // Removes a menu or sub-menu with everything in it.
    static void deleteMenu(QMenu& menu);
    static void deleteItem(QAction& item);

private:
    static void run(QAction* item);
};

} // namespace nbhost
