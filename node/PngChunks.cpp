#include "node/PngChunks.h"

#include "base/ImageSize.h"

#include <array>
#include <cstring>

namespace {

const uchar SIGNATURE[8] = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
// The largest image side the decoder accepts, in frames.
const quint32 MAX_SIDE = 8 * FRAME_IMAGE_SIDE;

bool IsType(const uchar* type, const char* name)
{
    return std::memcmp(type, name, 4) == 0;
}

} // namespace

bool PngChunks::Check(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint64 size = static_cast<quint64>(bytes.size());
    if (size < sizeof SIGNATURE || std::memcmp(data, SIGNATURE, sizeof SIGNATURE) != 0)
        return false;
    bool palette = false;
    bool pixels = false;
    bool paletted = false;
    for (quint64 at = sizeof SIGNATURE; at + 12 <= size;) {
        const quint32 length = Read32(data + at);
        const uchar* type = data + at + 4;
        if (length > 0x7fffffffu || at + 12 + length > size)
            return false;
        if (Crc(type, length + 4) != Read32(type + 4 + length))
            return false;
        const bool first = at == sizeof SIGNATURE;
        if (first != IsType(type, "IHDR") || (first && !CheckHeader(type + 4, length)))
            return false;
        paletted = paletted || (first && type[4 + 9] == 3);
        palette = palette || IsType(type, "PLTE");
        if (IsType(type, "IDAT")) {
            if (paletted && !palette)
                return false;
            pixels = true;
        }
        if (IsType(type, "IEND"))
            return pixels;
        at += 12 + length;
    }
    return false;
}

bool PngChunks::CheckHeader(const uchar* data, quint32 length)
{
    if (length != 13)
        return false;
    const quint32 width = Read32(data);
    const quint32 height = Read32(data + 4);
    const int depth = data[8];
    const int color = data[9];
    if (width == 0 || height == 0 || width > MAX_SIDE || height > MAX_SIDE)
        return false;
    if (data[10] != 0 || data[11] != 0 || data[12] > 1)
        return false;
    switch (color) {
    case 0:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6:
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

quint32 PngChunks::Crc(const uchar* data, quint32 length)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> values{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            values[n] = c;
        }
        return values;
    }();
    quint32 crc = 0xffffffffu;
    for (quint32 i = 0; i < length; ++i)
        crc = table[(crc ^ data[i]) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
}

quint32 PngChunks::Read32(const uchar* data)
{
    return quint32(data[0]) << 24 | quint32(data[1]) << 16 | quint32(data[2]) << 8 | data[3];
}
