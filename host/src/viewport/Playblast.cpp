#include "viewport/Playblast.h"

#include "time/TimeState.h"
#include "viewport/View3d.h"
#include "viewport/ViewPainter.h"
#include "viewport/ViewProjection.h"

#include <maya/MDagPath.h>

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include <cmath>

namespace nbhost {

QString Playblast::pattern(const Settings& settings)
{
    return settings.baseName + QLatin1Char('.') + QString(settings.padding, QLatin1Char('#')) + QLatin1Char('.')
           + settings.format;
}

QString Playblast::frameFile(const Settings& settings, double frame)
{
    const long number = std::lround(frame);
    const QString digits = QString::number(std::labs(number)).rightJustified(settings.padding, QLatin1Char('0'));
    return settings.baseName + QLatin1Char('.') + (number < 0 ? QStringLiteral("-") : QString()) + digits
           + QLatin1Char('.') + settings.format;
}

bool Playblast::run(View3d& view, TimeState& time, const Settings& settings, QString& error)
{
    MDagPath camera;
    if (!view.camera(camera)) {
        error = QStringLiteral("the view has no camera to look through");
        return false;
    }
    if (!QImageWriter::supportedImageFormats().contains(settings.format.toLatin1())) {
        error = QStringLiteral("image format '%1' is not supported").arg(settings.format);
        return false;
    }
    const int baseWidth = settings.width > 0 ? settings.width : view.portWidth();
    const int baseHeight = settings.height > 0 ? settings.height : view.portHeight();
    const int width = std::max(1, int(std::lround(baseWidth * settings.percent / 100.0)));
    const int height = std::max(1, int(std::lround(baseHeight * settings.percent / 100.0)));
    if (!settings.overwrite) {
        for (double frame : settings.frames) {
            if (QFileInfo::exists(frameFile(settings, frame))) {
                error = QStringLiteral("'%1' exists; use -forceOverwrite to replace it").arg(frameFile(settings, frame));
                return false;
            }
        }
    }
    const QString folder = QFileInfo(settings.baseName).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("cannot create the folder '%1'").arg(folder);
        return false;
    }
    ViewOptions options = view.viewOptions();
    options.resolutionGate = settings.ornaments;
    const MTime before = time.currentTime();
    bool ok = true;
    for (double frame : settings.frames) {
        time.setCurrentTime(MTime(frame, time.uiUnit()));
        const ViewProjection projection = ViewProjection::fromCamera(camera, width, height);
        const QImage image = ViewPainter::render(projection, options);
        const QString file = frameFile(settings, frame);
        if (!image.save(file, settings.format.toLatin1().constData())) {
            error = QStringLiteral("cannot write '%1'").arg(file);
            ok = false;
            break;
        }
    }
    time.setCurrentTime(before);
    return ok;
}

} // namespace nbhost
