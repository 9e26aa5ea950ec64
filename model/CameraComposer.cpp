#include "model/CameraComposer.h"

#include "model/FrameCache.h"
#include "model/PixelSpan.h"

#include <algorithm>
#include <cstring>

namespace {

const int TILE = TileMask::TILE;

inline const uchar* Line(const QImage* image, int y)
{
    return image->constBits() + static_cast<qsizetype>(y) * image->bytesPerLine();
}

inline bool Usable(const QImage* image, const QImage& output)
{
    return image && image->size() == output.size();
}

inline bool Usable(const Composition::Ghost& ghost, const QImage& output)
{
    return ghost.store && Usable(ghost.image, output);
}

qint64 ColorKey(const QColor& color)
{
    return color.rgba();
}

} // namespace

CameraComposer::~CameraComposer()
{
    FrameCache::Instance().ReleaseOwner(this);
}

int CameraComposer::Compose(QImage& output, const Composition& composition,
                            const TileMask* strokeDirty)
{
    const TileMask none(output.width(), output.height());
    if (outputMask.Columns() != none.Columns() || outputMask.Rows() != none.Rows())
        Reset();

    const QVector<qint64> ghosts = GhostSignature(composition);
    const QVector<qint64> layers = LayerSignature(composition);
    const bool incremental = composed && strokeDirty && ghosts == ghostSignature
                             && layers == layerSignature;
    if (composition.ghostsShown && (ghosts != ghostSignature || !composed))
        RebuildGhosts(composition, output.size());
    ghostSignature = ghosts;
    layerSignature = layers;
    if (!composed) {
        // The output's content is unknown: clear it once.
        output.fill(Qt::transparent);
        outputMask = none;
        composed = true;
    }

    // Per layer, the tiles where it has something to draw; together with the
    // ghosts, the tiles that must be composed.
    QVector<TileMask> layerMasks;
    TileMask touched = none;
    if (composition.ghostsShown && ghostImage.size() == output.size())
        touched.Unite(ghostMask);
    for (const Composition::Layer& layer : composition.layers) {
        TileMask mask = none;
        if (Usable(layer.image, output))
            mask.Unite(layer.imageMask);
        if (Usable(layer.overlay, output))
            mask.Unite(layer.overlayMask);
        touched.Unite(mask);
        layerMasks << mask;
    }
    TileMask dirty = none;
    if (incremental)
        dirty.Unite(*strokeDirty);
    else
        dirty.Fill();

    TileMask cleared = dirty;
    cleared.Intersect(outputMask);
    cleared.Subtract(touched);
    for (int tile = 0; tile < cleared.Count(); ++tile) {
        if (!cleared.Test(tile))
            continue;
        const QRect rect = cleared.TileRect(tile).intersected(output.rect());
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            std::memset(output.scanLine(y) + rect.left() * 4, 0, rect.width() * 4);
    }
    outputMask.Subtract(cleared);

    TileMask wanted = dirty;
    wanted.Intersect(touched);
    const int strokeLayer = incremental ? StrokeLayerIndex(composition) : -1;
    KeepUnder(output.size(), strokeLayer);
    int count = 0;
    for (int band = 0; band < wanted.Rows(); ++band)
        count += ComposeBand(output, composition, layerMasks, wanted, band, strokeLayer);
    outputMask.Unite(wanted);
    return count;
}

void CameraComposer::Reset()
{
    composed = false;
    underImage = QImage();
    underMask = TileMask();
    ghostImage = QImage();
    ghostMask = TileMask();
    outputMask = TileMask();
    layerSignature.clear();
    ghostSignature.clear();
}

int CameraComposer::StrokeLayerIndex(const Composition& composition)
{
    for (int i = 0; i < composition.layers.size(); ++i) {
        const Composition::Layer& layer = composition.layers[i];
        if (layer.imageIsStroke || layer.overlay)
            return i;
    }
    return -1;
}

void CameraComposer::KeepUnder(const QSize& size, int strokeLayer)
{
    // A composition redoes only the stroke's tiles when the ghosts and every
    // layer are as they were at the last one, so what lies under the stroke
    // holds from one such composition to the next; any other composition
    // forgets it.
    if (strokeLayer < 0) {
        underImage = QImage();  // not drawing: the memory goes back
        underMask = TileMask();
        return;
    }
    if (underImage.size() != size) {
        underImage = QImage(size, QImage::Format_RGBA8888_Premultiplied);
        underMask = TileMask(size.width(), size.height());
    }
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

QVector<CameraComposer::Run> CameraComposer::Runs(const TileMask& wanted, const TileMask& mask,
                                                  int band)
{
    QVector<Run> runs;
    const int base = band * wanted.Columns();
    for (int column = 0; column < wanted.Columns(); ++column) {
        const int tile = base + column;
        if (!wanted.Test(tile) || !mask.Test(tile))
            continue;
        if (!runs.isEmpty() && runs.last().last == column - 1)
            runs.last().last = column;
        else
            runs << Run{column, column};
    }
    return runs;
}

namespace {

// Calls span(x, pixels) for every run, clipped to the image width.
template <typename Span>
void ForRuns(const QVector<CameraComposer::Run>& runs, int width, Span span)
{
    for (const auto& run : runs) {
        const int x = run.first * TILE;
        span(x, std::min(width, (run.last + 1) * TILE) - x);
    }
}

// Calls span(x, pixels, row) for the pieces of row y of a band under the
// runs: whole runs of an image's row, or tile by tile from a tile store
// (tiles it does not hold are skipped: they are transparent).
template <typename Span>
void ForSpans(const QImage* image, const TileStore* store,
              const QVector<CameraComposer::Run>& runs, int band, int top, int y, int width,
              Span span)
{
    if (!store) {
        const uchar* line = Line(image, top + y);
        ForRuns(runs, width, [&](int x, int count) { span(x, count, line + x * 4); });
        return;
    }
    const int base = band * store->Mask().Columns();
    for (const auto& run : runs)
        for (int column = run.first; column <= run.last; ++column) {
            const uchar* row = store->Row(base + column, y);
            const int x = column * TILE;
            if (row)
                span(x, std::min(width, x + TILE) - x, row);
        }
}

// Asks for the band's rows of an image under the runs ahead of their use:
// the runs are short and scattered over many pages, which defeats the
// hardware's own prefetching and leaves composition waiting on memory.
void Prefetch(const QImage* image, const QVector<CameraComposer::Run>& runs, int top, int rows)
{
    for (int y = 0; y < rows; ++y) {
        const uchar* line = Line(image, top + y);
        ForRuns(runs, image->width(), [&](int x, int count) {
            for (int offset = 0; offset < count * 4; offset += 64)
                __builtin_prefetch(line + x * 4 + offset);
        });
    }
}

} // namespace

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
            if (Usable(ghost, ghostImage))
                sources.Unite(ghost.store->Mask());

    // Tiles that held ghosts before are cleared where none are now.
    TileMask visit = sources;
    visit.Unite(ghostMask);
    const int width = size.width();
    const int stride = width * 4;
    bandBuffer.resize(TILE * stride);
    previousBuffer.resize(TILE * stride);
    for (int band = 0; band < visit.Rows(); ++band) {
        const QVector<Run> runs = Runs(visit, visit, band);
        if (runs.isEmpty())
            continue;
        const int top = band * TILE;
        const int rows = std::min(TILE, size.height() - top);
        uchar* next = bandBuffer.data();
        uchar* previous = previousBuffer.data();
        for (int y = 0; y < rows; ++y)
            ForRuns(runs, width, [&](int x, int count) {
                std::memset(next + y * stride + x * 4, 0, count * 4);
                std::memset(previous + y * stride + x * 4, 0, count * 4);
            });
        DrawGhosts(composition.previous, visit, band, previous, composition.recolor,
                   composition.previousColor);
        DrawGhosts(composition.next, visit, band, next, composition.recolor,
                   composition.nextColor);
        uchar* out = ghostImage.bits();
        for (int y = 0; y < rows; ++y)
            ForRuns(runs, width, [&](int x, int count) {
                uchar* line = next + y * stride + x * 4;
                PixelSpan::DestinationOver(line, previous + y * stride + x * 4, count);
                std::memcpy(out + (top + y) * static_cast<qsizetype>(ghostImage.bytesPerLine())
                                + x * 4,
                            line, count * 4);
            });
    }
    ghostMask = sources;
}

void CameraComposer::DrawGhosts(const QVector<Composition::Ghost>& ghosts, const TileMask& wanted,
                                int band, uchar* buffer, bool recolor, const QColor& color) const
{
    const int width = ghostImage.width();
    const int stride = width * 4;
    const int top = band * TILE;
    const int rows = std::min(TILE, ghostImage.height() - top);
    bool drawn = false;
    for (const Composition::Ghost& ghost : ghosts) {
        if (!Usable(ghost, ghostImage))
            continue;
        const QVector<Run> runs = Runs(wanted, ghost.store->Mask(), band);
        for (int y = 0; y < rows; ++y)
            ForSpans(ghost.image, ghost.store.get(), runs, band, top, y, width,
                     [&](int x, int count, const uchar* source) {
                         PixelSpan::BlendStraight(buffer + y * stride + x * 4, source, count,
                                                  ghost.opacity);
                     });
        drawn = drawn || !runs.isEmpty();
    }
    if (!recolor || !drawn)
        return;
    const QVector<Run> runs = Runs(wanted, wanted, band);
    for (int y = 0; y < rows; ++y)
        ForRuns(runs, width, [&](int x, int count) {
            PixelSpan::Recolor(buffer + y * stride + x * 4, count, color);
        });
}

int CameraComposer::ComposeBand(QImage& output, const Composition& composition,
                                const QVector<TileMask>& layerMasks, const TileMask& wanted,
                                int band, int strokeLayer)
{
    const QVector<Run> runs = Runs(wanted, wanted, band);
    if (runs.isEmpty())
        return 0;
    const int width = output.width();
    const int stride = width * 4;
    const int top = band * TILE;
    const int rows = std::min(TILE, output.height() - top);
    bandBuffer.resize(TILE * stride);
    groupBuffer.resize(TILE * stride);
    uchar* buffer = bandBuffer.data();

    const int first = std::max(0, strokeLayer);
    PrefetchLayers(output, composition, layerMasks, wanted, band, first);
    if (strokeLayer >= 0) {
        // What lies under the live stroke does not change while it is drawn:
        // it is composed once per tile and then copied.
        ComposeUnder(output, composition, layerMasks, wanted, band, strokeLayer);
        const uchar* under = underImage.constBits() + static_cast<qsizetype>(top) * stride;
        for (int y = 0; y < rows; ++y)
            ForRuns(runs, width, [&](int x, int count) {
                std::memcpy(buffer + y * stride + x * 4, under + y * stride + x * 4, count * 4);
            });
    } else {
        ClearAndDrawGhosts(output, composition, wanted, band, buffer);
    }
    BlendLayers(output, composition, layerMasks, wanted, band, first, composition.layers.size(),
                buffer);

    uchar* out = output.bits() + static_cast<qsizetype>(top) * output.bytesPerLine();
    for (int y = 0; y < rows; ++y, out += output.bytesPerLine())
        ForRuns(runs, width, [&](int x, int count) {
            PixelSpan::Unpremultiply(out + x * 4, buffer + y * stride + x * 4, count);
        });
    int count = 0;
    for (const Run& run : runs)
        count += run.last - run.first + 1;
    return count;
}

void CameraComposer::ComposeUnder(const QImage& output, const Composition& composition,
                                  const QVector<TileMask>& layerMasks, const TileMask& wanted,
                                  int band, int strokeLayer)
{
    TileMask missing = wanted;
    missing.Subtract(underMask);
    const QVector<Run> runs = Runs(missing, missing, band);
    if (runs.isEmpty())
        return;
    uchar* under = underImage.bits() + static_cast<qsizetype>(band * TILE) * output.width() * 4;
    ClearAndDrawGhosts(output, composition, missing, band, under);
    BlendLayers(output, composition, layerMasks, missing, band, 0, strokeLayer, under);
    for (const Run& run : runs)
        for (int column = run.first; column <= run.last; ++column)
            underMask.Set(band * underMask.Columns() + column);
}

void CameraComposer::PrefetchLayers(const QImage& output, const Composition& composition,
                                    const QVector<TileMask>& layerMasks, const TileMask& wanted,
                                    int band, int first) const
{
    const int top = band * TILE;
    const int rows = std::min(TILE, output.height() - top);
    for (int i = first; i < composition.layers.size(); ++i) {
        const Composition::Layer& layer = composition.layers[i];
        const QVector<Run> layerRuns = Runs(wanted, layerMasks[i], band);
        if (Usable(layer.image, output) && !layer.store)
            Prefetch(layer.image, layerRuns, top, rows);
        if (Usable(layer.overlay, output))
            Prefetch(layer.overlay, layerRuns, top, rows);
    }
}

void CameraComposer::ClearAndDrawGhosts(const QImage& output, const Composition& composition,
                                        const TileMask& wanted, int band, uchar* buffer) const
{
    const int width = output.width();
    const int stride = width * 4;
    const int top = band * TILE;
    const int rows = std::min(TILE, output.height() - top);
    const QVector<Run> runs = Runs(wanted, wanted, band);
    for (int y = 0; y < rows; ++y)
        ForRuns(runs, width, [&](int x, int count) {
            std::memset(buffer + y * stride + x * 4, 0, count * 4);
        });
    if (!composition.ghostsShown || ghostImage.size() != output.size())
        return;
    const QVector<Run> ghostRuns = Runs(wanted, ghostMask, band);
    for (int y = 0; y < rows; ++y)
        ForRuns(ghostRuns, width, [&](int x, int count) {
            std::memcpy(buffer + y * stride + x * 4, Line(&ghostImage, top + y) + x * 4,
                        count * 4);
        });
}

void CameraComposer::BlendLayers(const QImage& output, const Composition& composition,
                                 const QVector<TileMask>& layerMasks, const TileMask& wanted,
                                 int band, int first, int last, uchar* buffer)
{
    const int width = output.width();
    const int stride = width * 4;
    const int top = band * TILE;
    const int rows = std::min(TILE, output.height() - top);
    uchar* group = groupBuffer.data();
    for (int i = first; i < last; ++i) {
        const Composition::Layer& layer = composition.layers[i];
        const QVector<Run> layerRuns = Runs(wanted, layerMasks[i], band);
        const bool image = Usable(layer.image, output);
        const bool overlay = Usable(layer.overlay, output);
        for (int y = 0; y < rows; ++y) {
            uchar* line = buffer + y * stride;
            if (!layer.overlay) {
                if (image)
                    ForSpans(layer.image, layer.store.get(), layerRuns, band, top, y, width,
                             [&](int x, int count, const uchar* source) {
                                 PixelSpan::BlendStraight(line + x * 4, source, count,
                                                          layer.opacity);
                             });
                continue;
            }
            // With the live stroke the two are combined first, then drawn
            // at the layer's opacity.
            uchar* mixed = group + y * stride;
            ForRuns(layerRuns, width, [&](int x, int count) {
                std::memset(mixed + x * 4, 0, count * 4);
            });
            if (image)
                ForSpans(layer.image, layer.store.get(), layerRuns, band, top, y, width,
                         [&](int x, int count, const uchar* source) {
                             PixelSpan::BlendStraight(mixed + x * 4, source, count, 255);
                         });
            ForRuns(layerRuns, width, [&](int x, int count) {
                if (overlay && layer.overlayPremultiplied)
                    PixelSpan::BlendPremultiplied(mixed + x * 4,
                                                  Line(layer.overlay, top + y) + x * 4, count, 255);
                else if (overlay)
                    PixelSpan::BlendStraight(mixed + x * 4, Line(layer.overlay, top + y) + x * 4,
                                             count, 255);
                PixelSpan::BlendPremultiplied(line + x * 4, mixed + x * 4, count, layer.opacity);
            });
        }
    }
}
