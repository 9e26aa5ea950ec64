#pragma once

#include "node/TimelineMarks.h"

#include <maya/MDoubleArray.h>

#include <QList>
#include <QWidget>

// A transparent widget laid over the host's time slider that marks the
// drawing frames of the active layer with small ticks. While the draw tool
// is active it follows the slider's gesture of dragging a highlighted range:
// the ticks in the range move with it and, on release, the drawing frames
// in the range are moved by the same number of frames so they stay with the
// keys. Mouse events always pass on to the slider underneath.
class TimeControlOverlay : public QWidget, public TimelineMarks
{
    Q_OBJECT

public:
    explicit TimeControlOverlay(QWidget* timeSlider);
    ~TimeControlOverlay() override;

    void SetFrameTimes(const QList<int>& times) override;
    void ClearFrameTimes() override;
    void SetMarksShown(bool shown) override;
    bool MarksShown() const override;
    void SetDrawContextActive(bool active) override;

    void UpdateMoveOffset() override;
    bool HasMoveOffset() const override;
    int GetMoveOffset() const override;
    MDoubleArray GetRangeForMoveOffset() const override;
    void ResetDrag();

    // Where the ticks go on a slider of the given size, in its pixels.
    struct TickLayout
    {
        float start = 0.0f;    // first frame of the playback range
        float margin = 0.0f;   // left of the first frame
        float perFrame = 0.0f; // pixels per frame
        int top = 0;
        int width = 0;
        int height = 0;

        // Left edge of the tick of a time.
        int X(int time) const;
    };
    // False when the playback range is empty (its end before its start).
    static bool Layout(float start, float end, int sliderWidth, int sliderHeight,
                       bool cachedPlayback, TickLayout& layout);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // On release, on show and when the draw tool becomes active: finishes
    // a range move and records the range highlighted now.
    void UpdateDrag();
    bool Tracking() const;

    QList<int> frameTimes;
    bool rangePressed = false;
    bool rangeDragged = false;
    bool moveActive = false;
    MDoubleArray dragStartRange;
    int moveOffset = 0;
    bool drawContextActive = false;
};
