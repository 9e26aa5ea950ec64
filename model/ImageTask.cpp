#include "model/ImageTask.h"

ImageTask::ImageTask(std::function<void()> work) : work(std::move(work)) {}

bool ImageTask::Run()
{
    int expected = WAITING;
    if (!state.compare_exchange_strong(expected, RUNNING))
        return false;
    work();
    work = nullptr;  // frees what the work held (image copies, bytes)
    {
        std::lock_guard<std::mutex> lock(mutex);
        state.store(DONE);
    }
    finished.notify_all();
    return true;
}

void ImageTask::Finish()
{
    if (Run())
        return;
    std::unique_lock<std::mutex> lock(mutex);
    finished.wait(lock, [this] { return state.load() == DONE; });
}
