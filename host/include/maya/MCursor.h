#pragma once
// A mouse cursor that tool contexts show in the views.

#include <maya/MTypes.h>
#include <maya/MString.h>

class QCursor;

namespace nbhost {
struct CursorData;
}

class OPENMAYAUI_EXPORT MCursor
{
public:
    // A cursor from X bitmap data: width x height bits, rows padded to
    // whole bytes, least significant bit first; mask bits mark the drawn
    // pixels.
    MCursor(short width, short height, short hotSpotX, short hotSpotY, unsigned char* bits,
            unsigned char* mask);
    // A cursor from an image file or resource (":/..."); the default
    // cursor when it cannot be read.
    MCursor(const MString& xpmFileName);
    MCursor(const MCursor& other);
    MCursor& operator=(const MCursor& other);
    ~MCursor();

    bool operator==(const MCursor& other) const;
    bool operator!=(const MCursor& other) const;

    static const MCursor defaultCursor;
    static const MCursor crossHairCursor;
    static const MCursor doubleCrossHairCursor;
    static const MCursor editCursor;
    static const MCursor pencilCursor;
    static const MCursor handCursor;

    // Host side: the cursor to show (needs the GUI application).
    QCursor hostCursor() const;

private:
    explicit MCursor(int shape);

    nbhost::CursorData* fData;
};
