#pragma once

#include "model/TileStore.h"

#include <QHash>
#include <QImage>

#include <memory>

// Tile stores of frame images, remembered by the image's cache key. Qt gives
// an image a new key whenever its pixels may be written, so a remembered
// store is never stale. Past a memory budget the least recently used stores
// are dropped; images that changed or went are simply never asked for again.
class TileStoreCache
{
public:
    explicit TileStoreCache(qint64 budgetBytes = 64 * 1024 * 1024);

    // The store of a frame-sized image; null for a null image.
    std::shared_ptr<const TileStore> Get(const QImage& image);
    void Clear();
    int Size() const { return entries.size(); }

private:
    struct Entry
    {
        std::shared_ptr<const TileStore> store;
        quint64 lastUse = 0;
    };
    void Trim();

    QHash<qint64, Entry> entries;
    qint64 budget;
    qint64 bytes = 0;
    quint64 clock = 0;
};
