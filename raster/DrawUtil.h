#pragma once

#include "base/ToolType.h"
#include "raster/Stroke.h"
#include "raster/StrokePoint.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class FreehandRenderer;
class QPainter;
class QTransform;

// Turns strokes into pixels of frame-sized images (RGBA8888, not
// premultiplied) and packs images into PNG bytes and back.
//
// Freehand tools are rendered incrementally into the alpha channel of a
// prepared stroke image by one process-wide FreehandRenderer (GUI thread
// only); the freehand functions return the rectangle of pixels they may have
// changed. Shape and text tools are redrawn whole with an antialiasing
// painter. A transform stroke draws a moved, rotated and scaled image.
class DrawUtil
{
public:
    // Freehand strokes (see FreehandRenderer).
    static QRect DrawFreehand(QImage& image, const QList<StrokePoint>& points, int startIndex,
                              ToolType tool);

    // Clears the image and draws a text, line, arrow, ellipse or rectangle
    // stroke; other tools leave it transparent. preview adds the frame that
    // surrounds text while it is typed.
    static void DrawStroke(QImage& image, const Stroke& stroke, bool preview);

    // Shape outlines in the pen of the first point; fewer than two points
    // draw nothing, points past the second are ignored.
    static void DrawLine(QPainter& painter, const QList<StrokePoint>& points, const QColor& color);
    static void DrawArrow(QPainter& painter, const QList<StrokePoint>& points,
                          const QColor& color);
    static void DrawEllipse(QPainter& painter, const QList<StrokePoint>& points,
                            const QColor& color);
    static void DrawRectangle(QPainter& painter, const QList<StrokePoint>& points,
                              const QColor& color);
    // End of one head stroke of an arrow from `from` to `to`, turned by angle
    // radians from the shaft: a fifth of the shaft, at most 40 pixels.
    static QPoint GetArrowHeadPoint(const QPoint& from, const QPoint& to, float angle);
    // Text with its top-left corner on the first point, at the point size
    // given by the first point's width. An empty text is laid out as a space,
    // so that the preview frame still shows where typing goes.
    static void DrawTextString(QPainter& painter, const QList<StrokePoint>& points,
                               const QColor& color, const QString& fontFamily,
                               const QString& text, bool preview);

    // Draws the image moved by the stroke's offset from its region; unless it
    // is a fresh paste, also scaled, rotated and centred on the moved region.
    static void DrawTransform(QPainter& painter, const Stroke& stroke, const QImage& image);

private:
    // One renderer for the process: strokes are drawn on the GUI thread only.
    static FreehandRenderer& Renderer();
    static QColor PenColor(const QColor& color, float opacity);
    // Sets the pen of a shape from its first point; false for fewer than two points.
    static bool SetShapePen(QPainter& painter, const QList<StrokePoint>& points,
                            const QColor& color, bool roundCap);
    static void DrawHugeTransform(QPainter& painter, const Stroke& stroke,
                                  const QTransform& matrix, const QImage& image);
};
