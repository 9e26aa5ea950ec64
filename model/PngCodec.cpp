#include "model/PngCodec.h"

#include "base/ImageSize.h"

#include <QBuffer>
#include <QImageReader>

namespace {

// Packed images are frames; a PNG claiming sides this many frames long is damaged.
const int MAX_UNPACKED_SIDE_FRAMES = 8;

} // namespace

bool PngCodec::Pack(const QImage& image, QByteArray& bytes)
{
    bytes.clear();
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return false;
    if (image.save(&buffer, "PNG", -1))
        return true;
    buffer.close();
    bytes.clear();
    return false;
}

bool PngCodec::Unpack(const QByteArray& bytes, QImage& image)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&buffer, "PNG");
    const QSize size = reader.size();
    const int maxSide = MAX_UNPACKED_SIDE_FRAMES * FRAME_IMAGE_SIDE;
    if (!size.isValid() || size.width() > maxSide || size.height() > maxSide)
        return false;
    QImage decoded;
    if (!reader.read(&decoded))
        return false;
    image = decoded.convertToFormat(QImage::Format_RGBA8888);
    return true;
}
