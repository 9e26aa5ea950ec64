#include "model/WorkerPool.h"

#include "model/ImageTask.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QRunnable>
#include <QThread>

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
    pool.start(QRunnable::create([task, landed = std::move(landed), target]() mutable {
        if (!task->Run() || !landed)
            return;
        // The pool waits for its tasks before the receiver goes, so it is
        // alive here; a landing queued to it is dropped if it goes first.
        QMetaObject::invokeMethod(target, std::move(landed), Qt::QueuedConnection);
    }));
}

int WorkerPool::ThreadCount() const
{
    return pool.maxThreadCount();
}

void WorkerPool::Wait()
{
    pool.waitForDone();
}
