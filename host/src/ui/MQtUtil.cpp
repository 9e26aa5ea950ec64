#include <maya/MQtUtil.h>

#include "ui/ControlRegistry.h"
#include "ui/MainWindowParts.h"

#include <QAction>
#include <QByteArray>
#include <QLayout>
#include <QMenu>
#include <QWidget>

using nbhost::ControlRegistry;

namespace {
bool isBelow(const QWidget* control, const QWidget* parent)
{
    return !parent || control == parent || parent->isAncestorOf(control);
}
} // namespace

QWidget* MQtUtil::mainWindow() { return ControlRegistry::mainWindow(); }

QWidget* MQtUtil::findControl(MString controlName, const QWidget* parent)
{
    QWidget* control = ControlRegistry::find(toQString(controlName));
    return control && isBelow(control, parent) ? control : nullptr;
}

QObject* MQtUtil::findLayout(const MString& layoutName, const QWidget* parent)
{
    QWidget* control = findControl(layoutName, parent);
    return control && control->layout() ? control : nullptr;
}

QAction* MQtUtil::findMenuItem(const MString& itemName) { return ControlRegistry::findAction(toQString(itemName)); }

QWidget* MQtUtil::findWindow(const MString& windowName)
{
    QWidget* control = ControlRegistry::find(toQString(windowName));
    return control && control->isWindow() && !qobject_cast<QMenu*>(control) ? control : nullptr;
}

MString MQtUtil::fullName(const QObject* uiElement) { return toMString(ControlRegistry::fullName(uiElement)); }

MString MQtUtil::getCurrentParent()
{
    return toMString(ControlRegistry::fullName(ControlRegistry::find(nbhost::MainWindowParts::currentParent())));
}

QString MQtUtil::toQString(const MString& mayaString)
{
    return QString::fromUtf8(mayaString.asUTF8(), static_cast<int>(mayaString.length()));
}

MString MQtUtil::toMString(const QString& qtString)
{
    const QByteArray utf8 = qtString.toUtf8();
    return MString(utf8.constData(), utf8.size());
}
