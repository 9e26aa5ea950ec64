#pragma once

#include <maya/MTime.h>

#include <QByteArray>
#include <QImage>

// One drawing keyed at one time. The drawing is held either as an image
// (unpacked) or as PNG bytes (packed) to save memory, and converts between
// the two on demand; a frame with neither is blank.
class Frame
{
public:
    explicit Frame(const MTime& time);
    // A copy is always packed: it serves undo records and the clipboard.
    Frame(const Frame& other);
    Frame& operator=(const Frame&) = delete;

    void SetTime(const MTime& time);
    MTime GetTime() const;
    // The time in the host's current UI unit, truncated toward zero.
    void SetTimeValue(int value);
    int GetTimeValue() const;

    // Keeps a shared copy; images of another size or format are brought to
    // the frame format first. The packed bytes are left alone: an image that
    // is set always wins over them.
    void SetImage(const QImage& image);
    // The drawing, unpacked on demand; the caller may paint into it.
    QImage& GetImage();
    // Moves the drawing into PNG bytes.
    void PackImage();

    // PNG bytes become the drawing, decoded when first read; bytes that do
    // not decode read as a transparent drawing.
    void SetPackedImage(const QByteArray& bytes);

    bool IsBlank() const { return image.isNull() && packedImage.isEmpty(); }
    bool IsPacked() const { return image.isNull() && !packedImage.isEmpty(); }
    const QByteArray& GetPackedImage() const { return packedImage; }

    // A transparent frame-sized image.
    static QImage BlankImage();
    // The image as a frame image: RGBA8888 and frame-sized, cropped or padded
    // with transparent pixels at the right and bottom. A null image stays null.
    static QImage Normalized(const QImage& image);

private:
    MTime time;
    QImage image;
    QByteArray packedImage;
};
