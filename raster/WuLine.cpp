#include "raster/WuLine.h"

#include "raster/AlphaCanvas.h"
#include "raster/SegmentClip.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace {

// Truncates to int, holding values beyond the int range (and NaN) inside it.
int ToInt(double value)
{
    if (!(value > double(INT_MIN)))
        return INT_MIN;
    if (value >= double(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

// Plots in line space: x along the major axis, y across it.
class WuPlotter
{
public:
    WuPlotter(const AlphaCanvas& canvas, float opacity, bool steep)
        : canvas(canvas), opacity(opacity), steep(steep)
    {
    }

    void operator()(int x, int y, float coverage)
    {
        if (steep)
            std::swap(x, y);
        const unsigned char value = AlphaCanvas::ToByte(coverage * opacity);
        if (value == 0 || !canvas.Contains(x, y))
            return;
        canvas.Raise(x, y, value);
        touched |= QRect(x, y, 1, 1);
    }

    QRect Touched() const { return touched; }

private:
    const AlphaCanvas& canvas;
    float opacity;
    bool steep;
    QRect touched;
};

} // namespace

int ipart_(float x)
{
    return ToInt(std::floor(x));
}

int round_(float x)
{
    return ToInt(std::floor(x + 0.5f));
}

float fpart_(float x)
{
    return x - std::floor(x);
}

float rfpart_(float x)
{
    return 1.0f - fpart_(x);
}

void plot_(QImage& image, int x, int y, float coverage)
{
    AlphaCanvas(image).Raise(x, y, AlphaCanvas::ToByte(coverage));
}

QRect drawLineWu(QImage& image, float x0, float y0, float x1, float y1, float opacity)
{
    return drawLineWu(AlphaCanvas(image), x0, y0, x1, y1, opacity);
}

QRect drawLineWu(const AlphaCanvas& canvas, float x0, float y0, float x1, float y1,
                 float opacity)
{
    if (!canvas.IsValid())
        return QRect();
    QRect touched;
    // The start pixel at full coverage, so that a dot shows even where the
    // end-point weights below are small.
    const int startX = ToInt(x0);
    const int startY = ToInt(y0);
    if (canvas.Contains(startX, startY)) {
        canvas.Raise(startX, startY, AlphaCanvas::ToByte(opacity));
        touched = QRect(startX, startY, 1, 1);
    }

    Segment segment{x0, y0, x1, y1, opacity, opacity};
    if (!SegmentClip::Fit(segment, canvas.Bounds(), 2.0, false))
        return touched;
    x0 = float(segment.x0);
    y0 = float(segment.y0);
    x1 = float(segment.x1);
    y1 = float(segment.y1);

    const bool steep = std::fabs(y1 - y0) > std::fabs(x1 - x0);
    if (steep) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const float dx = x1 - x0;
    if (dx == 0.0f)
        return touched;  // both ends coincide: only the start pixel
    const float gradient = (y1 - y0) / dx;
    WuPlotter plot(canvas, opacity, steep);

    // First end point.
    int xend = round_(x0);
    float yend = y0 + gradient * (float(xend) - x0);
    float xgap = rfpart_(x0 + 0.5f);
    const int xpxl1 = xend;
    const int ypxl1 = ipart_(yend);
    plot(xpxl1, ypxl1, rfpart_(yend) * xgap);
    plot(xpxl1, ypxl1 + 1, fpart_(yend) * xgap);
    float intery = yend + gradient;

    // Second end point.
    xend = round_(x1);
    yend = y1 + gradient * (float(xend) - x1);
    xgap = fpart_(x1 + 0.5f);
    const int xpxl2 = xend;
    const int ypxl2 = ipart_(yend);
    plot(xpxl2, ypxl2, rfpart_(yend) * xgap);
    plot(xpxl2, ypxl2 + 1, fpart_(yend) * xgap);

    for (int x = xpxl1 + 1; x <= xpxl2 - 1; ++x) {
        plot(x, ipart_(intery), rfpart_(intery));
        plot(x, ipart_(intery) + 1, fpart_(intery));
        intery += gradient;
    }
    return touched | plot.Touched();
}
