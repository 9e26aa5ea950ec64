#include "model/TileMaskCache.h"

TileMask TileMaskCache::Get(const QImage& image)
{
    if (image.isNull())
        return TileMask(image.width(), image.height());
    const qint64 key = image.cacheKey();
    auto found = masks.constFind(key);
    if (found != masks.constEnd())
        return found.value();
    if (masks.size() >= MAX_ENTRIES)
        masks.clear();
    const TileMask mask = TileMask::Of(image);
    masks.insert(key, mask);
    return mask;
}
