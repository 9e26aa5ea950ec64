#include "model/CameraComposer.h"

#include "model/PixelSpan.h"

#include <cstring>

namespace {

const int TILE = TileMask::TILE;
const int TILE_BYTES = TILE * 4;

// A tile-sized premultiplied buffer.
struct TileBuffer
{
    uchar pixels[TILE * TILE * 4];
    void Clear(int rows) { std::memset(pixels, 0, rows * TILE_BYTES); }
    uchar* Row(int y) { return pixels + y * TILE_BYTES; }
};

qint64 ColorKey(const QColor& color)
{
    return color.rgba();
}

} // namespace

int CameraComposer::Compose(QImage& output, const Composition& composition,
                            const TileMask* strokeDirty)
{
    const TileMask all(output.width(), output.height());
    if (outputMask.Columns() != all.Columns() || outputMask.Rows() != all.Rows())
        Reset();

    const QVector<qint64> ghosts = GhostSignature(composition);
    const QVector<qint64> layers = LayerSignature(composition);
    const bool incremental = composed && strokeDirty && ghosts == ghostSignature
                             && layers == layerSignature;
    if (composition.ghostsShown && (ghosts != ghostSignature || !composed))
        RebuildGhosts(composition, output.size());
    ghostSignature = ghosts;
    layerSignature = layers;

    TileMask dirty = all;
    if (incremental)
        dirty = *strokeDirty;
    else
        dirty.Fill();
    if (!composed) {
        // The output's content is unknown: clear it once.
        output.fill(Qt::transparent);
        outputMask = all;
        outputMask.Clear();
        composed = true;
    }

    int count = 0;
    for (int tile = 0; tile < dirty.Count(); ++tile) {
        if (!dirty.Test(tile))
            continue;
        if (ComposeTile(output, composition, tile)) {
            outputMask.Set(tile);
            ++count;
        } else if (outputMask.Test(tile)) {
            const QRect rect = outputMask.TileRect(tile).intersected(output.rect());
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                std::memset(output.scanLine(y) + rect.left() * 4, 0, rect.width() * 4);
            outputMask.Reset(tile);
        }
    }
    return count;
}

void CameraComposer::Reset()
{
    composed = false;
    ghostImage = QImage();
    ghostMask = TileMask();
    outputMask = TileMask();
    layerSignature.clear();
    ghostSignature.clear();
}

QVector<qint64> CameraComposer::LayerSignature(const Composition& composition)
{
    QVector<qint64> signature;
    for (const Composition::Layer& layer : composition.layers) {
        signature << (layer.imageIsStroke ? -1 : layer.image ? layer.image->cacheKey() : 0)
                  << (layer.overlay ? (layer.overlayPremultiplied ? 2 : 1) : 0)
                  << layer.opacity;
    }
    return signature;
}

QVector<qint64> CameraComposer::GhostSignature(const Composition& composition)
{
    QVector<qint64> signature;
    signature << composition.ghostsShown;
    if (!composition.ghostsShown)
        return signature;
    signature << composition.recolor << ColorKey(composition.previousColor)
              << ColorKey(composition.nextColor) << composition.previous.size();
    for (const QVector<Composition::Ghost>* list : {&composition.previous, &composition.next})
        for (const Composition::Ghost& ghost : *list)
            signature << (ghost.image ? ghost.image->cacheKey() : 0) << ghost.opacity;
    return signature;
}

void CameraComposer::RebuildGhosts(const Composition& composition, const QSize& size)
{
    if (ghostImage.size() != size) {
        ghostImage = QImage(size, QImage::Format_RGBA8888_Premultiplied);
        ghostImage.fill(Qt::transparent);
        ghostMask = TileMask(size.width(), size.height());
    }
    TileMask sources(size.width(), size.height());
    for (const QVector<Composition::Ghost>* list : {&composition.previous, &composition.next})
        for (const Composition::Ghost& ghost : *list)
            if (ghost.image && ghost.image->size() == size)
                sources.Unite(ghost.mask);

    TileMask visit = sources;
    visit.Unite(ghostMask);
    TileBuffer previous;
    TileBuffer next;
    for (int tile = 0; tile < visit.Count(); ++tile) {
        if (!visit.Test(tile))
            continue;
        const QRect rect = visit.TileRect(tile).intersected(ghostImage.rect());
        const int rows = rect.height();
        const int bytes = rect.width() * 4;
        previous.Clear(TILE);
        next.Clear(TILE);
        if (sources.Test(tile)) {
            auto draw = [&](const QVector<Composition::Ghost>& list, TileBuffer& buffer,
                            const QColor& color) {
                for (const Composition::Ghost& ghost : list) {
                    if (!ghost.image || ghost.image->size() != ghostImage.size()
                        || !ghost.mask.Test(tile))
                        continue;
                    for (int y = 0; y < rows; ++y)
                        PixelSpan::BlendStraight(buffer.Row(y),
                                                 ghost.image->constScanLine(rect.top() + y)
                                                     + rect.left() * 4,
                                                 rect.width(), ghost.opacity);
                }
                if (composition.recolor)
                    for (int y = 0; y < rows; ++y)
                        PixelSpan::Recolor(buffer.Row(y), rect.width(), color);
            };
            draw(composition.previous, previous, composition.previousColor);
            draw(composition.next, next, composition.nextColor);
            for (int y = 0; y < rows; ++y)
                PixelSpan::DestinationOver(next.Row(y), previous.Row(y), rect.width());
        }
        for (int y = 0; y < rows; ++y)
            std::memcpy(ghostImage.scanLine(rect.top() + y) + rect.left() * 4, next.Row(y), bytes);
    }
    ghostMask = sources;
}

bool CameraComposer::ComposeTile(QImage& output, const Composition& composition, int tile)
{
    const QRect rect = outputMask.TileRect(tile).intersected(output.rect());
    const int rows = rect.height();
    const int width = rect.width();
    const int offset = rect.left() * 4;
    const bool ghost = composition.ghostsShown && !ghostImage.isNull()
                       && ghostImage.size() == output.size() && ghostMask.Test(tile);
    bool touched = ghost;
    for (const Composition::Layer& layer : composition.layers)
        touched = touched || (layer.image && layer.imageMask.Test(tile))
                  || (layer.overlay && layer.overlayMask.Test(tile));
    if (!touched)
        return false;

    TileBuffer buffer;
    buffer.Clear(TILE);
    if (ghost)
        for (int y = 0; y < rows; ++y)
            std::memcpy(buffer.Row(y), ghostImage.constScanLine(rect.top() + y) + offset, width * 4);

    TileBuffer group;
    for (const Composition::Layer& layer : composition.layers) {
        const bool image = layer.image && layer.image->size() == output.size()
                           && layer.imageMask.Test(tile);
        const bool overlay = layer.overlay && layer.overlay->size() == output.size()
                             && layer.overlayMask.Test(tile);
        if (!layer.overlay) {
            if (image)
                for (int y = 0; y < rows; ++y)
                    PixelSpan::BlendStraight(buffer.Row(y),
                                             layer.image->constScanLine(rect.top() + y) + offset,
                                             width, layer.opacity);
            continue;
        }
        if (!image && !overlay)
            continue;
        group.Clear(TILE);
        for (int y = 0; y < rows; ++y) {
            if (image)
                PixelSpan::BlendStraight(group.Row(y),
                                         layer.image->constScanLine(rect.top() + y) + offset,
                                         width, 255);
            if (overlay) {
                const uchar* line = layer.overlay->constScanLine(rect.top() + y) + offset;
                if (layer.overlayPremultiplied)
                    PixelSpan::BlendPremultiplied(group.Row(y), line, width, 255);
                else
                    PixelSpan::BlendStraight(group.Row(y), line, width, 255);
            }
            PixelSpan::BlendPremultiplied(buffer.Row(y), group.Row(y), width, layer.opacity);
        }
    }

    for (int y = 0; y < rows; ++y)
        PixelSpan::Unpremultiply(output.scanLine(rect.top() + y) + offset, buffer.Row(y), width);
    return true;
}
