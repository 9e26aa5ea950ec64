#pragma once

#include <QByteArray>
#include <QImage>

#include <future>

// PNG bytes of an image that may still be being encoded on a worker thread,
// so that a stroke commit returns without waiting for the encoder. Bytes()
// waits for the worker when needed; the image is a shared copy, so later
// painting on the original does not disturb the encoding.
class PngBuffer
{
public:
    PngBuffer() = default;
    ~PngBuffer();
    PngBuffer(const PngBuffer&) = delete;
    PngBuffer& operator=(const PngBuffer&) = delete;

    // Starts encoding the image; replaces whatever the buffer held.
    void Encode(const QImage& image);
    // The bytes, waiting for the encoding to finish first.
    QByteArray& Bytes();
    bool IsPending() const { return pending.valid(); }

private:
    std::future<QByteArray> pending;
    QByteArray bytes;
};
