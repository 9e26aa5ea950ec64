#include "raster/AlphaCanvas.h"

#include "base/ImageSize.h"

#include <QtGlobal>

#include <algorithm>

AlphaCanvas::AlphaCanvas(QImage& image)
{
    if (image.isNull() || !HasTrailingAlpha(image.format()))
        return;
    bits = image.bits();  // detaches a shared image once, here
    if (bits == nullptr)
        return;
    stride = image.bytesPerLine();
    width = std::min(image.width(), FRAME_IMAGE_SIDE);
    height = std::min(image.height(), FRAME_IMAGE_SIDE);
}

void AlphaCanvas::Raise(int x, int y, unsigned char value) const
{
    if (!Contains(x, y))
        return;
    unsigned char& alpha = Alpha(x, y);
    if (value > alpha)
        alpha = value;
}

unsigned char AlphaCanvas::ToByte(float value)
{
    if (!(value > 0.0f))  // also NaN
        return 0;
    if (value >= 1.0f)
        return 255;
    return static_cast<unsigned char>(static_cast<int>(value * 255.0f));
}

float AlphaCanvas::ClampUnit(float value)
{
    if (!(value > 0.0f))  // also NaN
        return 0.0f;
    return std::min(value, 1.0f);
}

bool AlphaCanvas::HasTrailingAlpha(QImage::Format format)
{
    if (format == QImage::Format_RGBA8888)
        return true;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    return format == QImage::Format_ARGB32;
#else
    return false;
#endif
}
