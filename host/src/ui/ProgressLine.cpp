#include "ui/ProgressLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace nbhost {

namespace {
// Repaints at most this often while busy.
const int kRepaintMs = 50;
} // namespace

ProgressLine::ProgressLine(QWidget* parent) : QStackedWidget(parent)
{
    setObjectName(QStringLiteral("helpLine"));
    addWidget(new QLabel(this));
    auto* busy = new QWidget(this);
    auto* layout = new QHBoxLayout(busy);
    layout->setContentsMargins(4, 0, 4, 0);
    m_title = new QLabel(busy);
    m_bar = new QProgressBar(busy);
    m_bar->setObjectName(QStringLiteral("mainProgressBar"));
    layout->addWidget(m_title);
    layout->addWidget(m_bar, 1);
    addWidget(busy);
}

void ProgressLine::start(const QString& title, int minimum, int maximum)
{
    m_title->setText(title);
    m_bar->setRange(minimum, maximum);
    m_bar->setValue(minimum);
    m_running.start();
    m_painted.invalidate();
}

void ProgressLine::setRange(int minimum, int maximum)
{
    m_bar->setRange(minimum, maximum);
}

void ProgressLine::update(int value, const QString& status)
{
    m_bar->setValue(value);
    m_bar->setFormat(status.isEmpty() ? QStringLiteral("%p%") : status + QStringLiteral("  %p%"));
    if (!m_running.isValid() || m_running.elapsed() < SHOW_AFTER_MS)
        return;
    if (!isShowing())
        setCurrentIndex(BUSY);
    else if (m_painted.isValid() && m_painted.elapsed() < kRepaintMs)
        return;
    paintNow();
}

void ProgressLine::finish()
{
    const bool shown = isShowing();
    m_running.invalidate();
    setCurrentIndex(IDLE);
    if (shown)
        paintNow();
}

void ProgressLine::paintNow()
{
    m_painted.start();
    if (isVisible())
        repaint();
}

} // namespace nbhost
