#pragma once

#include "raster/StrokePoint.h"

#include <QGuiApplication>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <memory>

namespace rastertest {

const int SIDE = 1024;

// A frame-sized stroke image: the colour everywhere, at the given alpha.
inline QImage Frame(QColor color = QColor(10, 20, 30), int alpha = 0)
{
    QImage image(SIDE, SIDE, QImage::Format_RGBA8888);
    color.setAlpha(alpha);
    image.fill(color);
    return image;
}

inline int Alpha(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)); }

inline void SetAlpha(QImage& image, int x, int y, int alpha)
{
    image.scanLine(y)[x * 4 + 3] = static_cast<uchar>(alpha);
}

// Bounding rectangle of the pixels that differ from `base` (by default, of
// the pixels with non-zero alpha).
inline QRect ChangedBounds(const QImage& image, const QImage& base = QImage())
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (base.isNull() ? Alpha(image, x, y) != 0 : base.pixel(x, y) != image.pixel(x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline int MaxAlpha(const QImage& image)
{
    int result = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            result = std::max(result, Alpha(image, x, y));
    return result;
}

inline StrokePoint Point(int x, int y, int width = 6, float opacity = 1.0f)
{
    return StrokePoint{width, opacity, 1.0f, QPoint(x, y)};
}

// Fonts need a GUI application; it lives as long as this object.
class ScopedGuiApplication
{
public:
    ScopedGuiApplication()
    {
        if (QGuiApplication::instance() != nullptr)
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_raster";
        static char* argv[] = {name, nullptr};
        app.reset(new QGuiApplication(argc, argv));
    }

private:
    std::unique_ptr<QGuiApplication> app;
};

} // namespace rastertest
