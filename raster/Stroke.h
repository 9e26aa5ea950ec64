#pragma once

#include "base/ToolType.h"
#include "raster/StrokePoint.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// The stroke being drawn: what the tools and the input thread fill in and
// what DrawUtil turns into pixels. The initial values are those of a fresh
// stroke before the first press is handled.
struct Stroke
{
    ToolType tool = TOOL_PENCIL;
    QColor color = QColor(255, 255, 255, 255);
    // Freehand: every point in order. Shapes: anchor and current end. Text: one.
    QList<StrokePoint> points;
    QString fontFamily;
    QString text;
    // Transform tool: selected region, translation, rotation in degrees and
    // scales (negative when flipped).
    QRect region;
    QPoint offset;
    float rotation = 0.0f;
    double scaleX = 1.0;
    double scaleY = 1.0;
    bool captureRegion = false;  // take the region from the frame at the next composition
    bool cut = false;
    bool copy = false;
    bool paste = false;          // the placed image is the paste buffer, not yet moved
    bool updated = false;        // raised by every change, lowered once composed
};
