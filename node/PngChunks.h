#pragma once

#include <QByteArray>

// A look at stored PNG bytes without decoding them: the signature, a sound
// header of a size a frame may have, and whole chunks with good checksums up
// to the end chunk. Frames keep their bytes undecoded when read, so this is
// how a reader tells a damaged image from a drawing, at a small fraction of
// the cost of a decode. Damage inside the compressed pixels with intact
// checksums passes; such a frame reads as blank when first shown.
class PngChunks
{
public:
    static bool Check(const QByteArray& bytes);

private:
    static bool CheckHeader(const uchar* data, quint32 length);
    static quint32 Crc(const uchar* data, quint32 length);
    static quint32 Read32(const uchar* data);
};
