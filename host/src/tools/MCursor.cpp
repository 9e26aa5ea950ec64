#include <maya/MCursor.h>

#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include <cstring>
#include <vector>

namespace nbhost {

// A cursor as given: a standard shape, X bitmaps or an image file. The Qt
// cursor is made when shown (bitmaps need the GUI application).
struct CursorData
{
    int shape = Qt::ArrowCursor;
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
    std::vector<unsigned char> bits;
    std::vector<unsigned char> mask;
    QString file;

    bool operator==(const CursorData& other) const
    {
        return shape == other.shape && width == other.width && height == other.height && hotX == other.hotX
               && hotY == other.hotY && bits == other.bits && mask == other.mask && file == other.file;
    }
};

} // namespace nbhost

using nbhost::CursorData;

const MCursor MCursor::defaultCursor(Qt::ArrowCursor);
const MCursor MCursor::crossHairCursor(Qt::CrossCursor);
const MCursor MCursor::doubleCrossHairCursor(Qt::SizeAllCursor);
const MCursor MCursor::editCursor(Qt::PointingHandCursor);
const MCursor MCursor::pencilCursor(Qt::IBeamCursor);
const MCursor MCursor::handCursor(Qt::OpenHandCursor);

MCursor::MCursor(int shape) : fData(new CursorData) { fData->shape = shape; }

MCursor::MCursor(short width, short height, short hotSpotX, short hotSpotY, unsigned char* bits,
                 unsigned char* mask)
    : fData(new CursorData)
{
    if (width <= 0 || height <= 0 || !bits)
        return;
    fData->shape = Qt::BitmapCursor;
    fData->width = width;
    fData->height = height;
    fData->hotX = hotSpotX;
    fData->hotY = hotSpotY;
    const size_t bytes = size_t((width + 7) / 8) * size_t(height);
    fData->bits.assign(bits, bits + bytes);
    if (mask)
        fData->mask.assign(mask, mask + bytes);
    else
        fData->mask = fData->bits;
}

MCursor::MCursor(const MString& xpmFileName) : fData(new CursorData)
{
    fData->shape = Qt::BitmapCursor;
    fData->file = QString::fromUtf8(xpmFileName.asChar());
}

MCursor::MCursor(const MCursor& other) : fData(new CursorData(*other.fData)) {}

MCursor& MCursor::operator=(const MCursor& other)
{
    if (this != &other)
        *fData = *other.fData;
    return *this;
}

MCursor::~MCursor() { delete fData; }

bool MCursor::operator==(const MCursor& other) const { return *fData == *other.fData; }
bool MCursor::operator!=(const MCursor& other) const { return !(*this == other); }

QCursor MCursor::hostCursor() const
{
    if (fData->shape != Qt::BitmapCursor || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QCursor(fData->shape == Qt::BitmapCursor ? Qt::ArrowCursor : Qt::CursorShape(fData->shape));
    if (!fData->file.isEmpty()) {
        const QPixmap pixmap(fData->file);
        return pixmap.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(pixmap);
    }
    const QSize size(fData->width, fData->height);
    const auto bitmap = [&size](const std::vector<unsigned char>& data) {
        return QBitmap::fromData(size, data.data(), QImage::Format_MonoLSB);
    };
    return QCursor(bitmap(fData->bits), bitmap(fData->mask), fData->hotX, fData->hotY);
}
