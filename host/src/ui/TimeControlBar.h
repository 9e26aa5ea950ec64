#pragma once

#include <QWidget>

class QToolButton;

namespace nbhost {

class RangeSlider;
class TimeSlider;
class TimeState;

// The strip under the views: the time slider with the play and stop
// buttons beside it, and the range slider below.
class TimeControlBar : public QWidget
{
    Q_OBJECT

public:
    explicit TimeControlBar(TimeState& time, QWidget* parent = nullptr);

    TimeSlider& timeSlider() { return *m_slider; }
    RangeSlider& rangeSlider() { return *m_range; }
    // Follows a change of the time state.
    void refresh();

private:
    TimeState& m_time;
    TimeSlider* m_slider = nullptr;
    RangeSlider* m_range = nullptr;
    QToolButton* m_play = nullptr;
    QToolButton* m_stop = nullptr;
};

} // namespace nbhost
