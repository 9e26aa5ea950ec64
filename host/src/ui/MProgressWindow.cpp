#include <maya/MProgressWindow.h>

#include "ui/GuiSession.h"
#include "ui/MainWindow.h"
#include "ui/ProgressLine.h"

#include <algorithm>

namespace {

// One operation at a time shows its progress: the one that reserved it.
struct Progress
{
    bool reserved = false;
    bool started = false;
    bool interruptable = false;
    int minimum = 0;
    int maximum = 100;
    int value = 0;
    MString title;
    MString status;
};

Progress& state()
{
    static Progress progress;
    return progress;
}

nbhost::ProgressLine* line()
{
    nbhost::GuiSession* session = nbhost::GuiSession::current();
    return session ? &session->mainWindow().progressLine() : nullptr;
}

MStatus result(bool ok, MStatus* status = nullptr)
{
    const MStatus code = ok ? MStatus::kSuccess : MStatus::kFailure;
    if (status)
        *status = code;
    return code;
}

void show()
{
    Progress& p = state();
    if (p.started && line())
        line()->update(p.value, QString::fromUtf8(p.status.asChar()));
}

} // namespace

bool MProgressWindow::reserve()
{
    if (state().reserved || !line())
        return false;
    state() = Progress();
    state().reserved = true;
    return true;
}

MStatus MProgressWindow::startProgress()
{
    Progress& p = state();
    if (!p.reserved || !line())
        return result(false);
    p.started = true;
    line()->start(QString::fromUtf8(p.title.asChar()), p.minimum, p.maximum);
    show();
    return result(true);
}

MStatus MProgressWindow::endProgress()
{
    Progress& p = state();
    if (!p.reserved)
        return result(false);
    if (p.started && line())
        line()->finish();
    p = Progress();
    return result(true);
}

bool MProgressWindow::isCancelled(MStatus* status)
{
    result(state().reserved, status);
    return false;  // the help line offers no way to cancel
}

bool MProgressWindow::isInterruptable(MStatus* status)
{
    result(state().reserved, status);
    return state().interruptable;
}

MStatus MProgressWindow::setInterruptable(bool value)
{
    state().interruptable = value;
    return result(state().reserved);
}

int MProgressWindow::progress(MStatus* status)
{
    result(state().reserved, status);
    return state().value;
}

MStatus MProgressWindow::setProgress(int value)
{
    Progress& p = state();
    if (!p.reserved)
        return result(false);
    p.value = std::clamp(value, p.minimum, std::max(p.minimum, p.maximum));
    show();
    return result(true);
}

MStatus MProgressWindow::advanceProgress(int amount)
{
    return setProgress(state().value + amount);
}

int MProgressWindow::progressMin(MStatus* status)
{
    result(state().reserved, status);
    return state().minimum;
}

int MProgressWindow::progressMax(MStatus* status)
{
    result(state().reserved, status);
    return state().maximum;
}

MStatus MProgressWindow::setProgressMin(int minValue)
{
    return setProgressRange(minValue, state().maximum);
}

MStatus MProgressWindow::setProgressMax(int maxValue)
{
    return setProgressRange(state().minimum, maxValue);
}

MStatus MProgressWindow::setProgressRange(const int minValue, const int maxValue)
{
    Progress& p = state();
    if (!p.reserved || minValue > maxValue)
        return result(false);
    p.minimum = minValue;
    p.maximum = maxValue;
    p.value = std::clamp(p.value, minValue, maxValue);
    if (p.started && line())
        line()->setRange(minValue, maxValue);
    return result(true);
}

MString MProgressWindow::title(MStatus* status)
{
    result(state().reserved, status);
    return state().title;
}

MStatus MProgressWindow::setTitle(const MString& title)
{
    state().title = title;
    return result(state().reserved);
}

MString MProgressWindow::progressStatus(MStatus* status)
{
    result(state().reserved, status);
    return state().status;
}

MStatus MProgressWindow::setProgressStatus(const MString& progressStatus)
{
    state().status = progressStatus;
    show();
    return result(state().reserved);
}

const char* MProgressWindow::className()
{
    return "MProgressWindow";
}
