#include "node/LayerDataProgress.h"

#include <maya/MProgressWindow.h>

#include <algorithm>

LayerDataProgress::LayerDataProgress(const char* title, std::uint64_t total)
    : active(total > 0 && MProgressWindow::reserve()), total(total)
{
    if (!active)
        return;
    MProgressWindow::setTitle(title);
    MProgressWindow::setProgressRange(0, STEPS);
    MProgressWindow::setProgress(0);
    MProgressWindow::startProgress();
}

LayerDataProgress::~LayerDataProgress()
{
    if (active)
        MProgressWindow::endProgress();
}

void LayerDataProgress::Set(std::uint64_t done)
{
    if (!active)
        return;
    const int step = static_cast<int>(std::min<std::uint64_t>(done, total) * STEPS / total);
    if (step == shown)
        return;
    shown = step;
    MProgressWindow::setProgress(step);
}
