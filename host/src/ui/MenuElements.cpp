#include "ui/MenuElements.h"

#include "ui/ControlRegistry.h"
#include "ui/GuiSession.h"
#include "ui/ScriptWindow.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>

namespace nbhost {

namespace {
const char* const kCommand = "nbCommand";
const char* const kKind = "nbItemKind";
const char* const kCollection = "nbRadioCollection";
} // namespace

QMenuBar* MenuElements::menuBarOf(QWidget* window)
{
    if (auto* main = qobject_cast<QMainWindow*>(window))
        return main->menuBar();
    if (auto* scriptWindow = qobject_cast<ScriptWindow*>(window))
        return scriptWindow->menuBar();
    return nullptr;
}

QMenu* MenuElements::addMenu(QMenuBar& bar, const QString& name, const QString& label)
{
    auto* menu = new QMenu(label, &bar);
    ControlRegistry::registerControl(name, menu);
    bar.addMenu(menu);
    return menu;
}

QMenu* MenuElements::addSubMenu(QMenu& parent, const QString& name, const QString& label)
{
    auto* menu = new QMenu(label, &parent);
    ControlRegistry::registerControl(name, menu->menuAction());
    parent.addMenu(menu);
    return menu;
}

QAction* MenuElements::addItem(QMenu& parent, const QString& name, const QString& label)
{
    auto* item = new QAction(label, &parent);
    ControlRegistry::registerControl(name, item);
    QObject::connect(item, &QAction::triggered, item, [item] { run(item); });
    parent.addAction(item);
    return item;
}

QAction* MenuElements::addDivider(QMenu& parent, const QString& name)
{
    auto* item = new QAction(&parent);
    item->setSeparator(true);
    ControlRegistry::registerControl(name, item);
    parent.addAction(item);
    return item;
}

QActionGroup* MenuElements::addCollection(QMenu& parent, const QString& name)
{
    auto* group = new QActionGroup(&parent);
    group->setExclusive(true);
    ControlRegistry::registerControl(name, group);
    parent.setProperty(kCollection, QVariant::fromValue<QObject*>(group));
    return group;
}

void MenuElements::makeRadio(QAction& item, QMenu& parent, bool on)
{
    auto* group = qobject_cast<QActionGroup*>(parent.property(kCollection).value<QObject*>());
    if (!group || ControlRegistry::isDeleted(group))
        group = addCollection(parent, ControlRegistry::uniqueName(QStringLiteral("radioMenuItemCollection")));
    item.setProperty(kKind, QStringLiteral("radio"));
    item.setCheckable(true);
    group->addAction(&item);
    item.setChecked(on);
}

void MenuElements::makeCheckBox(QAction& item, bool on)
{
    item.setProperty(kKind, QStringLiteral("check"));
    item.setCheckable(true);
    item.setChecked(on);
}

void MenuElements::setCommand(QAction& item, const QString& script) { item.setProperty(kCommand, script); }

QString MenuElements::command(const QAction& item) { return item.property(kCommand).toString(); }

bool MenuElements::isRadio(const QAction& item) { return item.property(kKind).toString() == QLatin1String("radio"); }

bool MenuElements::isCheckBox(const QAction& item)
{
    return item.property(kKind).toString() == QLatin1String("check");
}

void MenuElements::run(QAction* item)
{
    const QString script = command(*item);
    GuiSession* session = GuiSession::current();
    if (session && !script.trimmed().isEmpty())
        session->evaluate(script.toStdString(), false);
}

QStringList MenuElements::itemNames(const QMenu& menu)
{
    QStringList names;
    for (const QAction* item : menu.actions()) {
        const QString name = ControlRegistry::nameOf(item);
        if (!name.isEmpty() && !ControlRegistry::isDeleted(item))
            names << name;
    }
    return names;
}

QMenu* MenuElements::parentMenu(const QMenu& menu) { return qobject_cast<QMenu*>(menu.parentWidget()); }

void MenuElements::deleteAllItems(QMenu& menu)
{
    for (QAction* item : menu.actions()) {
        menu.removeAction(item);
        if (item->menu() && item->menu()->parent() == &menu)
            ControlRegistry::markDeleted(item->menu());
        else if (item->parent() == &menu)
            ControlRegistry::markDeleted(item);
    }
}

void MenuElements::deleteMenu(QMenu& menu)
{
    if (QWidget* owner = menu.parentWidget())
        owner->removeAction(menu.menuAction());
    ControlRegistry::markDeleted(&menu);
}

void MenuElements::deleteItem(QAction& item)
{
    if (QMenu* menu = item.menu()) {
        deleteMenu(*menu);
        return;
    }
    if (auto* owner = qobject_cast<QWidget*>(item.parent()))
        owner->removeAction(&item);
    ControlRegistry::markDeleted(&item);
}

} // namespace nbhost
