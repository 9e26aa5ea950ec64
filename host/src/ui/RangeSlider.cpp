#include "ui/RangeSlider.h"

#include "time/TimeState.h"
#include "ui/RangeBar.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace nbhost {

RangeSlider::RangeSlider(TimeState& time, QWidget* parent) : QWidget(parent), m_time(time)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_animationStart = addField("animationStartField", tr("Animation start time"));
    m_playbackStart = addField("playbackStartField", tr("Playback start time"));
    m_bar = new RangeBar(time, this);
    m_bar->setObjectName(QStringLiteral("rangeBar"));
    m_playbackEnd = addField("playbackEndField", tr("Playback end time"));
    m_animationEnd = addField("animationEndField", tr("Animation end time"));
    layout->addWidget(m_animationStart);
    layout->addWidget(m_playbackStart);
    layout->addWidget(m_bar, 1);
    layout->addWidget(m_playbackEnd);
    layout->addWidget(m_animationEnd);
    refresh();
}

QDoubleSpinBox* RangeSlider::addField(const char* name, const QString& tip)
{
    auto* field = new QDoubleSpinBox(this);
    field->setObjectName(QLatin1String(name));
    field->setToolTip(tip);
    field->setRange(-1.0e7, 1.0e7);
    field->setDecimals(2);
    field->setButtonSymbols(QAbstractSpinBox::NoButtons);
    field->setKeyboardTracking(false);
    field->setMinimumWidth(64);
    connect(field, &QDoubleSpinBox::editingFinished, this, [this, field] { fieldEdited(field); });
    return field;
}

void RangeSlider::fieldEdited(QDoubleSpinBox* field)
{
    const MTime value(field->value(), m_time.uiUnit());
    if (field == m_animationStart)
        m_time.setAnimationStartTime(value);
    else if (field == m_animationEnd)
        m_time.setAnimationEndTime(value);
    else if (field == m_playbackStart)
        m_time.setMinTime(value);
    else
        m_time.setMaxTime(value);
    refresh();
}

void RangeSlider::refresh()
{
    const MTime::Unit unit = m_time.uiUnit();
    const std::pair<QDoubleSpinBox*, MTime> values[] = {{m_animationStart, m_time.animationStartTime()},
                                                         {m_playbackStart, m_time.minTime()},
                                                         {m_playbackEnd, m_time.maxTime()},
                                                         {m_animationEnd, m_time.animationEndTime()}};
    for (const auto& [field, time] : values) {
        if (field->hasFocus())
            continue; // the user is typing in it
        const QSignalBlocker blocker(field);
        field->setValue(time.as(unit));
    }
    m_bar->update();
}

} // namespace nbhost
