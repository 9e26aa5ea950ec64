#pragma once

#include <QWidget>

namespace nbhost {

class TimeState;

// The time slider: the playback range with ticks and frame labels, the
// current-time marker and the highlighted range. A click or drag scrubs
// the current time; a shift-drag highlights a range [start, end) of whole
// frames; dragging the middle of a highlighted range moves it, and the
// current time moves with it. The highlighted range is the time state's,
// so `timeControl` reports it.
//
// Its geometry is fixed so that widgets laid over it (the plug-in's frame
// marks) can place frames where the slider does: a left margin of 0.5% of
// the width, then the playback range spread over 99% of the width, one
// cell per frame. The slider sits at the top left of its parent, so a
// child given the parent's geometry covers it exactly.
class TimeSlider : public QWidget
{
    Q_OBJECT

public:
    explicit TimeSlider(TimeState& time, QWidget* parent = nullptr);

    double margin() const;
    // Pixels per frame.
    double frameWidth() const;
    // Left edge of the frame's cell.
    double timeToX(double frame) const;
    // The whole frame whose cell holds x, kept inside the playback range.
    double xToTime(double x) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Gesture { None, Scrub, Highlight, MoveRange };

    double firstFrame() const;
    double lastFrame() const;
    double current() const;
    bool onRangeHandle(double x) const;
    void scrubTo(double frame);
    void highlightTo(double frame);
    void moveRangeTo(double frame);
    void setHighlight(double start, double end);
    int labelStep() const;
    void paintTicks(QPainter& painter) const;
    void paintHighlight(QPainter& painter) const;
    void paintCurrentTime(QPainter& painter) const;

    TimeState& m_time;
    Gesture m_gesture = Gesture::None;
    double m_anchor = 0.0;      // frame under the press
    double m_startAtPress = 0.0; // highlighted range and current time at the press of a move
    double m_endAtPress = 0.0;
    double m_currentAtPress = 0.0;
};

} // namespace nbhost
