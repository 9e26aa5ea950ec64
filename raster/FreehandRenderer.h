#pragma once

#include "base/ToolType.h"
#include "raster/CoverageGrid.h"
#include "raster/StrokePoint.h"

#include <QImage>
#include <QList>
#include <QRect>

class AlphaCanvas;

// Renders freehand strokes (pencil, brush, eraser) segment by segment into the
// alpha channel of a prepared stroke image, with its own coverage grid.
//
// Only the alpha byte of each pixel is read and written; the colour of the
// stroke is whatever the image holds already. Every operation returns the
// rectangle of pixels it may have changed, so that a caller can redraw only
// that part; the rectangle is empty when nothing inside the image was touched.
class FreehandRenderer
{
public:
    // Draws the segments from points[startIndex] on. Each segment takes the
    // width and opacity of its first point (and the opacity of its second for
    // the fade along it). Nothing is drawn for fewer than two points or when
    // startIndex is at or past the last point; a negative startIndex starts at
    // the beginning. Tools other than pencil, brush and eraser draw nothing.
    QRect DrawFreehand(QImage& image, const QList<StrokePoint>& points, int startIndex,
                       ToolType tool);

    // Pencil or eraser segment: a Bresenham walk that plots single pixels at
    // width 1 and lays a disc stamp every width/10 points (always on the first
    // point) at larger widths. The pencil raises alpha, the eraser clears it.
    QRect DrawSegment(QImage& image, int x0, int y0, int x1, int y1, int width,
                      float opacity0, float opacity1, ToolType tool);
    // Brush segment: a Wu walk in which every plotted pixel is an additive
    // cone stamp, capped by the local opacity. The stroke's first segment
    // (first set) also stamps its start point at full weight.
    QRect DrawSegmentBrush(QImage& image, int x0, int y0, int x1, int y1, int width,
                           float opacity0, float opacity1, bool first);

    CoverageGrid& Grid() { return grid; }
    const CoverageGrid& Grid() const { return grid; }

private:
    QRect DrawSegment(const AlphaCanvas& canvas, int x0, int y0, int x1, int y1, int width,
                      float opacity0, float opacity1, ToolType tool);
    QRect DrawSegmentBrush(const AlphaCanvas& canvas, int x0, int y0, int x1, int y1,
                           int width, float opacity0, float opacity1, bool first);
    QRect Stamp(const AlphaCanvas& canvas, int x, int y, int width, float opacity,
                ToolType tool);
    QRect StampBrush(const AlphaCanvas& canvas, int x, int y, int width, float weight,
                     float opacity);

    CoverageGrid grid;
};
