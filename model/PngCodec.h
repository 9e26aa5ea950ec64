#pragma once

#include <QByteArray>
#include <QImage>

// Frame images packed as PNG bytes: how frames are stored, kept for undo and
// copied to the frame clipboard. Safe on any thread.
class PngCodec
{
public:
    // A failed pack leaves the bytes empty.
    static bool Pack(const QImage& image, QByteArray& bytes);
    // A failed unpack leaves the image as it was; unpacked images are
    // RGBA8888. Bytes claiming an image far larger than a frame are refused
    // before anything is allocated.
    static bool Unpack(const QByteArray& bytes, QImage& image);
};
