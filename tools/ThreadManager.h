#pragma once

#include "tools/FreehandSmoother.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <memory>

class BaseNode;
class InputWorker;
class PointerSource;
class QThread;
class QWidget;
struct Stroke;
struct StrokePoint;

// Owns the stroke input thread while a stroke is drawn and turns the
// positions it sends into points of the active stroke, on the GUI thread:
// freehand tools smoothed and spaced, shapes as anchor and moving end, text
// as one point that follows the pointer. One instance, made on first use on
// the GUI thread and kept for the life of the plug-in.
class ThreadManager : public QObject
{
    Q_OBJECT

public:
    static ThreadManager* GetInstance();

    // Starts sampling the view's pointer into the stroke; nothing without a
    // node or a stroke.
    void CreateInputThread(QWidget* viewportWidget, BaseNode* node, Stroke* stroke);
    // Stops sampling: the worker finishes, the positions it took before the
    // stop still reach the stroke, later ones do not.
    void DestroyInputThread();
    bool IsSampling() const { return active; }

    // Where the next input threads read the pointer; null restores the
    // window system's pointer. For tests with a scripted pointer.
    void SetPointerSource(std::shared_ptr<PointerSource> source);

    // A thread that does not finish within this wait is waited for longer,
    // never destroyed while it runs.
    static constexpr unsigned long SHUTDOWN_WAIT_MS = 250;

public slots:
    void OnMousePositionChanged(const QPoint& position, int width, float opacity, float hardness);

signals:
    void RunInputWorker();
    void ShutdownInputWorker();
    void ViewGeometryChanged(const QRect& geometry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ThreadManager();

    void StartWorker(QWidget* viewportWidget);
    void StopWorker();
    void WatchView(QWidget* viewportWidget, bool watch);
    QRect ViewGeometry() const;
    void AddShapePoint(const StrokePoint& point);
    void AddTextPoint(const StrokePoint& point);
    // False when the sample was dropped (a duplicate or too close).
    bool AddFreehandPoint(const StrokePoint& point);

    QThread* thread = nullptr;
    InputWorker* worker = nullptr;
    bool active = false;
    BaseNode* node = nullptr;
    Stroke* stroke = nullptr;
    FreehandSmoother smoother;
    QPointer<QWidget> view;
    std::shared_ptr<PointerSource> pointerSource;
};
