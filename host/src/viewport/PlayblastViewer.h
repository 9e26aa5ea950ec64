#pragma once

#include "viewport/Playblast.h"

#include <maya/MTime.h>

#include <QLabel>
#include <QTimer>

namespace nbhost {

// The window a playblast opens with -viewer on: its frames played in a
// loop at the scene's rate. One viewer at a time; a new playblast
// replaces the frames it shows.
class PlayblastViewer : public QLabel
{
    Q_OBJECT

public:
    static void show(const Playblast::Settings& settings, MTime::Unit unit);

private:
    PlayblastViewer();
    void showNext();

    QStringList m_files;
    int m_next = 0;
    QTimer m_timer;
};

} // namespace nbhost
