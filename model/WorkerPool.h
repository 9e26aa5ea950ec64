#pragma once

#include <QObject>
#include <QThreadPool>

#include <functional>
#include <memory>

class ImageTask;

// The worker threads that decode and encode frame images, one per core.
// Workers only compute: what a task produced is taken into the document by
// its landing, which runs on the GUI thread from its event loop, so the
// document is changed on the GUI thread only. Landings still queued when
// the pool goes (the plug-in unloads) are dropped with it.
class WorkerPool
{
public:
    // The process-wide pool; created on the GUI thread on first use.
    static WorkerPool& Instance();

    explicit WorkerPool(int threads = 0);  // 0: one per core
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Runs the task on a worker. `landed` runs later on the GUI thread when
    // the worker ran the task (not when the GUI thread ran it first).
    void Submit(const std::shared_ptr<ImageTask>& task, std::function<void()> landed = {});
    int ThreadCount() const;
    // Waits until no task is queued or running; landings stay queued.
    void Wait();

private:
    QThreadPool pool;
    // Lives on the GUI thread; landings are queued to it.
    std::unique_ptr<QObject> receiver;
};
