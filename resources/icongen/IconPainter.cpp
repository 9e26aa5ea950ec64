#include "IconPainter.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

namespace {

const QColor INK(224, 224, 224);
const QColor ACCENT(0, 200, 220);
const QColor WARN(230, 80, 70);
const QColor PREV(60, 170, 60);
const QColor NEXT(200, 70, 70);

QPen pen(const QColor& color, double width = 1.8)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(pen(INK, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void pencil(QPainter& p)
{
    QPainterPath body;
    body.moveTo(5, 19);
    body.lineTo(16, 8);
    body.lineTo(19, 11);
    body.lineTo(8, 22);
    body.lineTo(4, 23);
    body.closeSubpath();
    p.setPen(pen(INK));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.drawLine(QPointF(14, 10), QPointF(17, 13));
    p.setPen(pen(ACCENT, 2.2));
    p.drawLine(QPointF(17, 7), QPointF(20, 10));
}

void brush(QPainter& p)
{
    p.setPen(pen(INK));
    p.drawLine(QPointF(20, 3), QPointF(11, 13));
    QPainterPath tip;
    tip.moveTo(11, 12);
    tip.cubicTo(6, 12, 7, 18, 3, 21);
    tip.cubicTo(9, 22, 14, 19, 13, 14);
    tip.closeSubpath();
    p.setBrush(ACCENT);
    p.setPen(pen(ACCENT, 1.0));
    p.drawPath(tip);
}

void eraser(QPainter& p)
{
    QPainterPath block;
    block.moveTo(3, 15);
    block.lineTo(13, 5);
    block.lineTo(21, 13);
    block.lineTo(13, 21);
    block.lineTo(9, 21);
    block.closeSubpath();
    p.setPen(pen(INK));
    p.setBrush(Qt::NoBrush);
    p.drawPath(block);
    p.drawLine(QPointF(8, 10), QPointF(16, 18));
    p.drawLine(QPointF(9, 21), QPointF(21, 21));
}

void textTool(QPainter& p)
{
    p.setPen(pen(INK, 2.4));
    p.drawLine(QPointF(5, 5), QPointF(19, 5));
    p.drawLine(QPointF(12, 5), QPointF(12, 20));
    p.drawLine(QPointF(9, 20), QPointF(15, 20));
}

void line(QPainter& p)
{
    p.setPen(pen(INK, 2.2));
    p.drawLine(QPointF(4, 20), QPointF(20, 4));
}

void arrow(QPainter& p)
{
    p.setPen(pen(INK, 2.2));
    p.drawLine(QPointF(4, 20), QPointF(20, 4));
    p.drawLine(QPointF(20, 4), QPointF(12, 5));
    p.drawLine(QPointF(20, 4), QPointF(19, 12));
}

void ellipse(QPainter& p)
{
    p.setPen(pen(INK, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3, 6, 18, 12));
}

void rectangle(QPainter& p)
{
    p.setPen(pen(INK, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 6, 16, 12));
}

void drawContext(QPainter& p)
{
    page(p, QRectF(3, 3, 15, 18));
    p.save();
    p.translate(4, 0);
    pencil(p);
    p.restore();
}

void transformContext(QPainter& p)
{
    QPen dashed = pen(INK, 1.4);
    dashed.setStyle(Qt::DashLine);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 4, 16, 16));
    p.setPen(pen(ACCENT, 1.4));
    p.setBrush(ACCENT);
    for (const QPointF& c : {QPointF(4, 4), QPointF(20, 4), QPointF(4, 20), QPointF(20, 20)})
        p.drawRect(QRectF(c.x() - 1.5, c.y() - 1.5, 3, 3));
    p.drawLine(QPointF(12, 8), QPointF(12, 16));
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
}

void ghost(QPainter& p, bool next)
{
    const QColor color = next ? NEXT : PREV;
    const double shift = next ? 4 : -4;
    QColor faded = color;
    faded.setAlpha(110);
    p.setPen(pen(faded, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(7 + shift, 6, 10, 12));
    p.setPen(pen(INK, 1.8));
    p.drawEllipse(QRectF(7, 6, 10, 12));
    p.setPen(pen(color, 2.0));
    const double x = next ? 20 : 4;
    p.drawLine(QPointF(x, 12), QPointF(x - shift / 2, 9));
    p.drawLine(QPointF(x, 12), QPointF(x - shift / 2, 15));
}

void copy(QPainter& p)
{
    page(p, QRectF(3, 3, 12, 14));
    page(p, QRectF(9, 7, 12, 14));
}

void paste(QPainter& p)
{
    p.setPen(pen(INK, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4, 4, 14, 17), 1.5, 1.5);
    p.setBrush(INK);
    p.drawRect(QRectF(8, 3, 6, 3));
    p.setBrush(Qt::NoBrush);
    page(p, QRectF(11, 10, 10, 12));
}

void cut(QPainter& p)
{
    p.setPen(pen(INK, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3, 15, 6, 6));
    p.drawEllipse(QRectF(15, 15, 6, 6));
    p.drawLine(QPointF(8, 16), QPointF(17, 3));
    p.drawLine(QPointF(16, 16), QPointF(7, 3));
}

void deleteIcon(QPainter& p)
{
    p.setPen(pen(WARN, 2.4));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
}

void deleteLayer(QPainter& p)
{
    QPainterPath sheet;
    sheet.moveTo(2, 12);
    sheet.lineTo(11, 7);
    sheet.lineTo(20, 12);
    sheet.lineTo(11, 17);
    sheet.closeSubpath();
    p.setPen(pen(INK, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sheet);
    p.setPen(pen(WARN, 2.2));
    p.drawLine(QPointF(15, 15), QPointF(21, 21));
    p.drawLine(QPointF(21, 15), QPointF(15, 21));
}

void refresh(QPainter& p)
{
    p.setPen(pen(INK, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 5, 14, 14), 30 * 16, 300 * 16);
    p.drawLine(QPointF(19, 5), QPointF(19, 10));
    p.drawLine(QPointF(19, 10), QPointF(14, 10));
}

void insert(QPainter& p)
{
    page(p, QRectF(3, 3, 14, 18));
    p.setPen(pen(ACCENT, 2.2));
    p.drawLine(QPointF(17, 13), QPointF(17, 21));
    p.drawLine(QPointF(13, 17), QPointF(21, 17));
}

void duplicate(QPainter& p)
{
    page(p, QRectF(3, 3, 12, 14));
    page(p, QRectF(9, 7, 12, 14));
    p.setPen(pen(ACCENT, 2.0));
    p.drawLine(QPointF(15, 11), QPointF(15, 17));
    p.drawLine(QPointF(12, 14), QPointF(18, 14));
}

void eyedropper(QPainter& p)
{
    p.setPen(pen(INK, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(5, 19), QPointF(14, 10));
    p.drawLine(QPointF(4, 20), QPointF(5, 19));
    p.setBrush(INK);
    QPainterPath bulb;
    bulb.addEllipse(QRectF(14, 4, 6, 6));
    p.drawPath(bulb);
    p.drawLine(QPointF(12, 8), QPointF(16, 12));
    p.setPen(pen(ACCENT, 2.0));
    p.drawPoint(QPointF(4, 20));
}

// A layer seen at a slant, as a sheet in a stack.
void sheet(QPainter& p, double y, const QColor& color)
{
    QPainterPath path;
    path.moveTo(2, y);
    path.lineTo(9.5, y - 4);
    path.lineTo(17, y);
    path.lineTo(9.5, y + 4);
    path.closeSubpath();
    p.setPen(pen(color, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// Two sheets and an arrow beside them that points the way the layer goes.
void moveLayer(QPainter& p, bool up)
{
    sheet(p, 6.5, up ? ACCENT : INK);
    sheet(p, 17.5, up ? INK : ACCENT);
    p.setPen(pen(ACCENT, 2.0));
    const double tip = up ? 3 : 21;
    const double tail = up ? 21 : 3;
    const double head = up ? 3 : -3;
    p.drawLine(QPointF(20.5, tail), QPointF(20.5, tip));
    p.drawLine(QPointF(20.5, tip), QPointF(18, tip + head));
    p.drawLine(QPointF(20.5, tip), QPointF(23, tip + head));
}

void newLayer(QPainter& p)
{
    sheet(p, 13, INK);
    p.setPen(pen(ACCENT, 2.2));
    p.drawLine(QPointF(18, 14), QPointF(18, 22));
    p.drawLine(QPointF(14, 18), QPointF(22, 18));
}

using Painter = std::function<void(QPainter&)>;

const std::map<QString, Painter>& painters()
{
    static const std::map<QString, Painter> table = {
        {"line", line},
        {"ghost_next", [](QPainter& p) { ghost(p, true); }},
        {"ghost_prev", [](QPainter& p) { ghost(p, false); }},
        {"copy", copy},
        {"delete_layer", deleteLayer},
        {"transform_context_01", transformContext},
        {"ellipse", ellipse},
        {"draw_context_01", drawContext},
        {"arrow", arrow},
        {"eyedropper", eyedropper},
        {"eraser", eraser},
        {"pencil", pencil},
        {"paste", paste},
        {"cut", cut},
        {"refresh", refresh},
        {"insert", insert},
        {"brush", brush},
        {"delete", deleteIcon},
        {"text", textTool},
        {"duplicate", duplicate},
        {"rectangle", rectangle},
        {"move_layer_up", [](QPainter& p) { moveLayer(p, true); }},
        {"move_layer_down", [](QPainter& p) { moveLayer(p, false); }},
        {"new_layer", newLayer},
    };
    return table;
}

} // namespace

QStringList IconPainter::names()
{
    QStringList result;
    for (const auto& entry : painters())
        result << entry.first;
    return result;
}

QImage IconPainter::paint(const QString& name, int size)
{
    const auto found = painters().find(name);
    if (found == painters().end() || size <= 0)
        return QImage();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    found->second(painter);
    painter.end();
    return image;
}
