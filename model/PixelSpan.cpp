#include "model/PixelSpan.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Alpha bytes of two RGBA pixels read as one little- or big-endian word
// are in the same places either way: bytes 3 and 7.
inline bool TwoTransparent(const uchar* p)
{
    return (p[3] | p[7]) == 0;
}

} // namespace

void PixelSpan::BlendStraight(uchar* dst, const uchar* src, int count, int opacity)
{
    if (opacity <= 0)
        return;
    for (int i = 0; i < count; ++i, dst += 4, src += 4) {
        if (i + 1 < count && TwoTransparent(src)) {
            ++i;
            dst += 4;
            src += 4;
            continue;
        }
        int a = src[3];
        if (opacity < 255)
            a = Div255(a * opacity);
        if (a == 0)
            continue;
        if (a == 255) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
            dst[3] = 255;
            continue;
        }
        const int inverse = 255 - a;
        dst[0] = static_cast<uchar>(Div255(src[0] * a + dst[0] * inverse));
        dst[1] = static_cast<uchar>(Div255(src[1] * a + dst[1] * inverse));
        dst[2] = static_cast<uchar>(Div255(src[2] * a + dst[2] * inverse));
        dst[3] = static_cast<uchar>(Div255(a * 255 + dst[3] * inverse));
    }
}

void PixelSpan::BlendPremultiplied(uchar* dst, const uchar* src, int count, int opacity)
{
    if (opacity <= 0)
        return;
    for (int i = 0; i < count; ++i, dst += 4, src += 4) {
        if (src[3] == 0)
            continue;
        int s[4] = {src[0], src[1], src[2], src[3]};
        if (opacity < 255)
            for (int& channel : s)
                channel = Div255(channel * opacity);
        if (s[3] == 0)
            continue;
        const int inverse = 255 - s[3];
        for (int c = 0; c < 4; ++c)
            dst[c] = static_cast<uchar>(s[c] + Div255(dst[c] * inverse));
    }
}

void PixelSpan::DestinationOver(uchar* dst, const uchar* src, int count)
{
    for (int i = 0; i < count; ++i, dst += 4, src += 4) {
        const int inverse = 255 - dst[3];
        if (src[3] == 0 || inverse == 0)
            continue;
        for (int c = 0; c < 4; ++c)
            dst[c] = static_cast<uchar>(dst[c] + Div255(src[c] * inverse));
    }
}

void PixelSpan::Recolor(uchar* pixels, int count, const QColor& color)
{
    const int rgb[3] = {color.red(), color.green(), color.blue()};
    for (int i = 0; i < count; ++i, pixels += 4) {
        const int a = pixels[3];
        if (a == 0)
            continue;
        for (int c = 0; c < 3; ++c)
            pixels[c] = static_cast<uchar>(Div255(rgb[c] * a));
    }
}

void PixelSpan::Unpremultiply(uchar* dst, const uchar* src, int count)
{
    for (int i = 0; i < count; ++i, dst += 4, src += 4) {
        const int a = src[3];
        if (a == 0) {
            std::memset(dst, 0, 4);
            continue;
        }
        if (a == 255) {
            std::memcpy(dst, src, 4);
            continue;
        }
        for (int c = 0; c < 3; ++c)
            dst[c] = static_cast<uchar>(std::min(255, (src[c] * 255 + a / 2) / a));
        dst[3] = static_cast<uchar>(a);
    }
}

void PixelSpan::OverStraight(uchar* dst, const uchar* src, int count)
{
    for (int i = 0; i < count; ++i, dst += 4, src += 4) {
        if (src[3] == 0)
            continue;
        uchar mixed[4] = {0, 0, 0, 0};
        BlendStraight(mixed, dst, 1, 255);
        BlendStraight(mixed, src, 1, 255);
        Unpremultiply(dst, mixed, 1);
    }
}

int PixelSpan::ToOpacity(float value)
{
    return static_cast<int>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}
