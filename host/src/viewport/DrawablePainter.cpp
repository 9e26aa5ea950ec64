#include "viewport/DrawablePainter.h"

#include <maya/MStateManager.h>
#include <maya/MUIDrawManager.h>

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <deque>

namespace nbhost {

namespace {

using MHWRender::MBlendState;
using MHWRender::MUIDrawManager;

QColor toQColor(const MColor& c)
{
    const auto channel = [](float v) { return std::clamp(double(v), 0.0, 1.0); };
    return QColor::fromRgbF(channel(c.r), channel(c.g), channel(c.b), channel(c.a));
}

QPen pen(const DrawableList::State& state)
{
    QPen result(toQColor(state.color), std::max(0.0f, state.lineWidth));
    result.setCapStyle(Qt::FlatCap);
    switch (state.lineStyle) {
    case MUIDrawManager::kShortDotted: result.setStyle(Qt::DotLine); break;
    case MUIDrawManager::kShortDashed:
    case MUIDrawManager::kDashed: result.setStyle(Qt::DashLine); break;
    case MUIDrawManager::kDotted: result.setStyle(Qt::DotLine); break;
    default: break;
    }
    return result;
}

QPointF flip(const QPointF& p, int viewHeight) { return QPointF(p.x(), viewHeight - p.y()); }

int scale(int value, float factor) { return std::clamp(int(value * factor + 0.5f), 0, 255); }

} // namespace

QImage DrawablePainter::tinted(const QImage& texture, const MColor& color, int channelMask)
{
    QImage source = texture.convertToFormat(QImage::Format_RGBA8888);
    QImage out(source.size(), QImage::Format_RGBA8888);
    const float r = std::clamp(color.r, 0.0f, 1.0f);
    const float g = std::clamp(color.g, 0.0f, 1.0f);
    const float b = std::clamp(color.b, 0.0f, 1.0f);
    const float a = std::clamp(color.a, 0.0f, 1.0f);
    for (int y = 0; y < source.height(); ++y) {
        const uchar* in = source.constScanLine(y);
        uchar* o = out.scanLine(y);
        for (int x = 0; x < source.width(); ++x, in += 4, o += 4) {
            o[0] = channelMask & MBlendState::kRedChannel ? scale(in[0], r) : 0;
            o[1] = channelMask & MBlendState::kGreenChannel ? scale(in[1], g) : 0;
            o[2] = channelMask & MBlendState::kBlueChannel ? scale(in[2], b) : 0;
            o[3] = channelMask & MBlendState::kAlphaChannel ? scale(in[3], a) : scale(255, a);
        }
    }
    return out.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
}

QImage DrawablePainter::paintable(const QImage& texture)
{
    if (texture.format() == QImage::Format_ARGB32_Premultiplied)
        return texture;
    // The last few textures by content: views repaint far more often than
    // their textures change.
    struct Entry
    {
        qint64 key;
        QImage image;
    };
    static std::deque<Entry> recent;
    const qint64 key = texture.cacheKey();
    for (const Entry& entry : recent)
        if (entry.key == key)
            return entry.image;
    recent.push_front(Entry{key, texture.convertToFormat(QImage::Format_ARGB32_Premultiplied)});
    if (recent.size() > 4)
        recent.pop_back();
    return recent.front().image;
}

void DrawablePainter::paint(QPainter& painter, const DrawableList& list, int viewHeight)
{
    for (const DrawableList::Primitive& p : list.primitives()) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        const QColor color = toQColor(p.state.color);
        switch (p.kind) {
        case DrawableList::Kind::Point: {
            const double size = std::max(1.0f, p.state.pointSize);
            const QPointF c = flip(p.a, viewHeight);
            painter.fillRect(QRectF(c.x() - size / 2, c.y() - size / 2, size, size), color);
            break;
        }
        case DrawableList::Kind::Line:
            painter.setPen(pen(p.state));
            painter.drawLine(flip(p.a, viewHeight), flip(p.b, viewHeight));
            break;
        case DrawableList::Kind::Rect: paintRect(painter, p, viewHeight); break;
        case DrawableList::Kind::Circle:
            painter.setPen(p.filled ? Qt::NoPen : pen(p.state));
            painter.setBrush(p.filled ? QBrush(color) : Qt::NoBrush);
            painter.drawEllipse(flip(p.a, viewHeight), p.sizeX, p.sizeX);
            break;
        case DrawableList::Kind::Text: paintText(painter, p, viewHeight); break;
        }
        painter.restore();
    }
}

void DrawablePainter::paintRect(QPainter& painter, const DrawableList::Primitive& p, int viewHeight)
{
    // Local frame: the rectangle spans -sizeX..sizeX and -sizeY..sizeY with
    // y up along `up`; the painter's y points down.
    const QPointF centre = flip(p.a, viewHeight);
    const double angle = qRadiansToDegrees(std::atan2(-p.b.x(), p.b.y()));
    painter.translate(centre);
    painter.rotate(-angle);
    const QRectF rect(-p.sizeX, -p.sizeY, 2.0 * p.sizeX, 2.0 * p.sizeY);
    if (!p.filled) {
        painter.setPen(pen(p.state));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
        return;
    }
    if (p.state.texture.isNull()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(rect, toQColor(p.state.color));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, p.state.linearFilter);
    const MColor& c = p.state.color;
    // A white colour only scales alpha: the painter's opacity does that
    // without a tinted copy (the common case of an overlay with opacity).
    if (c.r >= 1.0f && c.g >= 1.0f && c.b >= 1.0f && p.state.textureMask == 0xF) {
        painter.setOpacity(std::clamp(double(c.a), 0.0, 1.0));
        painter.drawImage(rect, paintable(p.state.texture));
        return;
    }
    painter.drawImage(rect, tinted(p.state.texture, c, p.state.textureMask));
}

void DrawablePainter::paintText(QPainter& painter, const DrawableList::Primitive& p, int viewHeight)
{
    QFont font = painter.font();
    if (!p.state.fontName.isEmpty())
        font.setFamily(p.state.fontName);
    font.setPixelSize(std::max(1, p.state.fontSize));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(p.text);
    const QPointF anchor = flip(p.a, viewHeight);
    double left = anchor.x();
    if (p.alignment == MUIDrawManager::kCenter)
        left -= width / 2.0;
    else if (p.alignment == MUIDrawManager::kRight)
        left -= width;
    if (p.hasBackground) {
        const double bw = std::max<double>(p.backgroundWidth, width);
        const double bh = std::max<double>(p.backgroundHeight, metrics.height());
        painter.fillRect(QRectF(left, anchor.y() - bh, bw, bh), toQColor(p.backgroundColor));
    }
    painter.setPen(toQColor(p.state.color));
    painter.drawText(QPointF(left, anchor.y() - metrics.descent()), p.text);
}

} // namespace nbhost
