#pragma once

#include <QRect>
#include <QVector>
#include <QtGlobal>

class QImage;

// Which 16 x 16 pixel tiles of a frame-sized image may hold something that
// is not fully transparent. Composition visits only the tiles a source
// marks; a mark on an empty tile costs time, never correctness.
class TileMask
{
public:
    static const int TILE = 16;

    // An empty mask for images of the given width and height in pixels.
    explicit TileMask(int width = 0, int height = 0);

    // The tiles holding a pixel whose alpha is not 0.
    static TileMask Of(const QImage& image);
    // The same, looking only at the pixels inside `area` (the caller knows
    // the others are transparent).
    static TileMask Of(const QImage& image, const QRect& area);

    int Columns() const { return columns; }
    int Rows() const { return rows; }
    int Count() const { return columns * rows; }
    bool Test(int tile) const { return (bits[tile >> 6] >> (tile & 63)) & 1; }
    void Set(int tile) { bits[tile >> 6] |= quint64(1) << (tile & 63); }
    void Reset(int tile) { bits[tile >> 6] &= ~(quint64(1) << (tile & 63)); }
    // Marks the tiles the pixel rectangle touches (clipped to the image).
    void AddRect(const QRect& rect);
    // Set operations with a mask of the same size (another size marks all).
    void Unite(const TileMask& other);
    void Intersect(const TileMask& other);
    void Subtract(const TileMask& other);
    void Fill();
    void Clear();
    bool IsEmpty() const;
    int SetCount() const;
    // The pixel rectangle of a tile.
    QRect TileRect(int tile) const;

    bool operator==(const TileMask& other) const;
    bool operator!=(const TileMask& other) const { return !(*this == other); }

private:
    int columns;
    int rows;
    QVector<quint64> bits;
};
