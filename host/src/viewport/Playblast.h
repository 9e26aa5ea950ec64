#pragma once

#include "viewport/ViewOptions.h"

#include <QString>

#include <vector>

namespace nbhost {

class TimeState;
class View3d;

// Renders a view's camera frame by frame into numbered image files
// (name.0001.png): for each frame it sets the current time (so everything
// that follows time, the plug-in included, updates), paints the view as
// Viewport 2.0 does at the requested size and writes the image. The
// current time is restored afterwards.
class Playblast
{
public:
    struct Settings
    {
        QString baseName;      // path without frame number and extension
        QString format = QStringLiteral("png");
        std::vector<double> frames;
        int width = 0;         // 0: the view's size
        int height = 0;
        int percent = 100;
        int padding = 4;
        bool ornaments = true; // the resolution gate
        bool overwrite = false;
    };

    // "name.####.png": the pattern of the written files.
    static QString pattern(const Settings& settings);
    static QString frameFile(const Settings& settings, double frame);

    // False with a message when nothing could be written: no camera, an
    // existing file without overwrite, an unwritable folder or format.
    static bool run(View3d& view, TimeState& time, const Settings& settings, QString& error);
};

} // namespace nbhost
