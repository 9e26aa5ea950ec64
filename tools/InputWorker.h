#pragma once

#include "base/ToolType.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <climits>
#include <memory>
#include <mutex>

class PointerSource;
class QTimer;
class QWidget;

// Polls the pointer on the stroke input thread while a stroke is drawn and
// sends every new position, in the view's bottom-up coordinates, to the GUI
// thread. It reads only its own fields, the pointer and the tablet pressure
// setting: the view's geometry is copied to it by the GUI thread before
// sampling starts and whenever the view moves or changes size, and the tool
// settings are read once when it is made. The polls run on the thread's
// event loop, which also delivers the queued Shutdown and geometry updates.
class InputWorker : public QObject
{
    Q_OBJECT

public:
    // Made on the GUI thread; `widget` is only tested for presence, never
    // read from the worker thread.
    InputWorker(QWidget* widget, ToolType tool, QObject* parent = nullptr);
    ~InputWorker() override;

    void SetPointerSource(std::shared_ptr<PointerSource> source);
    // The view's global geometry; set before the worker is started.
    void SetViewGeometry(const QRect& geometry);

    // Called on the GUI thread once the worker's thread has finished: orders
    // what follows (the worker's deletion) after everything the thread did,
    // through a lock that race checkers see, since the thread's own finish
    // is signalled inside Qt.
    void AfterThreadFinished();

    static constexpr int POLL_INTERVAL_MS = 8;

public slots:
    void Run();
    void Shutdown();
    void UpdatePosition();
    void UpdateViewGeometry(const QRect& geometry);

signals:
    void MousePositionChanged(const QPoint& position, int width, float opacity, float hardness);

private:
    float SampleOpacity() const;

    bool running = false;
    QWidget* widget;
    QPoint lastPosition = QPoint(INT_MAX, INT_MAX);
    ToolType tool;
    int size = 0;
    float opacity = 1.0f;
    float hardness = 1.0f;
    bool pressureEnabled = false;
    QRect viewGeometry;
    std::shared_ptr<PointerSource> pointer;
    QTimer* pollTimer = nullptr;
    std::mutex finishHandoff;
};
