#include "raster/DrawUtil.h"

#include "base/ImageSize.h"
#include "raster/AlphaCanvas.h"
#include "raster/FreehandRenderer.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// Arrow heads turn 36 degrees off the shaft.
const float ARROW_HEAD_ANGLE = 0.6283185f;
const float ARROW_HEAD_MAX_LENGTH = 40.0f;
const float ARROW_FULL_HEAD_SHAFT = 200.0f;
// Width of the frame drawn around text being typed.
const int TEXT_FRAME_WIDTH = 2;
// Beyond these (in frame widths), pens, fonts and transformed images only cost
// time and memory: the frame cannot show more.
const int MAX_PEN_WIDTH_FRAMES = 2;
const int MAX_TEXT_SIZE_FRAMES = 1;
const double MAX_TRANSFORMED_FRAMES = 64.0;

void StartPainter(QPainter& painter)
{
    // Qt's high-quality antialiasing hint is obsolete and ignored; plain
    // antialiasing gives the same result.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace

FreehandRenderer& DrawUtil::Renderer()
{
    static FreehandRenderer renderer;
    return renderer;
}

QRect DrawUtil::DrawFreehand(QImage& image, const QList<StrokePoint>& points, int startIndex,
                             ToolType tool)
{
    return Renderer().DrawFreehand(image, points, startIndex, tool);
}

void DrawUtil::DrawStroke(QImage& image, const Stroke& stroke, bool preview)
{
    if (image.isNull())
        return;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    StartPainter(painter);
    switch (stroke.tool) {
    case TOOL_TEXT:
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        DrawTextString(painter, stroke.points, stroke.color, stroke.fontFamily, stroke.text,
                       preview);
        break;
    case TOOL_LINE:
        DrawLine(painter, stroke.points, stroke.color);
        break;
    case TOOL_ARROW:
        DrawArrow(painter, stroke.points, stroke.color);
        break;
    case TOOL_ELLIPSE:
        DrawEllipse(painter, stroke.points, stroke.color);
        break;
    case TOOL_RECTANGLE:
        DrawRectangle(painter, stroke.points, stroke.color);
        break;
    default:
        break;
    }
    painter.end();
}

QColor DrawUtil::PenColor(const QColor& color, float opacity)
{
    return QColor(color.red(), color.green(), color.blue(), AlphaCanvas::ToByte(opacity));
}

bool DrawUtil::SetShapePen(QPainter& painter, const QList<StrokePoint>& points,
                           const QColor& color, bool roundCap)
{
    if (points.size() < 2)
        return false;
    const StrokePoint& first = points.at(0);
    QPen pen = painter.pen();
    const int maxWidth = MAX_PEN_WIDTH_FRAMES * FRAME_IMAGE_SIDE;
    pen.setWidth(std::clamp(first.width, 0, maxWidth));
    pen.setColor(PenColor(color, first.opacity));
    if (roundCap)
        pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    return true;
}

void DrawUtil::DrawLine(QPainter& painter, const QList<StrokePoint>& points, const QColor& color)
{
    if (SetShapePen(painter, points, color, true))
        painter.drawLine(points.at(0).position, points.at(1).position);
}

void DrawUtil::DrawArrow(QPainter& painter, const QList<StrokePoint>& points,
                         const QColor& color)
{
    if (!SetShapePen(painter, points, color, true))
        return;
    const QPoint from = points.at(0).position;
    const QPoint to = points.at(1).position;
    painter.drawLine(from, to);
    painter.drawLine(to, GetArrowHeadPoint(from, to, ARROW_HEAD_ANGLE));
    painter.drawLine(to, GetArrowHeadPoint(from, to, -ARROW_HEAD_ANGLE));
}

QPoint DrawUtil::GetArrowHeadPoint(const QPoint& from, const QPoint& to, float angle)
{
    // v points back along the shaft, from the tip.
    const float vx = float(from.x()) - float(to.x());
    const float vy = float(from.y()) - float(to.y());
    const float length = std::sqrt(vx * vx + vy * vy);
    if (!(length > 0.0f) || !std::isfinite(angle))
        return to;
    const float head = length >= ARROW_FULL_HEAD_SHAFT
                           ? ARROW_HEAD_MAX_LENGTH
                           : length / ARROW_FULL_HEAD_SHAFT * ARROW_HEAD_MAX_LENGTH;
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float rx = c * vx - s * vy;
    const float ry = c * vy + s * vx;
    const float turned = std::sqrt(rx * rx + ry * ry);
    return QPoint(static_cast<int>(to.x() + head * (rx / turned)),
                  static_cast<int>(to.y() + head * (ry / turned)));
}

// Ellipse and rectangle take the two points as top-left and bottom-right
// corners as they come, without normalising.
void DrawUtil::DrawEllipse(QPainter& painter, const QList<StrokePoint>& points,
                           const QColor& color)
{
    if (SetShapePen(painter, points, color, false))
        painter.drawEllipse(QRect(points.at(0).position, points.at(1).position));
}

void DrawUtil::DrawRectangle(QPainter& painter, const QList<StrokePoint>& points,
                             const QColor& color)
{
    if (SetShapePen(painter, points, color, false))
        painter.drawRect(QRect(points.at(0).position, points.at(1).position));
}

void DrawUtil::DrawTextString(QPainter& painter, const QList<StrokePoint>& points,
                              const QColor& color, const QString& fontFamily,
                              const QString& text, bool preview)
{
    // Fonts exist only in a GUI application; without one there is no text.
    const bool fonts = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (points.isEmpty() || !fonts)
        return;
    const StrokePoint& first = points.at(0);
    QPen pen = painter.pen();
    pen.setColor(PenColor(color, first.opacity));
    painter.setPen(pen);
    QFont font(fontFamily);
    const int maxSize = MAX_TEXT_SIZE_FRAMES * FRAME_IMAGE_SIDE;
    font.setPointSize(std::clamp(first.width, 1, maxSize));
    painter.setFont(font);

    const int side = FRAME_IMAGE_SIDE;
    QRect bounds;
    painter.drawText(QRect(first.position, QSize(side, side)), Qt::AlignLeft,
                     text.isEmpty() ? QStringLiteral(" ") : text, &bounds);
    if (!preview)
        return;
    const int w = TEXT_FRAME_WIDTH;
    pen.setWidth(w);
    painter.setPen(pen);
    painter.drawRect(bounds.adjusted(-2 * w, -w, 2 * w, 2 * w));
}

void DrawUtil::DrawTransform(QPainter& painter, const Stroke& stroke, const QImage& image)
{
    if (image.isNull())
        return;
    const QRect& region = stroke.region;
    if (stroke.paste) {
        painter.drawImage(region.topLeft() + stroke.offset, image);
        return;
    }
    if (!std::isfinite(stroke.rotation) || !std::isfinite(stroke.scaleX)
        || !std::isfinite(stroke.scaleY))
        return;
    // Scale first, then rotate.
    QTransform matrix;
    matrix.rotate(stroke.rotation);
    matrix.scale(stroke.scaleX, stroke.scaleY);

    const QRectF bounds = matrix.mapRect(QRectF(image.rect()));
    const double frameArea = double(FRAME_IMAGE_SIDE) * FRAME_IMAGE_SIDE;
    if (bounds.width() * bounds.height() > MAX_TRANSFORMED_FRAMES * frameArea) {
        DrawHugeTransform(painter, stroke, matrix, image);
        return;
    }
    const QImage result = image.transformed(matrix, Qt::SmoothTransformation);
    if (result.isNull())
        return;
    const int left = region.left() + region.width() / 2 - result.width() / 2 + stroke.offset.x();
    const int top = region.top() + region.height() / 2 - result.height() / 2 + stroke.offset.y();
    painter.drawImage(QPoint(left, top), result);
}

// A result too large to transform into an image of its own is painted
// through the painter's matrix, centred the same way, and only the part of
// the source that lands on the device is drawn, which keeps the painter's
// coordinates small.
void DrawUtil::DrawHugeTransform(QPainter& painter, const Stroke& stroke,
                                 const QTransform& matrix, const QImage& image)
{
    const QRect& region = stroke.region;
    if (painter.device() == nullptr)
        return;
    const QPointF centre(region.left() + region.width() / 2 + stroke.offset.x(),
                         region.top() + region.height() / 2 + stroke.offset.y());
    const QTransform toDevice =
        QTransform::fromTranslate(-image.width() / 2.0, -image.height() / 2.0) * matrix
        * QTransform::fromTranslate(centre.x(), centre.y()) * painter.worldTransform();
    bool invertible = false;
    const QTransform fromDevice = toDevice.inverted(&invertible);
    if (!invertible)
        return;
    const QRectF device(0, 0, painter.device()->width(), painter.device()->height());
    const QRectF visible = fromDevice.mapRect(device).adjusted(-1, -1, 1, 1)
                               .intersected(QRectF(image.rect()));
    if (visible.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setWorldTransform(toDevice);
    painter.drawImage(visible, image, visible);
    painter.restore();
}
