#include "ui/ControlRegistry.h"

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <QVariant>
#include <QWidget>

namespace nbhost {

namespace {
const char* const kDeletedProperty = "nbDeleted";

// The object that holds a sub-menu's name is its menu action.
const QObject* namedObject(const QObject* object)
{
    const auto* menu = qobject_cast<const QMenu*>(object);
    if (menu && ControlRegistry::nameOf(menu).isEmpty())
        return menu->menuAction();
    return object;
}
} // namespace

std::map<QString, QPointer<QObject>>& ControlRegistry::controls()
{
    static std::map<QString, QPointer<QObject>> registry;
    return registry;
}

QPointer<QWidget>& ControlRegistry::mainWindowPointer()
{
    static QPointer<QWidget> window;
    return window;
}

void ControlRegistry::setMainWindow(QWidget* window) { mainWindowPointer() = window; }

QWidget* ControlRegistry::mainWindow() { return mainWindowPointer(); }

void ControlRegistry::registerControl(const QString& name, QObject* control)
{
    if (!control) {
        unregisterControl(name);
        return;
    }
    control->setObjectName(name);
    controls()[name] = control;
}

void ControlRegistry::unregisterControl(const QString& name) { controls().erase(name); }

bool ControlRegistry::contains(const QString& name) { return findObject(name) != nullptr; }

QString ControlRegistry::uniqueName(const QString& base)
{
    for (int number = 1;; ++number) {
        const QString name = base + QString::number(number);
        if (!contains(name))
            return name;
    }
}

QObject* ControlRegistry::findObject(const QString& name)
{
    const QString shortName = name.section(QLatin1Char('|'), -1);
    const auto it = controls().find(shortName);
    if (it == controls().end())
        return nullptr;
    if (!it->second || isDeleted(it->second)) {
        controls().erase(it);
        return nullptr;
    }
    return it->second;
}

QWidget* ControlRegistry::find(const QString& name)
{
    QObject* object = findObject(name);
    if (auto* action = qobject_cast<QAction*>(object))
        return action->menu();
    return qobject_cast<QWidget*>(object);
}

QMenu* ControlRegistry::findMenu(const QString& name) { return qobject_cast<QMenu*>(find(name)); }

QAction* ControlRegistry::findAction(const QString& name) { return qobject_cast<QAction*>(findObject(name)); }

QString ControlRegistry::nameOf(const QObject* control)
{
    if (!control || control->objectName().isEmpty())
        return QString();
    const auto it = controls().find(control->objectName());
    return it != controls().end() && it->second == control ? it->first : QString();
}

QString ControlRegistry::fullName(const QObject* control)
{
    QStringList parts;
    for (const QObject* object = control; object; object = object->parent()) {
        const QString name = nameOf(namedObject(object));
        if (!name.isEmpty() && (parts.isEmpty() || parts.front() != name))
            parts.prepend(name);
        // A path starts at its window; menus are windows of their own kind.
        const auto* widget = qobject_cast<const QWidget*>(object);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            break;
    }
    return parts.join(QLatin1Char('|'));
}

void ControlRegistry::markDeleted(QObject* control)
{
    if (!control)
        return;
    control->setProperty(kDeletedProperty, true);
    if (auto* widget = qobject_cast<QWidget*>(control))
        widget->hide();
    if (auto* action = qobject_cast<QAction*>(control))
        action->setVisible(false);
    control->deleteLater();
}

bool ControlRegistry::isDeleted(const QObject* control)
{
    for (const QObject* object = control; object; object = object->parent())
        if (object->property(kDeletedProperty).toBool())
            return true;
    return false;
}

void ControlRegistry::clear()
{
    controls().clear();
    mainWindowPointer() = nullptr;
}

} // namespace nbhost
