#include "tools/InputWorker.h"

#include "base/Settings.h"
#include "tools/CursorPointerSource.h"

#include <QThread>
#include <QTimer>

InputWorker::InputWorker(QWidget* widget, ToolType tool, QObject* parent)
    : QObject(parent), widget(widget), tool(tool), pointer(std::make_shared<CursorPointerSource>())
{
    // Read here, on the GUI thread, so the worker never reads a setting
    // that the GUI thread may write.
    size = Settings::GetToolSize(tool);
    opacity = Settings::GetToolOpacity(tool) / 100.0f;
    hardness = Settings::GetToolHardness(tool) / 100.0f;
    pressureEnabled = Settings::IsTabletPressureEnabled(tool);
}

InputWorker::~InputWorker() = default;

void InputWorker::SetPointerSource(std::shared_ptr<PointerSource> source)
{
    if (source)
        pointer = std::move(source);
}

void InputWorker::SetViewGeometry(const QRect& geometry)
{
    viewGeometry = geometry;
}

void InputWorker::UpdateViewGeometry(const QRect& geometry)
{
    viewGeometry = geometry;
}

void InputWorker::Run()
{
    running = true;
    // The thread's own event loop runs the polls, so a queued Shutdown is
    // handled at once instead of after a sleep.
    if (!pollTimer) {
        pollTimer = new QTimer(this);
        pollTimer->setTimerType(Qt::PreciseTimer);
        pollTimer->setInterval(POLL_INTERVAL_MS);
        connect(pollTimer, &QTimer::timeout, this, &InputWorker::UpdatePosition);
    }
    UpdatePosition();
    pollTimer->start();
}

void InputWorker::Shutdown()
{
    running = false;
    if (pollTimer)
        pollTimer->stop();
    QThread::currentThread()->exit(0);
    std::lock_guard<std::mutex> lock(finishHandoff);
}

void InputWorker::AfterThreadFinished()
{
    std::lock_guard<std::mutex> lock(finishHandoff);
}

float InputWorker::SampleOpacity() const
{
    if (!pressureEnabled)
        return opacity;
    return opacity * Settings::tabletPressure.load(std::memory_order_relaxed);
}

void InputWorker::UpdatePosition()
{
    if (!running || !widget)
        return;
    const float o = SampleOpacity();
    const QPoint local = pointer->GlobalPosition() - viewGeometry.topLeft();
    const int y = viewGeometry.height() + 1 - local.y();
    const QPoint position(local.x() + 1, y);
    if (lastPosition == QPoint(INT_MAX, INT_MAX)) {
        // Two samples one pixel apart, so that a click leaves a dot.
        lastPosition = position;
        emit MousePositionChanged(QPoint(local.x(), y), size, o, hardness);
        emit MousePositionChanged(position, size, o, hardness);
        return;
    }
    if (position == lastPosition)
        return;
    lastPosition = position;
    emit MousePositionChanged(position, size, o, hardness);
}
