#pragma once
// Bridge between the host's interface elements and Qt.

#include <maya/MTypes.h>
#include <maya/MString.h>

#include <QtCore/QString>

class QAction;
class QObject;
class QWidget;

class OPENMAYAUI_EXPORT MQtUtil
{
public:
    // The host's main window; null when the host runs without an interface.
    static QWidget* mainWindow();
    // The control of that name (a full path or its last element), searched
    // below parent when one is given; null when there is none.
    static QWidget* findControl(MString controlName, const QWidget* parent = nullptr);
    // The widget of a layout or window that holds controls; null when none.
    static QObject* findLayout(const MString& layoutName, const QWidget* parent = nullptr);
    // The action of a menu item; null when none.
    static QAction* findMenuItem(const MString& itemName);
    // The top-level window of that name; null when none.
    static QWidget* findWindow(const MString& windowName);
    // The element's full '|' path name; empty when it has no name.
    static MString fullName(const QObject* uiElement);
    // The full name of the current parent layout; empty when there is none.
    static MString getCurrentParent();
    static QString toQString(const MString& mayaString);
    static MString toMString(const QString& qtString);
};
