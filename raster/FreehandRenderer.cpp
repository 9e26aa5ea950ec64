#include "raster/FreehandRenderer.h"

#include "raster/AlphaCanvas.h"
#include "raster/SegmentClip.h"
#include "raster/WuLine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

int ClampWidth(int width)
{
    return std::clamp(width, 1, CoverageGrid::MAX_STAMP_SIZE);
}

// An end of a brush segment in walk space: along the major axis and across it.
struct WalkEnd
{
    int major;
    int minor;
    float opacity;
};

} // namespace

QRect FreehandRenderer::DrawFreehand(QImage& image, const QList<StrokePoint>& points,
                                     int startIndex, ToolType tool)
{
    const int count = points.size();
    if (count < 2 || startIndex >= count - 1)
        return QRect();
    if (tool != TOOL_PENCIL && tool != TOOL_BRUSH && tool != TOOL_ERASER)
        return QRect();
    const AlphaCanvas canvas(image);
    QRect touched;
    for (int i = std::max(startIndex, 0); i <= count - 2; ++i) {
        const StrokePoint& p0 = points.at(i);
        const QPoint a = p0.position;
        const QPoint b = points.at(i + 1).position;
        const float opacity1 = points.at(i + 1).opacity;
        const int width = ClampWidth(p0.width);
        if (tool == TOOL_BRUSH && width == 1)
            touched |= drawLineWu(canvas, a.x(), a.y(), b.x(), b.y(), p0.opacity);
        else if (tool == TOOL_BRUSH)
            touched |= DrawSegmentBrush(canvas, a.x(), a.y(), b.x(), b.y(), width, p0.opacity,
                                        opacity1, i == 0);
        else
            touched |= DrawSegment(canvas, a.x(), a.y(), b.x(), b.y(), width, p0.opacity,
                                   opacity1, tool);
    }
    return touched;
}

QRect FreehandRenderer::DrawSegment(QImage& image, int x0, int y0, int x1, int y1, int width,
                                    float opacity0, float opacity1, ToolType tool)
{
    return DrawSegment(AlphaCanvas(image), x0, y0, x1, y1, width, opacity0, opacity1, tool);
}

QRect FreehandRenderer::DrawSegmentBrush(QImage& image, int x0, int y0, int x1, int y1,
                                         int width, float opacity0, float opacity1, bool first)
{
    return DrawSegmentBrush(AlphaCanvas(image), x0, y0, x1, y1, width, opacity0, opacity1,
                            first);
}

QRect FreehandRenderer::DrawSegment(const AlphaCanvas& canvas, int x0, int y0, int x1, int y1,
                                    int width, float opacity0, float opacity1, ToolType tool)
{
    if (!canvas.IsValid())
        return QRect();
    width = ClampWidth(width);
    const int half = (width + 1) / 2;
    Segment segment{double(x0), double(y0), double(x1), double(y1),
                    AlphaCanvas::ClampUnit(opacity0), AlphaCanvas::ClampUnit(opacity1)};
    if (!SegmentClip::Fit(segment, canvas.Bounds(), half + 2, true))
        return QRect();
    x0 = int(segment.x0);
    y0 = int(segment.y0);
    x1 = int(segment.x1);
    y1 = int(segment.y1);

    const int dx = std::abs(x1 - x0);
    const int dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = (dx > dy ? dx : -dy) / 2;
    // The opacity fades from end to end, one step per move along either axis.
    float opacity = segment.opacity0;
    const float step = dx + dy == 0 ? 0.0f : (segment.opacity1 - segment.opacity0) / (dx + dy);
    // Large stamps overlap so much that every tenth of the width is enough.
    const int spacing = static_cast<int>(width * 0.1);
    int counter = spacing;  // so the first point is always stamped

    QRect touched;
    int x = x0;
    int y = y0;
    for (;;) {
        if (width <= 1 && canvas.Contains(x, y)) {
            if (tool == TOOL_ERASER)
                canvas.Alpha(x, y) = 0;
            else
                canvas.Raise(x, y, AlphaCanvas::ToByte(opacity));
            touched |= QRect(x, y, 1, 1);
        } else if (width > 1 && ++counter >= spacing) {
            touched |= Stamp(canvas, x, y, width, opacity, tool);
            counter = 0;
        }
        if (x == x1 && y == y1)
            break;
        const int e2 = err;
        if (e2 > -dx) {
            err -= dy;
            x += sx;
            opacity += step;
        }
        if (e2 < dy) {
            err += dx;
            y += sy;
            opacity += step;
        }
    }
    return touched;
}

// A pencil or eraser disc centred on (x, y), laid over columns
// x - half - 1 .. x + half and the same rows.
QRect FreehandRenderer::Stamp(const AlphaCanvas& canvas, int x, int y, int width, float opacity,
                              ToolType tool)
{
    const int half = (width + 1) / 2;
    if (x + half < 0 || y + half < 0 || x - half - 1 >= canvas.Width()
        || y - half - 1 >= canvas.Height())
        return QRect();
    grid.Ensure(0.0f, width * 0.5f, opacity, tool);
    if (tool == TOOL_ERASER)
        return grid.EraseGrid(canvas, x - half, x + half + 1, y - half, y + half + 1);
    return grid.PlotGrid(canvas, x - half, x + half + 1, y - half, y + half + 1);
}

QRect FreehandRenderer::DrawSegmentBrush(const AlphaCanvas& canvas, int x0, int y0, int x1,
                                         int y1, int width, float opacity0, float opacity1,
                                         bool first)
{
    if (!canvas.IsValid())
        return QRect();
    width = ClampWidth(width);
    opacity0 = AlphaCanvas::ClampUnit(opacity0);
    opacity1 = AlphaCanvas::ClampUnit(opacity1);
    QRect touched;
    if (first)
        touched |= StampBrush(canvas, x0, y0, width, opacity0, opacity0);

    Segment segment{double(x0), double(y0), double(x1), double(y1), opacity0, opacity1};
    if (!SegmentClip::Fit(segment, canvas.Bounds(), width * 0.5 + 3.0, true))
        return touched;
    x0 = int(segment.x0);
    y0 = int(segment.y0);
    x1 = int(segment.x1);
    y1 = int(segment.y1);
    opacity0 = segment.opacity0;
    opacity1 = segment.opacity1;

    const bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
    WalkEnd a{steep ? y0 : x0, steep ? x0 : y0, opacity0};
    WalkEnd b{steep ? y1 : x1, steep ? x1 : y1, opacity1};
    if (b.major < a.major)
        std::swap(a, b);
    if (a.major == b.major)
        return touched;  // the ends coincide: only the first stamp

    auto stampAt = [&](int major, int minor, float weight, float opacity) {
        touched |= steep ? StampBrush(canvas, minor, major, width, weight, opacity)
                         : StampBrush(canvas, major, minor, width, weight, opacity);
    };
    // Wu's end-point gap is one half for whole coordinates.
    stampAt(a.major, a.minor, 0.5f, a.opacity);
    stampAt(b.major, b.minor, 0.5f, b.opacity);

    const double ex = x1 - x0;
    const double ey = y1 - y0;
    const float length = float(std::sqrt(ex * ex + ey * ey));
    const bool fading = opacity1 != opacity0 && length > 0.0f;
    const float gradient = float(b.minor - a.minor) / float(b.major - a.major);
    float intery = a.minor + gradient;
    for (int m = a.major + 1; m <= b.major - 1; ++m) {
        const int n = ipart_(intery);
        float opacity = opacity0;
        if (fading) {
            // Opacity by distance from the segment's first point.
            const double px = (steep ? n : m) - x0;
            const double py = (steep ? m : n) - y0;
            const float d = float(std::sqrt(px * px + py * py));
            opacity = std::clamp(opacity0 + (opacity1 - opacity0) * d / length, 0.0f, 1.0f);
        }
        stampAt(m, n, rfpart_(intery), opacity);
        stampAt(m, n + 1, fpart_(intery), opacity);
        intery += gradient;
    }
    return touched;
}

// A brush cone centred on (x, y). Brushes below 20 pixels get a cone one
// pixel wider at 0.4 of the opacity, which keeps small strokes soft; the
// stamp window keeps the stroke's own radius either way.
QRect FreehandRenderer::StampBrush(const AlphaCanvas& canvas, int x, int y, int width,
                                   float weight, float opacity)
{
    const float radius = width * 0.5f;
    if (!(weight > 0.0f) || !CoverageGrid::Reaches(canvas, x, y, radius))
        return QRect();
    const bool small = width < 20;
    grid.Ensure(0.0f, small ? radius + 1.0f : radius, small ? 0.4f * opacity : opacity,
                TOOL_BRUSH);
    return grid.PlotAdditiveBrush(canvas, x, y, radius, weight, opacity);
}
