#include "model/PixelSpan.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Pixels as 32-bit words for lane-parallel arithmetic: whatever the byte
// order of the machine, a word holds the four channels in four byte lanes,
// and the masks below are built from bytes so they pick the alpha lane.
quint32 Load(const uchar* p)
{
    quint32 value;
    std::memcpy(&value, p, 4);
    return value;
}

void Store(uchar* p, quint32 value)
{
    std::memcpy(p, &value, 4);
}

const quint32 ALPHA_MASK = [] {
    const uchar bytes[4] = {0, 0, 0, 0xFF};
    return Load(bytes);
}();

const quint64 ALPHA_MASK2 = [] {
    const uchar bytes[8] = {0, 0, 0, 0xFF, 0, 0, 0, 0xFF};
    quint64 value;
    std::memcpy(&value, bytes, 8);
    return value;
}();

// Div255(x * a + y * b) in each byte lane of two pixels, two lanes at a time
// in 16-bit slots (no slot exceeds 65535 on the way).
inline quint32 MixLanes(quint32 x, int a, quint32 y, int b)
{
    quint32 low = (x & 0x00FF00FF) * a + (y & 0x00FF00FF) * b + 0x00800080;
    quint32 high = ((x >> 8) & 0x00FF00FF) * a + ((y >> 8) & 0x00FF00FF) * b + 0x00800080;
    low = ((low + ((low >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
    high = ((high + ((high >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
    return low | (high << 8);
}

// The alpha lane's value.
inline int AlphaOf(quint32 pixel)
{
    uchar bytes[4];
    std::memcpy(bytes, &pixel, 4);
    return bytes[3];
}

// Adds the byte lanes, each wrapping on its own as a byte does.
inline quint32 AddLanes(quint32 x, quint32 y)
{
    const quint32 low = ((x & 0x00FF00FF) + (y & 0x00FF00FF)) & 0x00FF00FF;
    const quint32 high = (((x >> 8) & 0x00FF00FF) + ((y >> 8) & 0x00FF00FF)) & 0x00FF00FF;
    return low | (high << 8);
}

// Four transparent pixels in a row.
inline bool FourTransparent(const uchar* p)
{
    quint64 first;
    quint64 second;
    std::memcpy(&first, p, 8);
    std::memcpy(&second, p + 8, 8);
    return ((first | second) & ALPHA_MASK2) == 0;
}

// Straight colour from premultiplied, rounded: UNPREMULTIPLY[a][c].
struct UnpremultiplyTable
{
    uchar values[256][256];
    UnpremultiplyTable()
    {
        for (int c = 0; c < 256; ++c)
            values[0][c] = 0;
        for (int a = 1; a < 256; ++a)
            for (int c = 0; c < 256; ++c)
                values[a][c] = static_cast<uchar>(std::min(255, (c * 255 + a / 2) / a));
    }
};

const UnpremultiplyTable& Unpremultiplied()
{
    static const UnpremultiplyTable table;
    return table;
}

} // namespace

void PixelSpan::BlendStraight(uchar* dst, const uchar* src, int count, int opacity)
{
    if (opacity <= 0)
        return;
    int i = 0;
    while (i < count) {
        if (i + 4 <= count && FourTransparent(src)) {
            i += 4;
            src += 16;
            dst += 16;
            continue;
        }
        int a = src[3];
        if (opacity < 255)
            a = Div255(a * opacity);
        if (a == 255) {
            Store(dst, Load(src));
        } else if (a != 0) {
            // The source counts as opaque colour at coverage a: alpha lane
            // becomes Div255(255 a + dst.a (255 - a)) like the colour lanes.
            Store(dst, MixLanes(Load(src) | ALPHA_MASK, a, Load(dst), 255 - a));
        }
        ++i;
        src += 4;
        dst += 4;
    }
}

void PixelSpan::BlendPremultiplied(uchar* dst, const uchar* src, int count, int opacity)
{
    if (opacity <= 0)
        return;
    for (int i = 0; i < count; ++i, dst += 4, src += 4) {
        if (i + 4 <= count && FourTransparent(src)) {
            i += 3;
            dst += 12;
            src += 12;
            continue;
        }
        if (src[3] == 0)
            continue;
        quint32 source = Load(src);
        if (opacity < 255)
            source = MixLanes(source, opacity, 0, 0);
        const int inverse = 255 - AlphaOf(source);
        if (inverse == 255)
            continue;
        if (inverse == 0)
            Store(dst, source);  // opaque: what lay under is covered
        else
            Store(dst, AddLanes(source, MixLanes(Load(dst), inverse, 0, 0)));
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
    const UnpremultiplyTable& table = Unpremultiplied();
    for (int i = 0; i < count; ++i, dst += 4, src += 4) {
        if (i + 4 <= count && FourTransparent(src)) {
            std::memset(dst, 0, 16);
            i += 3;
            dst += 12;
            src += 12;
            continue;
        }
        const int a = src[3];
        if (a == 255 || a == 0) {
            Store(dst, a ? Load(src) : 0);
            continue;
        }
        const uchar* row = table.values[a];
        dst[0] = row[src[0]];
        dst[1] = row[src[1]];
        dst[2] = row[src[2]];
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
