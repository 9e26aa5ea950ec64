#pragma once

#include <maya/MTime.h>

#include <QByteArray>
#include <QImage>

#include <memory>

class ImageTask;

// One drawing keyed at one time. The drawing is held as an image, as PNG
// bytes or both: bytes read from a file are kept and decoded only when the
// pixels are wanted, and they stay the drawing's stored form for as long as
// the pixels are not changed, so an unchanged frame is saved byte for byte
// and its pixels can be dropped and recreated at will (see FrameCache). A
// frame with neither is blank.
//
// Whether the pixels changed is told by the image's cache key, which Qt
// renews whenever an image may be written (painting, scanLine, bits).
class Frame
{
public:
    explicit Frame(const MTime& time);
    // A copy is always packed: it serves undo records and the clipboard.
    // Bytes that still hold the drawing are shared, not encoded again.
    Frame(const Frame& other);
    Frame& operator=(const Frame&) = delete;
    ~Frame();

    void SetTime(const MTime& time);
    MTime GetTime() const;
    // The time in the host's current UI unit, truncated toward zero.
    void SetTimeValue(int value);
    int GetTimeValue() const;

    // Keeps a shared copy; images of another size or format are brought to
    // the frame format first. Kept bytes no longer hold the drawing and go.
    void SetImage(const QImage& image);
    // The drawing, decoded on demand (bytes that do not decode read as
    // transparent and are dropped); the caller may paint into it. It stays
    // valid until the frame changes or FrameCache trims.
    QImage& GetImage();
    // Keeps the drawing as PNG bytes only (encoding it when changed).
    void PackImage();

    // PNG bytes become the drawing, decoded when first read.
    void SetPackedImage(const QByteArray& bytes);

    bool IsBlank() const { return image.isNull() && packedImage.isEmpty(); }
    bool IsPacked() const { return image.isNull() && !packedImage.isEmpty(); }
    bool IsDecoded() const { return !image.isNull(); }
    const QByteArray& GetPackedImage() const { return packedImage; }
    // The kept bytes hold the drawing as it is now.
    bool BytesCurrent() const;
    // The drawing as PNG: the kept bytes when current, else a new encoding,
    // which is kept. Empty when it cannot be encoded.
    QByteArray EncodedBytes();
    // Drops the pixels when the kept bytes recreate them; false otherwise.
    bool DropImage();

    // Work for the worker pool; results are taken in on the GUI thread, when
    // they land or when the frame needs them first, whichever is sooner.
    // Decodes the kept bytes ahead of their use.
    void DecodeAhead();
    // Encodes changed pixels, so that they can be dropped or saved.
    void EncodeAhead();

    // A transparent frame-sized image.
    static QImage BlankImage();
    // The image as a frame image: RGBA8888 and frame-sized, cropped or padded
    // with transparent pixels at the right and bottom. A null image stays null.
    static QImage Normalized(const QImage& image);

private:
    // Takes in decoded pixels (null: the bytes did not decode).
    void AdoptDecoded(const QImage& decoded);
    void LandDecoding(const std::shared_ptr<ImageTask>& task);
    void LandEncoding(const std::shared_ptr<ImageTask>& task);
    void FinishEncoding();
    void DropTasks();

    MTime time;
    QImage image;
    QByteArray packedImage;
    // The cache key of the image that `packedImage` encodes; 0 when the
    // bytes were not decoded or encoded into `image`.
    qint64 encodedKey = 0;

    // Work in flight on the pool, with where it puts its result.
    std::shared_ptr<ImageTask> decoding;
    std::shared_ptr<QImage> decoded;
    std::shared_ptr<ImageTask> encoding;
    std::shared_ptr<QByteArray> encoded;
    qint64 encodingKey = 0;
    // Lets a landing tell whether the frame still exists.
    std::shared_ptr<Frame*> self;
};
