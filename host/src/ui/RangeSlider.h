#pragma once

#include <QWidget>

class QDoubleSpinBox;

namespace nbhost {

class RangeBar;
class TimeState;

// The range slider under the time slider: fields for the animation start,
// playback start, playback end and animation end around a bar on which the
// playback range can be dragged.
class RangeSlider : public QWidget
{
    Q_OBJECT

public:
    explicit RangeSlider(TimeState& time, QWidget* parent = nullptr);

    // Shows the time state's values.
    void refresh();

private:
    QDoubleSpinBox* addField(const char* name, const QString& tip);
    void fieldEdited(QDoubleSpinBox* field);

    TimeState& m_time;
    QDoubleSpinBox* m_animationStart = nullptr;
    QDoubleSpinBox* m_playbackStart = nullptr;
    QDoubleSpinBox* m_playbackEnd = nullptr;
    QDoubleSpinBox* m_animationEnd = nullptr;
    RangeBar* m_bar = nullptr;
};

} // namespace nbhost
