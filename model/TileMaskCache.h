#pragma once

#include "model/TileMask.h"

#include <QHash>
#include <QImage>

// Tile masks of frame images, remembered by the image's cache key. Qt gives
// an image a new key whenever its pixels may be written, so a remembered
// mask is never stale; keys of images that were changed or dropped simply
// stop being asked for, and the whole cache is forgotten when it grows large.
class TileMaskCache
{
public:
    static const int MAX_ENTRIES = 4096;

    TileMask Get(const QImage& image);
    void Clear() { masks.clear(); }
    int Size() const { return masks.size(); }

private:
    QHash<qint64, TileMask> masks;
};
