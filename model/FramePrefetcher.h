#pragma once

#include <QList>
#include <QVector>

class Frame;
class Layer;

// Keeps the pixels a camera's composition needs at hand: the frames it shows
// now stay decoded (FrameCache), and while the time moves (playback or
// scrubbing) the frames and ghosts of the coming times are decoded ahead on
// the workers, in the direction of travel, so that composing a new time
// rarely waits for a decode.
class FramePrefetcher
{
public:
    // Times looked ahead, in frames of the UI unit.
    static const int LOOK_AHEAD = 4;

    // The frames shown now with the given ghost counts: each layer's current
    // frame and the active layer's neighbours.
    static QVector<Frame*> Shown(const QList<Layer*>& layers, const Layer* active, int previous,
                                 int next);

    // The time moved to `time`. While playing, travel is forward and wraps
    // from the end of the playback range [start, end] to its start.
    void Ahead(const QList<Layer*>& layers, const Layer* active, int time, bool playing,
               int start, int end);

private:
    // Decodes the frames a layer shows at times first..last (either order),
    // widened by `ghosts` frames beyond the far end.
    static void DecodeShown(Layer& layer, int first, int last, int ghosts);

    int lastTime = 0;
    int direction = 1;
};
