#include "base/MayaUtil.h"

// The host's controls that the plug-in's panels embed.

#include <maya/MQtUtil.h>

#include <QWidget>

#include <cmath>

// --- Colour slider control --------------------------------------------------

QWidget* MayaUtil::CreateColorSliderGrp(const QString& name, int width, int height)
{
    MString created;
    const QString command = QStringLiteral("colorSliderGrp -columnWidth3 0 %1 0 %2").arg(Num(width), name);
    if (!ExecuteMelStringResult(ToMString(command), created))
        return nullptr;
    QWidget* control = MQtUtil::findControl(ToMString(name));
    if (!control)
        return nullptr;
    if (QWidget* slider = control->findChild<QWidget*>(QStringLiteral("slider")))
        slider->hide();
    control->setFixedWidth(width);
    if (QWidget* port = control->findChild<QWidget*>(QStringLiteral("port")))
        port->setFixedHeight(height);
    return control;
}

void MayaUtil::SetColorSliderGrpColor(const QString& name, const QColor& color)
{
    ExecuteMel(QStringLiteral("colorSliderGrp -e -rgbValue %1 %2 %3 %4")
                   .arg(Number(color.redF()), Number(color.greenF()), Number(color.blueF()), name));
}

QColor MayaUtil::GetColorSliderGrpColor(const QString& name)
{
    MDoubleArray rgb;
    if (!ExecuteMelDoubleArrayResult(QStringLiteral("colorSliderGrp -q -rgbValue %1").arg(name), rgb)
        || rgb.length() < 3)
        return QColor();
    const auto channel = [&rgb](unsigned int i) {
        return qBound(0, static_cast<int>(std::lround(rgb[i] * 255.0)), 255);
    };
    return QColor(channel(0), channel(1), channel(2), 255);
}

void MayaUtil::SetColorSliderGrpChangeCommand(const QString& name, const QString& command)
{
    ExecuteMel(QStringLiteral("colorSliderGrp -e -changeCommand %1 %2").arg(QuoteString(command), name));
}
