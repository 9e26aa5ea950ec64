#include "model/PngBuffer.h"

#include "raster/DrawUtil.h"

PngBuffer::~PngBuffer()
{
    if (pending.valid())
        pending.wait();
}

void PngBuffer::Encode(const QImage& image)
{
    Bytes();  // never leave a worker behind
    bytes.clear();
    pending = std::async(std::launch::async, [image]() {
        QByteArray encoded;
        DrawUtil::PackPngBuffer(image, encoded);
        return encoded;
    });
}

QByteArray& PngBuffer::Bytes()
{
    if (pending.valid())
        bytes = pending.get();
    return bytes;
}
