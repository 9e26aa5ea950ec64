#include "node/FrameClipboard.h"

#include "model/Frame.h"
#include "model/LayerManager.h"

FrameClipboard::~FrameClipboard()
{
    Clear();
}

void FrameClipboard::Clear()
{
    qDeleteAll(frames);
    frames.clear();
}

void FrameClipboard::Copy(const LayerManager& manager, const QString& camera, int start, int end)
{
    Clear();
    for (int time = start; time < end; ++time) {
        Frame* copy = manager.GetFrameCopy(camera, MTime(static_cast<double>(time), MTime::uiUnit()));
        if (!copy)
            continue;
        copy->SetTimeValue(copy->GetTimeValue() - start);
        copy->PackImage();
        frames.append(copy);
    }
}
