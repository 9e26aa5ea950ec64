#include "model/WorkerPool.h"

#include "model/ImageTask.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QMetaObject>
#include <QPainter>
#include <QRunnable>
#include <QThread>

#include <mutex>

namespace {

std::mutex& Handoff()
{
    static std::mutex mutex;
    return mutex;
}

// Has Qt make the process-wide state that workers use when they pack,
// unpack and pad frames (the image format plug-ins, the raster paint
// engine). What is made first goes last at exit, so when this runs before
// the pool is made, the pool's end, which waits for its workers, comes
// while that state is still there.
void MakeWorkerQtState()
{
    QImage image(2, 2, QImage::Format_RGBA8888);
    image.fill(Qt::transparent);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    image.save(&out, "PNG");
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    QImageReader reader(&in, "PNG");
    reader.size();
    const QImage read = reader.read();
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, read);
}

} // namespace

WorkerPool& WorkerPool::Instance()
{
    static const bool made = (MakeWorkerQtState(), true);
    static WorkerPool pool;
    Q_UNUSED(made);
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
