#pragma once

#include <QColor>
#include <QtGlobal>

// Pixel arithmetic of the composition, on runs of 8-bit RGBA pixels in byte
// order R, G, B, A. "Straight" pixels are not premultiplied (frame and stroke
// images); "premultiplied" pixels carry colour already scaled by alpha (the
// working buffers). Every operation rounds to nearest, and drawing a pixel of
// alpha 0 changes nothing, so skipping transparent pixels never changes a
// result. Opacities are 0..255.
class PixelSpan
{
public:
    // Source over: straight source onto premultiplied destination.
    static void BlendStraight(uchar* dst, const uchar* src, int count, int opacity);
    // Source over: premultiplied source onto premultiplied destination.
    static void BlendPremultiplied(uchar* dst, const uchar* src, int count, int opacity);
    // Destination over: the premultiplied source goes under the destination.
    static void DestinationOver(uchar* dst, const uchar* src, int count);
    // Premultiplied pixels that are not transparent take the colour's red,
    // green and blue; alpha stays.
    static void Recolor(uchar* pixels, int count, const QColor& color);
    // Source over with straight pixels on both sides. Destination pixels
    // under a transparent source pixel are left exactly as they are.
    static void OverStraight(uchar* dst, const uchar* src, int count);
    // Premultiplied to straight.
    static void Unpremultiply(uchar* dst, const uchar* src, int count);
    // Opacity 0..1 as 0..255.
    static int ToOpacity(float value);

    // x / 255 rounded to nearest, exact for 0 <= x <= 65535.
    static inline int Div255(int x)
    {
        x += 128;
        return (x + (x >> 8)) >> 8;
    }
};
