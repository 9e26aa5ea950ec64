#pragma once

#include <QList>
#include <QString>

class Frame;
class LayerManager;

// Frames copied from the active layer of a camera, packed as PNG, with times
// relative to the start of the copied range. The clipboard owns its frames.
class FrameClipboard
{
public:
    FrameClipboard() = default;
    ~FrameClipboard();
    FrameClipboard(const FrameClipboard&) = delete;
    FrameClipboard& operator=(const FrameClipboard&) = delete;

    void Clear();
    // Replaces the contents with the frames at times start <= t < end.
    void Copy(const LayerManager& manager, const QString& camera, int start, int end);
    // The frames stay the clipboard's.
    QList<Frame*> Frames() const { return frames; }

private:
    QList<Frame*> frames;
};
