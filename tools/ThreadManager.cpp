#include "tools/ThreadManager.h"

#include "base/Logger.h"
#include "base/Settings.h"
#include "node/BaseNode.h"
#include "raster/Stroke.h"
#include "tools/InputWorker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QWidget>

#include <cmath>

namespace {

float Distance(const QPoint& a, const QPoint& b)
{
    const double dx = double(b.x()) - a.x();
    const double dy = double(b.y()) - a.y();
    return float(std::sqrt(dx * dx + dy * dy));
}

} // namespace

ThreadManager::ThreadManager() = default;

ThreadManager* ThreadManager::GetInstance()
{
    static ThreadManager* instance = new ThreadManager();
    return instance;
}

void ThreadManager::SetPointerSource(std::shared_ptr<PointerSource> source)
{
    pointerSource = std::move(source);
}

void ThreadManager::CreateInputThread(QWidget* viewportWidget, BaseNode* strokeNode, Stroke* activeStroke)
{
    smoother.Clear();
    if (!strokeNode || !activeStroke)
        return;
    if (thread)
        DestroyInputThread();
    node = strokeNode;
    stroke = activeStroke;
    stroke->tool = Settings::tabletEraserEnabled ? TOOL_ERASER : static_cast<ToolType>(Settings::activeTool);
    stroke->color = Settings::activeColor;
    StartWorker(viewportWidget);
}

void ThreadManager::StartWorker(QWidget* viewportWidget)
{
    thread = new QThread();
    worker = new InputWorker(viewportWidget, stroke->tool);
    worker->SetPointerSource(pointerSource);
    view = viewportWidget;
    worker->SetViewGeometry(ViewGeometry());
    WatchView(viewportWidget, true);
    connect(this, SIGNAL(RunInputWorker()), worker, SLOT(Run()));
    connect(this, SIGNAL(ShutdownInputWorker()), worker, SLOT(Shutdown()));
    connect(this, SIGNAL(ViewGeometryChanged(const QRect&)), worker, SLOT(UpdateViewGeometry(const QRect&)));
    connect(worker, SIGNAL(MousePositionChanged(const QPoint&, int, float, float)), this,
            SLOT(OnMousePositionChanged(const QPoint&, int, float, float)));
    worker->moveToThread(thread);
    thread->start(QThread::InheritPriority);
    active = true;
    emit RunInputWorker();
}

void ThreadManager::DestroyInputThread()
{
    StopWorker();
    active = false;
    delete worker;
    delete thread;
    worker = nullptr;
    thread = nullptr;
    stroke = nullptr;
    node = nullptr;
}

void ThreadManager::StopWorker()
{
    if (!thread)
        return;
    WatchView(view, false);
    emit ShutdownInputWorker();
    if (!thread->wait(SHUTDOWN_WAIT_MS)) {
        Logger::Warning("The stroke input thread is slow to stop; waiting for it.");
        thread->wait();
    }
    worker->AfterThreadFinished();
    // The positions taken while the button was still held are part of the
    // stroke: a quick click would otherwise lose its dot.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void ThreadManager::WatchView(QWidget* viewportWidget, bool watch)
{
    if (!viewportWidget)
        return;
    for (QObject* watched : {static_cast<QObject*>(viewportWidget), static_cast<QObject*>(viewportWidget->window())}) {
        if (watch)
            watched->installEventFilter(this);
        else
            watched->removeEventFilter(this);
    }
}

QRect ThreadManager::ViewGeometry() const
{
    if (!view)
        return QRect();
    return QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
}

bool ThreadManager::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        emit ViewGeometryChanged(ViewGeometry());
    return QObject::eventFilter(watched, event);
}

void ThreadManager::OnMousePositionChanged(const QPoint& position, int width, float opacity, float hardness)
{
    if (!active || !node || !stroke)
        return;
    const StrokePoint point{width, opacity, hardness, node->ScreenCoordsToTexCoords(position)};
    switch (stroke->tool) {
    case TOOL_PENCIL:
    case TOOL_BRUSH:
    case TOOL_ERASER:
        if (!AddFreehandPoint(point))
            return;
        break;
    case TOOL_TEXT: AddTextPoint(point); break;
    case TOOL_LINE:
    case TOOL_ARROW:
    case TOOL_ELLIPSE:
    case TOOL_RECTANGLE: AddShapePoint(point); break;
    default: break;
    }
    stroke->updated = true;
}

void ThreadManager::AddShapePoint(const StrokePoint& point)
{
    // The second sample of the press becomes the anchor at index 0.
    if (stroke->points.isEmpty())
        stroke->points.append(point);
    else if (stroke->points.size() == 1)
        stroke->points.prepend(point);
    else
        stroke->points[1] = point;
}

void ThreadManager::AddTextPoint(const StrokePoint& point)
{
    stroke->fontFamily = Settings::textFontFamily;
    if (stroke->points.isEmpty())
        stroke->points.append(point);
    else
        stroke->points[0] = point;
}

bool ThreadManager::AddFreehandPoint(const StrokePoint& point)
{
    const int count = stroke->points.size();
    if (count >= 2 && point.position == stroke->points.last().position)
        return false;
    smoother.Push(point.position, point.opacity);
    const QPoint smoothed = smoother.SmoothedPosition();
    if (count > 1) {
        const float distance = Distance(stroke->points.last().position, smoothed);
        // Large tools keep their points a tenth of their width apart.
        if (distance < static_cast<float>(point.width) * 0.1f) {
            smoother.DropNewest();
            return false;
        }
    }
    stroke->points.append(StrokePoint{point.width, smoother.SmoothedOpacity(), point.hardness, smoothed});
    if (stroke->points.size() == 2)
        node->RefreshActiveView();
    return true;
}
