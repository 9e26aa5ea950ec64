#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <map>

namespace nbhost {

// The host's named interface controls, as the script commands and
// MQtUtil::findControl know them. The GUI registers its main window and
// every control it creates; batch mode registers nothing. Entries follow
// their widgets: a destroyed widget is no longer found.
class ControlRegistry
{
public:
    static void setMainWindow(QWidget* window);
    static QWidget* mainWindow();

    // Registers or replaces the control of that name; a null widget removes it.
    static void registerControl(const QString& name, QWidget* control);
    static void unregisterControl(const QString& name);
    // The control of that name, or of the last element of a '|' path.
    static QWidget* find(const QString& name);
    static void clear();

private:
    static std::map<QString, QPointer<QWidget>>& controls();
    static QPointer<QWidget>& mainWindowPointer();
};

} // namespace nbhost
