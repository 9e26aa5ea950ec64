#include "model/Frame.h"

#include "base/ImageSize.h"
#include "raster/DrawUtil.h"

#include <QPainter>

#include <cmath>

Frame::Frame(const MTime& time) : time(time) {}

Frame::Frame(const Frame& other) : time(other.time)
{
    if (!other.image.isNull())
        DrawUtil::PackPngBuffer(other.image, packedImage);
    else
        packedImage = other.packedImage;
}

void Frame::SetTime(const MTime& value)
{
    time = value;
}

MTime Frame::GetTime() const
{
    return time;
}

void Frame::SetTimeValue(int value)
{
    time = MTime(static_cast<double>(value), MTime::uiUnit());
}

int Frame::GetTimeValue() const
{
    // A unit conversion may land a hair below a whole frame (12.9999999);
    // that is still frame 13, not 12.
    const double value = time.as(MTime::uiUnit());
    const double nearest = std::round(value);
    if (std::fabs(value - nearest) < 1e-6)
        return static_cast<int>(nearest);
    return static_cast<int>(value);
}

void Frame::SetImage(const QImage& value)
{
    image = Normalized(value);
}

QImage& Frame::GetImage()
{
    if (!image.isNull())
        return image;
    QImage decoded;
    if (!packedImage.isEmpty() && DrawUtil::UnpackPngBuffer(packedImage, decoded)
        && !decoded.isNull())
        image = Normalized(decoded);
    else
        image = BlankImage();  // blank, or bytes that cannot be decoded
    packedImage.clear();
    return image;
}

void Frame::SetPackedImage(const QByteArray& bytes)
{
    image = QImage();
    packedImage = bytes;
}

void Frame::PackImage()
{
    if (image.isNull())
        return;
    DrawUtil::PackPngBuffer(image, packedImage);
    image = QImage();
}

QImage Frame::BlankImage()
{
    QImage blank(FRAME_IMAGE_SIDE, FRAME_IMAGE_SIDE, QImage::Format_RGBA8888);
    blank.fill(Qt::transparent);
    return blank;
}

QImage Frame::Normalized(const QImage& value)
{
    if (value.isNull())
        return value;
    const int width = FRAME_IMAGE_SIDE;
    QImage result = value.format() == QImage::Format_RGBA8888
                        ? value
                        : value.convertToFormat(QImage::Format_RGBA8888);
    if (result.width() == width && result.height() == width)
        return result;
    QImage sized = BlankImage();
    QPainter painter(&sized);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, result);
    return sized;
}
