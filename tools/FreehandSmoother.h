#pragma once

#include <QList>
#include <QPoint>

// The smoothing window of a freehand stroke: the last five sampled image
// positions with their opacities, newest first. The smoothed sample weighs
// the newest k, the oldest 1, and rounds halves up.
class FreehandSmoother
{
public:
    static constexpr int WINDOW_SIZE = 5;

    void Clear();
    // Puts the sample at the front, dropping the oldest of a full window.
    void Push(const QPoint& position, float opacity);
    // Takes back the sample just pushed (a sample the spacing filter
    // rejected does not stay in the window).
    void DropNewest();
    // The weighted average of the window; (0, 0) and 0 when it is empty.
    QPoint SmoothedPosition() const;
    float SmoothedOpacity() const;
    int Count() const { return positions.size(); }

    // Rounds to the nearest integer, halves toward positive infinity.
    static int RoundHalfUp(double value);

private:
    int WeightSum() const;

    QList<QPoint> positions;
    QList<float> opacities;
};
