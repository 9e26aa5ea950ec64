#pragma once

#include <QRect>

// A stroke segment with the opacity at each end.
struct Segment
{
    double x0;
    double y0;
    double x1;
    double y1;
    float opacity0;
    float opacity1;
};

// Keeps point-by-point walks of stroke segments bounded.
//
// Points reach the renderer from the pointer and may lie far outside the image
// (a zoomed view) or be garbage. Segments whose ends lie within WALK_LIMIT
// pixels of the canvas are walked as they are, pixel for pixel, so the result
// is the same as on an unbounded image. Farther ends are first moved along
// the segment onto the canvas grown by a margin that covers the stamp, so a
// segment of any length costs no more than one across that area.
class SegmentClip
{
public:
    static constexpr int WALK_LIMIT = 1 << 15;

    // Prepares the segment for a walk. Moved ends are rounded to whole pixels
    // when roundEnds is set, and their opacities follow linearly. Returns false
    // when nothing of the segment comes within the margin of the canvas, or a
    // coordinate is not finite.
    static bool Fit(Segment& segment, const QRect& canvas, double margin, bool roundEnds);

private:
    static bool IsNear(const Segment& segment, const QRect& canvas);
    static bool Clip(Segment& segment, double left, double top, double right, double bottom);
};
