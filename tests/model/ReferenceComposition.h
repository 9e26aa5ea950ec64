#pragma once
// The straightforward composition of a camera's image: every step on whole
// frame-sized images in the order the document model defines it, with no
// tiles, masks or caches. The optimised composition must give exactly these
// pixels. Call it after GetFlattenedImage, which brings the stroke image up
// to date. Shared by the model tests and the model benchmark.

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "model/PixelSpan.h"
#include "raster/DrawUtil.h"
#include "raster/Stroke.h"

#include <QImage>
#include <QPainter>

namespace reference {

inline QImage Premultiplied()
{
    const int width = Settings::FINAL_IMAGE_WIDTH;
    QImage image(width, width, QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

inline void Blend(QImage& dst, const QImage& src, int opacity, bool premultiplied = false)
{
    if (src.isNull())
        return;
    for (int y = 0; y < dst.height(); ++y) {
        if (premultiplied)
            PixelSpan::BlendPremultiplied(dst.scanLine(y), src.constScanLine(y), dst.width(), opacity);
        else
            PixelSpan::BlendStraight(dst.scanLine(y), src.constScanLine(y), dst.width(), opacity);
    }
}

inline QImage Ghosts(Layer* active, bool previous)
{
    QImage ghosts = Premultiplied();
    const bool on = previous ? Settings::ghostPrev : Settings::ghostNext;
    const int count = previous ? Settings::ghostPrevCount : Settings::ghostNextCount;
    if (!on || count < 1)
        return ghosts;
    const float step = 0.4f / count;
    for (int n = count; n >= 1; --n)
        Blend(ghosts, active->GetImage(previous ? -n : n),
              PixelSpan::ToOpacity(0.4f - n * step + step));
    if (Settings::ghostColorOverride)
        for (int y = 0; y < ghosts.height(); ++y)
            PixelSpan::Recolor(ghosts.scanLine(y), ghosts.width(),
                               previous ? Settings::ghostColorOverridePrev
                                        : Settings::ghostColorOverrideNext);
    return ghosts;
}

// The active layer with the live stroke, before its opacity is applied.
inline QImage StrokeGroup(LayerManager& manager, Layer* layer, const Stroke& stroke)
{
    QImage group = Premultiplied();
    if (stroke.tool != TOOL_TRANSFORM) {
        Blend(group, layer->GetImage(0), 255);
        Blend(group, manager.GetStrokeImage(), 255);
        return group;
    }
    if (!stroke.region.isValid())
        return group;
    if (layer->IsVisible())
        Blend(group, manager.GetStrokeImage(), 255);
    QImage moved = Premultiplied();
    if (!manager.GetTransformImage().isNull()) {
        QPainter painter(&moved);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawUtil::DrawTransform(painter, stroke, manager.GetTransformImage());
    }
    Blend(group, moved, 255, true);
    return group;
}

// strokeShown: the camera is the one the active stroke was started for.
inline QImage Flatten(LayerManager& manager, const QString& camera, bool strokeShown)
{
    QImage result = Premultiplied();
    const QList<Layer*> layers = manager.GetLayers(camera);
    const int active = manager.GetActiveLayerIndex(camera);
    const bool playing = MayaUtil::IsPlaying();
    if (active >= 0 && !(Settings::disableGhostingDuringPlayback && playing)
        && (Settings::ghostPrev || Settings::ghostNext)) {
        const QImage previous = Ghosts(layers[active], true);
        QImage next = Ghosts(layers[active], false);
        for (int y = 0; y < next.height(); ++y)
            PixelSpan::DestinationOver(next.scanLine(y), previous.constScanLine(y), next.width());
        Blend(result, next, 255, true);
    }
    Stroke* stroke = manager.HasActiveStroke() ? manager.GetActiveStroke(camera, true) : nullptr;
    for (int i = 0; i < layers.size(); ++i) {
        const int opacity = PixelSpan::ToOpacity(layers[i]->GetOpacity());
        if (i == active && stroke && strokeShown && stroke->tool == TOOL_ERASER) {
            // The erased copy stands in for the layer's image.
            if (layers[i]->IsVisible())
                Blend(result, manager.GetStrokeImage(), opacity);
        } else if (i == active && stroke && strokeShown)
            Blend(result, StrokeGroup(manager, layers[i], *stroke), opacity, true);
        else
            Blend(result, layers[i]->GetImage(0), opacity);
    }
    QImage straight(result.size(), QImage::Format_RGBA8888);
    for (int y = 0; y < result.height(); ++y)
        PixelSpan::Unpremultiply(straight.scanLine(y), result.constScanLine(y), result.width());
    return straight;
}

} // namespace reference
