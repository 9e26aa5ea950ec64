#pragma once

#include "model/LayerState.h"

#include <maya/MTime.h>

#include <QImage>
#include <QList>
#include <QString>

class Frame;

// A run of frames on one camera, sorted by time, with the attributes the
// layer panel shows. The layer owns its frames. It knows which frame is
// shown at the current playback time and whether its look changed since the
// composed image last read it.
class Layer
{
public:
    Layer();
    ~Layer();
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    void RemoveAllFrames();

    void SetName(const QString& value);
    QString GetName() const;
    void SetVisible(bool value);
    bool IsVisible() const;
    // Clamped to 0..1.
    void SetOpacity(float value);
    float GetOpacity() const;
    void SetState(LayerState value);
    LayerState GetState() const;
    void SetActive(bool value);
    bool IsActive() const;

    int FrameCount() const;
    // Frames at the current playback time or the given time; -1 when a frame
    // already has that time.
    int AddFrame();
    int AddFrame(const MTime& time);
    // Takes the frame; a refused frame (one at a time already used) is
    // deleted. The index of the new frame, or -1.
    int InsertFrame(Frame* frame);
    // Takes out the frame at that time and hands it to the caller.
    Frame* RemoveFrame();
    Frame* RemoveFrame(const MTime& time);
    Frame* GetFrame(int index) const;
    // A new, packed copy owned by the caller; null when no frame has the time.
    Frame* GetFrameCopy(const MTime& time) const;
    bool FrameExists(int time) const;
    bool FrameExists(const MTime& time) const;
    // Whether the user may draw now: a static layer on whatever frame is
    // shown, other layers only on a frame at the current time.
    bool FrameExists() const;
    bool StaticFrameExists() const;
    int GetCurrentFrameIndex() const;

    void UpdateCurrentFrameIndex();
    void UpdateCurrentFrameIndex(int time);
    // The index of the frame shown at a time: the last at or before it, or -1.
    int FrameIndexAt(int time) const;
    // Neighbours of the current playback time, strictly before or after it.
    Frame* GetPreviousFrame(bool wrap) const;
    Frame* GetNextFrame(bool wrap) const;
    void GetFrameTimes(QList<int>& times) const;
    // Retimes frames in list order; callers pass ascending times and then
    // move the playback time, which finds the current frame again.
    void SetFrameTimes(const QList<int>& times);

    // Sets the current frame's drawing; nothing without a current frame.
    void SetImage(const QImage& image);
    // The drawing `offset` frames from the current one, or the empty image
    // when there is none or the layer is hidden. Marks the layer as composed.
    QImage& GetImage(int offset);

    bool CacheUpdateRequired() const;
    void ForceCacheUpdate();

    // The process-wide null image that stands for "nothing to draw". Callers
    // only read it.
    static QImage& EmptyImage();

private:
    int FindFrame(int time) const;

    QString name;
    bool active;
    bool visible;
    float opacity;
    LayerState state;
    QList<Frame*> frames;
    int currentFrameIndex;
    bool cacheUpdateRequired;
};
