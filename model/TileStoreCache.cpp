#include "model/TileStoreCache.h"

#include <algorithm>
#include <vector>

TileStoreCache::TileStoreCache(qint64 budgetBytes) : budget(budgetBytes) {}

std::shared_ptr<const TileStore> TileStoreCache::Get(const QImage& image)
{
    if (image.isNull())
        return nullptr;
    Entry& entry = entries[image.cacheKey()];
    entry.lastUse = ++clock;
    if (!entry.store) {
        entry.store = std::make_shared<const TileStore>(image);
        bytes += entry.store->Bytes();
        if (bytes > budget) {
            const std::shared_ptr<const TileStore> store = entry.store;  // survives the trim
            Trim();
            return store;
        }
    }
    return entry.store;
}

void TileStoreCache::Clear()
{
    entries.clear();
    bytes = 0;
}

void TileStoreCache::Trim()
{
    // Drop the oldest until three quarters of the budget are left.
    std::vector<std::pair<quint64, qint64>> ages;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        ages.emplace_back(it.value().lastUse, it.key());
    std::sort(ages.begin(), ages.end());
    for (const auto& age : ages) {
        if (bytes <= budget * 3 / 4)
            break;
        bytes -= entries.value(age.second).store->Bytes();
        entries.remove(age.second);
    }
}
