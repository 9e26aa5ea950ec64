#pragma once

#include "model/Composition.h"
#include "model/TileMask.h"

#include <QImage>
#include <QVector>

// Keeps one camera's composed image up to date. The image is composed in a
// premultiplied buffer and converted once, band by band (a band is a row of
// tiles, so that every source is read row after row), and only in the tiles
// that some source touches; the others are only cleared. The combined ghost
// image is kept between compositions and rebuilt only when the ghosts'
// sources or settings change. While only the live stroke changes, only the
// tiles it touched are redone, over what lies under the stroke's layer
// (the ghosts and the layers below), which is composed once per tile and
// kept while the stroke lasts.
class CameraComposer
{
public:
    CameraComposer() = default;
    // Its composition no longer holds frames in use.
    ~CameraComposer();
    CameraComposer(const CameraComposer&) = delete;
    CameraComposer& operator=(const CameraComposer&) = delete;

    // Brings `output` (frame-sized, RGBA8888) up to date with `composition`.
    // strokeDirty: the tiles the live stroke changed since the last call,
    // when nothing else may have changed; null asks for a full rebuild.
    // Returns the number of tiles composed.
    int Compose(QImage& output, const Composition& composition, const TileMask* strokeDirty);

    // Forgets the last composition, so that the next is a full one.
    void Reset();

    // A run of tile columns [first, last] within a band.
    struct Run
    {
        int first;
        int last;
    };

private:
    static QVector<qint64> LayerSignature(const Composition& composition);
    static QVector<qint64> GhostSignature(const Composition& composition);
    // The columns of `band` set in both `wanted` and `mask`, as runs.
    static QVector<Run> Runs(const TileMask& wanted, const TileMask& mask, int band);
    // The layer that shows the live stroke, or -1.
    static int StrokeLayerIndex(const Composition& composition);
    // Keeps the tiles composed under the stroke's layer through compositions
    // of the stroke alone; forgets them at any other.
    void KeepUnder(const QSize& size, int strokeLayer);
    void RebuildGhosts(const Composition& composition, const QSize& size);
    void DrawGhosts(const QVector<Composition::Ghost>& ghosts, const TileMask& wanted, int band,
                    uchar* buffer, bool recolor, const QColor& color) const;
    // Composes the wanted tiles of one band; returns how many it composed.
    int ComposeBand(QImage& output, const Composition& composition,
                    const QVector<TileMask>& layerMasks, const TileMask& wanted, int band,
                    int strokeLayer);
    // Composes into the kept image the wanted tiles of the band it lacks.
    void ComposeUnder(const QImage& output, const Composition& composition,
                      const QVector<TileMask>& layerMasks, const TileMask& wanted, int band,
                      int strokeLayer);
    void PrefetchLayers(const QImage& output, const Composition& composition,
                        const QVector<TileMask>& layerMasks, const TileMask& wanted, int band,
                        int first) const;
    // Clears the wanted tiles of a band-sized premultiplied buffer and copies
    // the ghosts into them.
    void ClearAndDrawGhosts(const QImage& output, const Composition& composition,
                            const TileMask& wanted, int band, uchar* buffer) const;
    // Draws layers [first, last) over the wanted tiles of a band-sized buffer.
    void BlendLayers(const QImage& output, const Composition& composition,
                     const QVector<TileMask>& layerMasks, const TileMask& wanted, int band,
                     int first, int last, uchar* buffer);

    QImage ghostImage;
    TileMask ghostMask;
    TileMask outputMask;  // tiles of the output that may not be transparent
    QVector<qint64> layerSignature;
    QVector<qint64> ghostSignature;
    bool composed = false;
    // Band-sized premultiplied working buffers.
    QVector<uchar> bandBuffer;
    QVector<uchar> groupBuffer;
    QVector<uchar> previousBuffer;
    // Premultiplied: the ghosts and the layers under the live stroke's
    // layer, in the tiles of underMask.
    QImage underImage;
    TileMask underMask;
};
