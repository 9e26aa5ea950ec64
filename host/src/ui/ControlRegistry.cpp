#include "ui/ControlRegistry.h"

namespace nbhost {

std::map<QString, QPointer<QWidget>>& ControlRegistry::controls()
{
    static std::map<QString, QPointer<QWidget>> registry;
    return registry;
}

QPointer<QWidget>& ControlRegistry::mainWindowPointer()
{
    static QPointer<QWidget> window;
    return window;
}

void ControlRegistry::setMainWindow(QWidget* window)
{
    mainWindowPointer() = window;
}

QWidget* ControlRegistry::mainWindow()
{
    return mainWindowPointer();
}

void ControlRegistry::registerControl(const QString& name, QWidget* control)
{
    if (control)
        controls()[name] = control;
    else
        unregisterControl(name);
}

void ControlRegistry::unregisterControl(const QString& name)
{
    controls().erase(name);
}

QWidget* ControlRegistry::find(const QString& name)
{
    const QString shortName = name.section(QLatin1Char('|'), -1);
    const auto it = controls().find(shortName);
    if (it == controls().end())
        return nullptr;
    if (!it->second) {
        controls().erase(it);
        return nullptr;
    }
    return it->second;
}

void ControlRegistry::clear()
{
    controls().clear();
    mainWindowPointer() = nullptr;
}

} // namespace nbhost
