#include "model/WorkerPool.h"

#include "model/ImageTask.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QRunnable>
#include <QThread>

#include <mutex>

namespace {

std::mutex& Handoff()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace

WorkerPool& WorkerPool::Instance()
{
    static WorkerPool pool;
    return pool;
}

WorkerPool::WorkerPool(int threads) : receiver(std::make_unique<QObject>())
{
    pool.setMaxThreadCount(threads > 0 ? threads : std::max(1, QThread::idealThreadCount()));
    pool.setExpiryTimeout(-1);  // workers stay: they are wanted again at every step of playback
    if (QCoreApplication* app = QCoreApplication::instance())
        receiver->moveToThread(app->thread());
}

WorkerPool::~WorkerPool()
{
    pool.clear();
    pool.waitForDone();
}

void WorkerPool::Submit(const std::shared_ptr<ImageTask>& task, std::function<void()> landed)
{
    QObject* target = receiver.get();
    auto runnable = QRunnable::create([task, landed = std::move(landed), target]() mutable {
        // Orders this thread after the submitting one through a lock that
        // race checkers see (the pool's own handoff is inside Qt); taken
        // before anything the task holds is read.
        { std::lock_guard<std::mutex> lock(Handoff()); }
        if (!task->Run() || !landed)
            return;
        // The pool waits for its tasks before the receiver goes, so it is
        // alive here; a landing queued to it is dropped if it goes first.
        // The landing takes the lock held while it was handed over, so that
        // race checkers see it ordered after the handover too.
        std::lock_guard<std::mutex> lock(Handoff());
        QMetaObject::invokeMethod(
            target,
            [landed = std::move(landed)]() {
                { std::lock_guard<std::mutex> handedOver(Handoff()); }
                landed();
            },
            Qt::QueuedConnection);
    });
    { std::lock_guard<std::mutex> lock(Handoff()); }
    pool.start(runnable);
}

int WorkerPool::ThreadCount() const
{
    return pool.maxThreadCount();
}

void WorkerPool::Wait()
{
    pool.waitForDone();
}
