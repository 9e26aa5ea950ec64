#include "model/TileMask.h"

#include <QImage>

#include <algorithm>
#include <cstring>

TileMask::TileMask(int width, int height)
    : columns((std::max(width, 0) + TILE - 1) / TILE),
      rows((std::max(height, 0) + TILE - 1) / TILE),
      bits((columns * rows + 63) / 64, 0)
{
}

TileMask TileMask::Of(const QImage& image)
{
    return Of(image, image.rect());
}

TileMask TileMask::Of(const QImage& image, const QRect& area)
{
    TileMask mask(image.width(), image.height());
    const QRect scanned = area.intersected(image.rect());
    if (image.isNull() || image.depth() != 32 || scanned.isEmpty())
        return mask;
    const int firstColumn = scanned.left() / TILE;
    const int lastColumn = scanned.right() / TILE;
    for (int y = scanned.top(); y <= scanned.bottom(); ++y) {
        const uchar* line = image.constScanLine(y);
        const int rowBase = (y / TILE) * mask.columns;
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const int tile = rowBase + column;
            if (mask.Test(tile))
                continue;
            const int end = std::min(scanned.right() + 1, (column + 1) * TILE);
            // Eight bytes at a time: the alpha bytes of two pixels.
            int x = std::max(scanned.left(), column * TILE);
            for (; x + 1 < end; x += 2) {
                quint64 word;
                std::memcpy(&word, line + x * 4, 8);
                if (word & Q_UINT64_C(0xFF000000FF000000)) {
                    mask.Set(tile);
                    break;
                }
            }
            if (x == end - 1 && line[x * 4 + 3])
                mask.Set(tile);
        }
    }
    return mask;
}

void TileMask::AddRect(const QRect& rect)
{
    const QRect clipped = rect.intersected(QRect(0, 0, columns * TILE, rows * TILE));
    if (clipped.isEmpty())
        return;
    for (int row = clipped.top() / TILE; row <= clipped.bottom() / TILE; ++row)
        for (int column = clipped.left() / TILE; column <= clipped.right() / TILE; ++column)
            Set(row * columns + column);
}

void TileMask::Unite(const TileMask& other)
{
    if (other.columns != columns || other.rows != rows) {
        // Masks of other sizes do not occur; be safe and mark everything.
        Fill();
        return;
    }
    for (int i = 0; i < bits.size(); ++i)
        bits[i] |= other.bits[i];
}

void TileMask::Intersect(const TileMask& other)
{
    if (other.columns != columns || other.rows != rows)
        return;
    for (int i = 0; i < bits.size(); ++i)
        bits[i] &= other.bits[i];
}

void TileMask::Subtract(const TileMask& other)
{
    if (other.columns != columns || other.rows != rows)
        return;
    for (int i = 0; i < bits.size(); ++i)
        bits[i] &= ~other.bits[i];
}

void TileMask::Fill()
{
    for (int tile = 0; tile < Count(); ++tile)
        Set(tile);
}

void TileMask::Clear()
{
    bits.fill(0);
}

bool TileMask::IsEmpty() const
{
    return std::all_of(bits.begin(), bits.end(), [](quint64 word) { return word == 0; });
}

int TileMask::SetCount() const
{
    int count = 0;
    for (quint64 word : bits)
        count += __builtin_popcountll(word);
    return count;
}

QRect TileMask::TileRect(int tile) const
{
    return QRect((tile % columns) * TILE, (tile / columns) * TILE, TILE, TILE);
}

bool TileMask::operator==(const TileMask& other) const
{
    return columns == other.columns && rows == other.rows && bits == other.bits;
}
