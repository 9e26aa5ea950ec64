#include "model/FramePrefetcher.h"

#include "base/Settings.h"
#include "model/Frame.h"
#include "model/Layer.h"

#include <algorithm>

QVector<Frame*> FramePrefetcher::Shown(const QList<Layer*>& layers, const Layer* active,
                                       int previous, int next)
{
    QVector<Frame*> frames;
    for (const Layer* layer : layers) {
        const int current = layer->GetCurrentFrameIndex();
        const bool ghosts = layer == active;
        for (int i = current - (ghosts ? previous : 0); i <= current + (ghosts ? next : 0); ++i)
            if (Frame* frame = layer->GetFrame(i))
                frames << frame;
    }
    return frames;
}

void FramePrefetcher::Ahead(const QList<Layer*>& layers, const Layer* active, int time,
                            bool playing, int start, int end)
{
    if (playing)
        direction = 1;
    else if (time != lastTime)
        direction = time > lastTime ? 1 : -1;
    lastTime = time;
    const int target = time + direction * LOOK_AHEAD;
    const bool wraps = playing && target > end && start <= end;
    for (Layer* layer : layers) {
        if (!layer->IsVisible())
            continue;
        int ghosts = 0;
        if (layer == active)
            ghosts = direction > 0 ? (Settings::ghostNext ? Settings::ghostNextCount : 0)
                                   : (Settings::ghostPrev ? Settings::ghostPrevCount : 0);
        DecodeShown(*layer, time + direction, wraps ? end : target, ghosts);
        if (wraps)
            DecodeShown(*layer, start, std::min(end, start + (target - end) - 1), ghosts);
    }
}

void FramePrefetcher::DecodeShown(Layer& layer, int first, int last, int ghosts)
{
    const int from = layer.FrameIndexAt(first);
    const int to = layer.FrameIndexAt(last);
    const bool forward = last >= first;
    int low = std::min(from, to);
    int high = std::max(from, to);
    if (forward)
        high += std::max(0, ghosts);
    else
        low -= std::max(0, ghosts);
    low = std::max(0, low);
    high = std::min(layer.FrameCount() - 1, high);
    // Nearest first: the workers take them in this order.
    for (int n = 0; n <= high - low; ++n)
        layer.GetFrame(forward ? low + n : high - n)->DecodeAhead();
}
