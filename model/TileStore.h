#pragma once

#include "model/TileMask.h"

#include <QImage>
#include <QVector>

// The tiles of an image that hold something, copied side by side: each
// tile's rows are contiguous, so composition reads a few small blocks
// instead of short pieces of many scattered image rows. Pixels stay as they
// are in the image (straight RGBA8888).
class TileStore
{
public:
    explicit TileStore(const QImage& image);

    const TileMask& Mask() const { return mask; }
    // Row y (0..TILE-1) of a stored tile; null for a tile that is not stored.
    const uchar* Row(int tile, int y) const
    {
        const int slot = places[tile];
        return slot < 0 ? nullptr : pixels.constData() + (slot * TileMask::TILE + y) * ROW_BYTES;
    }
    int Bytes() const { return pixels.size() + places.size() * int(sizeof(int)); }

    static const int ROW_BYTES = TileMask::TILE * 4;

private:
    TileMask mask;
    QVector<int> places;  // per tile: its place in `pixels`, or -1
    QVector<uchar> pixels;
};
