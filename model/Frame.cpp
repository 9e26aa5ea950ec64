#include "model/Frame.h"

#include "base/ImageSize.h"
#include "model/FrameCache.h"
#include "model/ImageTask.h"
#include "model/PngCodec.h"
#include "model/WorkerPool.h"

#include <QPainter>

#include <cmath>

namespace {

// Runs on workers too: touches nothing but its arguments.
QImage Decode(const QByteArray& bytes)
{
    QImage image;
    if (!PngCodec::Unpack(bytes, image) || image.isNull())
        return QImage();
    return Frame::Normalized(image);
}

QByteArray Encode(const QImage& image)
{
    QByteArray bytes;
    if (!PngCodec::Pack(image, bytes))
        bytes.clear();
    return bytes;
}

// A blank frame is stored as a transparent image; its bytes never change.
const QByteArray& BlankBytes()
{
    static const QByteArray bytes = Encode(Frame::BlankImage());
    return bytes;
}

} // namespace

Frame::Frame(const MTime& time) : time(time), self(std::make_shared<Frame*>(this)) {}

Frame::Frame(const Frame& other) : time(other.time), self(std::make_shared<Frame*>(this))
{
    if (other.BytesCurrent() || other.image.isNull())
        packedImage = other.packedImage;
    else
        packedImage = Encode(other.image);
}

Frame::~Frame()
{
    *self = nullptr;
    FrameCache::Release(this);
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
    DropTasks();
    image = Normalized(value);
    packedImage.clear();
    encodedKey = 0;
    if (image.isNull())
        FrameCache::Instance().Forget(this);
    else
        FrameCache::Instance().Touch(this);
}

QImage& Frame::GetImage()
{
    if (image.isNull()) {
        if (decoding) {
            decoding->Finish();
            const QImage result = *decoded;
            DropTasks();
            AdoptDecoded(result);
        } else if (!packedImage.isEmpty()) {
            AdoptDecoded(Decode(packedImage));
        } else {
            image = BlankImage();
        }
    }
    FrameCache::Instance().Touch(this);
    return image;
}

void Frame::AdoptDecoded(const QImage& value)
{
    if (value.isNull()) {
        // Bytes that cannot be decoded are dropped; the frame reads as blank.
        image = BlankImage();
        packedImage.clear();
        encodedKey = 0;
        return;
    }
    image = value;
    encodedKey = image.cacheKey();
}

void Frame::SetPackedImage(const QByteArray& bytes)
{
    DropTasks();
    image = QImage();
    packedImage = bytes;
    encodedKey = 0;
    FrameCache::Instance().Forget(this);
}

void Frame::PackImage()
{
    if (image.isNull())
        return;
    EncodedBytes();
    if (!DropImage())
        SetPackedImage(QByteArray());  // could not be encoded: blank, as a failed pack always was
}

bool Frame::BytesCurrent() const
{
    return !packedImage.isEmpty() && (image.isNull() || image.cacheKey() == encodedKey);
}

QByteArray Frame::EncodedBytes()
{
    if (BytesCurrent())
        return packedImage;
    if (image.isNull())
        return packedImage = BlankBytes();
    if (encoding && encodingKey == image.cacheKey())
        FinishEncoding();
    if (!BytesCurrent()) {
        packedImage = Encode(image);
        encodedKey = packedImage.isEmpty() ? 0 : image.cacheKey();
    }
    return packedImage;
}

bool Frame::DropImage()
{
    if (!image.isNull() && !BytesCurrent())
        return false;
    DropTasks();
    image = QImage();
    encodedKey = 0;
    FrameCache::Instance().Forget(this);
    return true;
}

void Frame::DecodeAhead()
{
    if (!image.isNull() || packedImage.isEmpty() || decoding)
        return;
    auto result = std::make_shared<QImage>();
    auto task = std::make_shared<ImageTask>(
        [bytes = packedImage, result]() { *result = Decode(bytes); });
    decoding = task;
    decoded = result;
    WorkerPool::Instance().Submit(task, [token = self, task]() {
        if (Frame* frame = *token)
            frame->LandDecoding(task);
    });
}

void Frame::LandDecoding(const std::shared_ptr<ImageTask>& task)
{
    // Bytes or pixels set since the task started dropped it.
    if (task != decoding)
        return;
    task->Finish();  // done already; orders the result's writes before this read
    const QImage result = *decoded;
    DropTasks();
    AdoptDecoded(result);
    FrameCache::Instance().Touch(this);
}

void Frame::EncodeAhead()
{
    if (image.isNull() || BytesCurrent() || (encoding && encodingKey == image.cacheKey()))
        return;
    auto result = std::make_shared<QByteArray>();
    auto task = std::make_shared<ImageTask>(
        [pixels = image, result]() { *result = Encode(pixels); });
    encoding = task;
    encoded = result;
    encodingKey = image.cacheKey();
    WorkerPool::Instance().Submit(task, [token = self, task]() {
        if (Frame* frame = *token)
            frame->LandEncoding(task);
    });
}

void Frame::LandEncoding(const std::shared_ptr<ImageTask>& task)
{
    if (task != encoding)
        return;
    FinishEncoding();
    // It was encoded to be dropped: the cache decides whether it still is.
    FrameCache::Instance().Trim();
}

void Frame::FinishEncoding()
{
    encoding->Finish();
    // Pixels painted since the task took its copy make the result stale.
    if (!image.isNull() && encodingKey == image.cacheKey() && !encoded->isEmpty()) {
        packedImage = *encoded;
        encodedKey = encodingKey;
    }
    encoding = nullptr;
    encoded = nullptr;
}

void Frame::DropTasks()
{
    decoding = nullptr;
    decoded = nullptr;
    encoding = nullptr;
    encoded = nullptr;
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
