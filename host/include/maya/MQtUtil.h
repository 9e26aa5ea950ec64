#pragma once
// Bridge between the host's interface controls and Qt.

#include <maya/MTypes.h>
#include <maya/MString.h>

#include <QtCore/QString>

class QWidget;

class OPENMAYAUI_EXPORT MQtUtil
{
public:
    // The host's main window; null when the host runs without an interface.
    static QWidget* mainWindow();
    // The control of that name (a full path or its last element), searched
    // below parent when one is given; null when there is none.
    static QWidget* findControl(const MString& controlName, const QWidget* parent = nullptr);
    static QString toQString(const MString& mayaString);
    static MString toMString(const QString& qtString);
};
