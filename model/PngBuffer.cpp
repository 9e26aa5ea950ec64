#include "model/PngBuffer.h"

#include "model/PngCodec.h"


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
        PngCodec::Pack(image, encoded);
        return encoded;
    });
}

QByteArray& PngBuffer::Bytes()
{
    if (pending.valid())
        bytes = pending.get();
    return bytes;
}
