#include "viewport/PlayblastViewer.h"

#include "ui/ControlRegistry.h"

#include <QPixmap>
#include <QPointer>

#include <cmath>

namespace nbhost {

PlayblastViewer::PlayblastViewer() : QLabel(ControlRegistry::mainWindow(), Qt::Window)
{
    setObjectName(QStringLiteral("playblastViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAlignment(Qt::AlignCenter);
    connect(&m_timer, &QTimer::timeout, this, &PlayblastViewer::showNext);
}

void PlayblastViewer::show(const Playblast::Settings& settings, MTime::Unit unit)
{
    static QPointer<PlayblastViewer> viewer;
    if (!viewer)
        viewer = new PlayblastViewer;
    viewer->m_files.clear();
    for (double frame : settings.frames)
        viewer->m_files.append(Playblast::frameFile(settings, frame));
    viewer->m_next = 0;
    viewer->setWindowTitle(QStringLiteral("Playblast: %1").arg(Playblast::pattern(settings)));
    const double rate = MTime(1.0, MTime::kSeconds).as(unit);
    viewer->m_timer.start(std::max(1, int(std::lround(1000.0 / std::max(1.0, rate)))));
    viewer->showNext();
    viewer->QLabel::show();
    viewer->raise();
}

void PlayblastViewer::showNext()
{
    if (m_files.isEmpty())
        return;
    const QPixmap frame(m_files.at(m_next));
    if (!frame.isNull()) {
        setPixmap(frame);
        resize(frame.size());
    }
    m_next = (m_next + 1) % m_files.size();
}

} // namespace nbhost
