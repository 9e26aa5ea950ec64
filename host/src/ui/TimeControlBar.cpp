#include "ui/TimeControlBar.h"

#include "time/TimeState.h"
#include "ui/RangeSlider.h"
#include "ui/TimeSlider.h"

#include <QGridLayout>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace nbhost {

TimeControlBar::TimeControlBar(TimeState& time, QWidget* parent) : QWidget(parent), m_time(time)
{
    // The slider alone in a margin-free holder, so that its geometry within
    // its parent is its whole rectangle.
    auto* holder = new QWidget(this);
    holder->setObjectName(QStringLiteral("timeSliderHolder"));
    auto* holderLayout = new QVBoxLayout(holder);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    m_slider = new TimeSlider(time, holder);
    holderLayout->addWidget(m_slider);

    m_play = new QToolButton(this);
    m_play->setObjectName(QStringLiteral("playButton"));
    m_play->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_play->setToolTip(tr("Play forwards"));
    m_play->setCheckable(true);
    connect(m_play, &QToolButton::clicked, this, [this] { m_time.setPlaying(true, true); });

    m_stop = new QToolButton(this);
    m_stop->setObjectName(QStringLiteral("stopButton"));
    m_stop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    m_stop->setToolTip(tr("Stop playback"));
    connect(m_stop, &QToolButton::clicked, this,
            [this] { m_time.setPlaying(false, m_time.isPlayingForward()); });

    m_range = new RangeSlider(time, this);
    m_range->setObjectName(QStringLiteral("rangeSlider"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(holder, 0, 0);
    layout->addWidget(m_play, 0, 1);
    layout->addWidget(m_stop, 0, 2);
    layout->addWidget(m_range, 1, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    refresh();
}

void TimeControlBar::refresh()
{
    {
        const QSignalBlocker blocker(m_play);
        m_play->setChecked(m_time.isPlaying());
    }
    m_slider->update();
    m_range->refresh();
}

} // namespace nbhost
