#include "raster/SegmentClip.h"

#include <algorithm>
#include <cmath>

bool SegmentClip::Fit(Segment& segment, const QRect& canvas, double margin, bool roundEnds)
{
    if (!std::isfinite(segment.x0) || !std::isfinite(segment.y0)
        || !std::isfinite(segment.x1) || !std::isfinite(segment.y1))
        return false;
    if (IsNear(segment, canvas))
        return true;
    const double left = canvas.left() - margin;
    const double top = canvas.top() - margin;
    const double right = canvas.right() + margin;
    const double bottom = canvas.bottom() + margin;
    if (!Clip(segment, left, top, right, bottom))
        return false;
    if (roundEnds) {
        segment.x0 = std::round(segment.x0);
        segment.y0 = std::round(segment.y0);
        segment.x1 = std::round(segment.x1);
        segment.y1 = std::round(segment.y1);
    }
    return true;
}

bool SegmentClip::IsNear(const Segment& segment, const QRect& canvas)
{
    const double left = double(canvas.left()) - WALK_LIMIT;
    const double top = double(canvas.top()) - WALK_LIMIT;
    const double right = double(canvas.right()) + WALK_LIMIT;
    const double bottom = double(canvas.bottom()) + WALK_LIMIT;
    auto inside = [&](double x, double y) {
        return x >= left && x <= right && y >= top && y <= bottom;
    };
    return inside(segment.x0, segment.y0) && inside(segment.x1, segment.y1);
}

// Liang-Barsky: narrows the parameter range [t0, t1] of the segment to the
// part inside the box, then moves both ends there.
bool SegmentClip::Clip(Segment& segment, double left, double top, double right, double bottom)
{
    const double dx = segment.x1 - segment.x0;
    const double dy = segment.y1 - segment.y0;
    double t0 = 0.0;
    double t1 = 1.0;
    // Keeps the part where p * t <= q.
    auto edge = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!edge(-dx, segment.x0 - left) || !edge(dx, right - segment.x0)
        || !edge(-dy, segment.y0 - top) || !edge(dy, bottom - segment.y0))
        return false;

    const Segment original = segment;
    const float opacityStep = original.opacity1 - original.opacity0;
    segment.x0 = original.x0 + t0 * dx;
    segment.y0 = original.y0 + t0 * dy;
    segment.x1 = original.x0 + t1 * dx;
    segment.y1 = original.y0 + t1 * dy;
    segment.opacity0 = original.opacity0 + opacityStep * float(t0);
    segment.opacity1 = original.opacity0 + opacityStep * float(t1);
    return true;
}
