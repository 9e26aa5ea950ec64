#pragma once

#include <QImage>
#include <QRect>

// Direct access to the alpha bytes of a frame-sized image, for the freehand
// primitives that read and write one byte per pixel and nothing else.
//
// Accepted formats are the non-premultiplied four-byte ones whose alpha is the
// last byte of the pixel in memory (RGBA8888, and ARGB32 on little-endian
// machines). Any other image, including a null one, gives an invalid canvas on
// which every operation is a no-op. Pixels are addressable inside the image
// and inside the frame width, so a smaller image is never written past its end.
class AlphaCanvas
{
public:
    explicit AlphaCanvas(QImage& image);

    bool IsValid() const { return bits != nullptr; }
    int Width() const { return width; }
    int Height() const { return height; }
    QRect Bounds() const { return QRect(0, 0, width, height); }

    bool Contains(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height;
    }

    // Alpha byte of pixel x of row y; both must be inside the canvas.
    unsigned char& Alpha(int x, int y) const
    {
        return bits[static_cast<qsizetype>(y) * stride + x * 4 + 3];
    }

    // Alpha byte of pixel 0 of row y; consecutive pixels are 4 bytes apart.
    unsigned char* AlphaRow(int y) const
    {
        return bits + static_cast<qsizetype>(y) * stride + 3;
    }

    // Writes pixel (x, y) if it is inside and the alpha rises.
    void Raise(int x, int y, unsigned char value) const;

    // Alpha byte for a coverage or opacity value: truncated, with values
    // outside 0..1 (and NaN) held to the byte range instead of wrapping.
    static unsigned char ToByte(float value);
    // Opacities and coverages are 0..1; anything else (and NaN) is held there.
    static float ClampUnit(float value);

private:
    static bool HasTrailingAlpha(QImage::Format format);

    unsigned char* bits = nullptr;
    qsizetype stride = 0;
    int width = 0;
    int height = 0;
};
