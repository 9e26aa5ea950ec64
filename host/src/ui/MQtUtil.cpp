#include <maya/MQtUtil.h>

#include "ui/ControlRegistry.h"

#include <QByteArray>
#include <QWidget>

QWidget* MQtUtil::mainWindow()
{
    return nbhost::ControlRegistry::mainWindow();
}

QWidget* MQtUtil::findControl(const MString& controlName, const QWidget* parent)
{
    QWidget* control = nbhost::ControlRegistry::find(toQString(controlName));
    if (control && parent && control != parent && !parent->isAncestorOf(control))
        return nullptr;
    return control;
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
