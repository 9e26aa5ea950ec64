#include "model/TileStore.h"

#include <algorithm>
#include <cstring>

TileStore::TileStore(const QImage& image) : mask(TileMask::Of(image)), places(mask.Count(), -1)
{
    const int stored = mask.SetCount();
    pixels.resize(stored * TileMask::TILE * ROW_BYTES);
    std::memset(pixels.data(), 0, pixels.size());  // edge tiles are padded
    int slot = 0;
    for (int tile = 0; tile < mask.Count(); ++tile) {
        if (!mask.Test(tile))
            continue;
        places[tile] = slot;
        const QRect rect = mask.TileRect(tile).intersected(image.rect());
        uchar* out = pixels.data() + slot * TileMask::TILE * ROW_BYTES;
        for (int y = 0; y < rect.height(); ++y)
            std::memcpy(out + y * ROW_BYTES, image.constScanLine(rect.top() + y) + rect.left() * 4,
                        rect.width() * 4);
        ++slot;
    }
}
