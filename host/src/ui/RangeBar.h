#pragma once

#include <QWidget>

namespace nbhost {

class TimeState;

// The bar of the range slider: the animation range as a track and the
// playback range as a thumb on it. Dragging the thumb's middle moves the
// playback range, dragging one of its ends moves that end; values snap to
// whole frames and stay inside the animation range.
class RangeBar : public QWidget
{
    Q_OBJECT

public:
    explicit RangeBar(TimeState& time, QWidget* parent = nullptr);

    // Horizontal position of a time over the animation range, and back.
    double xAt(double frame) const;
    double frameAt(double x) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Drag { None, Start, End, Both };

    double animationStart() const;
    double animationEnd() const;
    void setPlaybackRange(double start, double end);

    TimeState& m_time;
    Drag m_drag = Drag::None;
    double m_anchor = 0.0;
    double m_startAtPress = 0.0;
    double m_endAtPress = 0.0;
};

} // namespace nbhost
