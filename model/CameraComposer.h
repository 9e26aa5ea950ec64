#pragma once

#include "model/Composition.h"
#include "model/TileMask.h"

#include <QImage>
#include <QVector>

// Keeps one camera's composed image up to date. The image is composed tile
// by tile in a premultiplied buffer and converted once; tiles that no source
// touches are only cleared. The combined ghost image is kept between
// compositions and rebuilt only when the ghosts' sources or settings change.
// While only the live stroke changes, only the tiles it touched are redone.
class CameraComposer
{
public:
    // Brings `output` (frame-sized, RGBA8888) up to date with `composition`.
    // strokeDirty: the tiles the live stroke changed since the last call,
    // when nothing else may have changed; null asks for a full rebuild.
    // Returns the number of tiles composed.
    int Compose(QImage& output, const Composition& composition, const TileMask* strokeDirty);

    // Forgets the last composition, so that the next is a full one.
    void Reset();

    // The combined ghosts of the last composition (premultiplied).
    const QImage& GhostImage() const { return ghostImage; }

private:
    static QVector<qint64> LayerSignature(const Composition& composition);
    static QVector<qint64> GhostSignature(const Composition& composition);
    void RebuildGhosts(const Composition& composition, const QSize& size);
    // Composes one tile into the output; false when no source touches it.
    bool ComposeTile(QImage& output, const Composition& composition, int tile);

    QImage ghostImage;
    TileMask ghostMask;
    TileMask outputMask;  // tiles of the output that may not be transparent
    QVector<qint64> layerSignature;
    QVector<qint64> ghostSignature;
    bool composed = false;
};
