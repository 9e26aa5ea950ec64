#include "model/Layer.h"

#include "base/MayaUtil.h"
#include "model/Frame.h"

#include <algorithm>

namespace {
const QString NEW_LAYER_NAME = QStringLiteral("New Layer");
}

Layer::Layer()
    : name(NEW_LAYER_NAME),
      active(false),
      visible(true),
      opacity(1.0f),
      state(LAYER_STATE_ANIM),
      currentFrameIndex(-1),
      cacheUpdateRequired(true)
{
}

Layer::~Layer()
{
    RemoveAllFrames();
}

void Layer::RemoveAllFrames()
{
    qDeleteAll(frames);
    frames.clear();
    currentFrameIndex = -1;
    cacheUpdateRequired = true;
}

void Layer::SetName(const QString& value) { name = value; }
QString Layer::GetName() const { return name; }

void Layer::SetVisible(bool value)
{
    if (visible == value)
        return;
    visible = value;
    cacheUpdateRequired = true;
}

bool Layer::IsVisible() const { return visible; }

void Layer::SetOpacity(float value)
{
    value = std::clamp(value, 0.0f, 1.0f);
    if (opacity == value)
        return;
    opacity = value;
    cacheUpdateRequired = true;
}

float Layer::GetOpacity() const { return opacity; }
void Layer::SetState(LayerState value) { state = value; }
LayerState Layer::GetState() const { return state; }
void Layer::SetActive(bool value) { active = value; }
bool Layer::IsActive() const { return active; }
int Layer::FrameCount() const { return frames.size(); }

int Layer::AddFrame()
{
    return InsertFrame(new Frame(MayaUtil::GetPlaybackTime()));
}

int Layer::AddFrame(const MTime& time)
{
    return InsertFrame(new Frame(time));
}

int Layer::InsertFrame(Frame* frame)
{
    if (!frame)
        return -1;
    const int time = frame->GetTimeValue();
    if (FindFrame(time) >= 0) {
        delete frame;
        return -1;
    }
    int index = 0;
    while (index < frames.size() && frames[index]->GetTimeValue() <= time)
        ++index;
    frames.insert(index, frame);
    UpdateCurrentFrameIndex();
    // The neighbours shown as ghosts changed even when the current frame did not.
    cacheUpdateRequired = true;
    return index;
}

Frame* Layer::RemoveFrame()
{
    return RemoveFrame(MayaUtil::GetPlaybackTime());
}

Frame* Layer::RemoveFrame(const MTime& time)
{
    const int index = FindFrame(Frame(time).GetTimeValue());
    if (index < 0)
        return nullptr;
    Frame* frame = frames.takeAt(index);
    UpdateCurrentFrameIndex();
    // The neighbours shown as ghosts changed even when the current frame did not.
    cacheUpdateRequired = true;
    return frame;
}

Frame* Layer::GetFrame(int index) const
{
    return index >= 0 && index < frames.size() ? frames[index] : nullptr;
}

Frame* Layer::GetFrameCopy(const MTime& time) const
{
    const int index = FindFrame(Frame(time).GetTimeValue());
    return index >= 0 ? new Frame(*frames[index]) : nullptr;
}

bool Layer::FrameExists(int time) const
{
    return FindFrame(time) >= 0;
}

bool Layer::FrameExists(const MTime& time) const
{
    return FrameExists(Frame(time).GetTimeValue());
}

bool Layer::FrameExists() const
{
    if (state == LAYER_STATE_STATIC && currentFrameIndex >= 0)
        return true;
    return FrameExists(MayaUtil::GetPlaybackTimeValue());
}

bool Layer::StaticFrameExists() const { return currentFrameIndex >= 0; }
int Layer::GetCurrentFrameIndex() const { return currentFrameIndex; }

void Layer::UpdateCurrentFrameIndex()
{
    UpdateCurrentFrameIndex(MayaUtil::GetPlaybackTimeValue());
}

int Layer::FrameIndexAt(int time) const
{
    int index = 0;
    while (index < frames.size() && frames[index]->GetTimeValue() <= time)
        ++index;
    return index - 1;  // the last frame at or before the time, -1 before the first
}

void Layer::UpdateCurrentFrameIndex(int time)
{
    const int index = FrameIndexAt(time);
    if (index == currentFrameIndex)
        return;
    currentFrameIndex = index;
    cacheUpdateRequired = true;
}

Frame* Layer::GetPreviousFrame(bool wrap) const
{
    if (frames.isEmpty())
        return nullptr;
    const int time = MayaUtil::GetPlaybackTimeValue();
    for (int i = frames.size() - 1; i >= 0; --i)
        if (frames[i]->GetTimeValue() < time)
            return frames[i];
    return wrap ? frames.last() : nullptr;
}

Frame* Layer::GetNextFrame(bool wrap) const
{
    if (frames.isEmpty())
        return nullptr;
    const int time = MayaUtil::GetPlaybackTimeValue();
    for (Frame* frame : frames)
        if (frame->GetTimeValue() > time)
            return frame;
    return wrap ? frames.first() : nullptr;
}

void Layer::GetFrameTimes(QList<int>& times) const
{
    times.clear();
    for (const Frame* frame : frames) {
        const int time = frame->GetTimeValue();
        if (!times.contains(time))
            times.append(time);
    }
}

void Layer::SetFrameTimes(const QList<int>& times)
{
    const int count = std::min(times.size(), frames.size());
    for (int i = 0; i < count; ++i)
        frames[i]->SetTimeValue(times[i]);
}

void Layer::SetImage(const QImage& image)
{
    if (currentFrameIndex < 0)
        return;
    frames[currentFrameIndex]->SetImage(image);
    cacheUpdateRequired = true;
}

QImage& Layer::GetImage(int offset)
{
    cacheUpdateRequired = false;
    if (!visible)
        return EmptyImage();
    const int index = currentFrameIndex + offset;
    if (index < 0 || index >= frames.size())
        return EmptyImage();
    return frames[index]->GetImage();
}

bool Layer::CacheUpdateRequired() const { return cacheUpdateRequired; }
void Layer::ForceCacheUpdate() { cacheUpdateRequired = true; }

QImage& Layer::EmptyImage()
{
    static QImage empty;
    // A caller that painted into it broke the rule; keep it null for the next.
    if (!empty.isNull())
        empty = QImage();
    return empty;
}

int Layer::FindFrame(int time) const
{
    for (int i = 0; i < frames.size(); ++i)
        if (frames[i]->GetTimeValue() == time)
            return i;
    return -1;
}
