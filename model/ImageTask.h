#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

// One piece of image work (a PNG decode or encode) handed to the worker
// pool. Whoever needs the result first runs it: a worker when it gets there,
// or the GUI thread itself when it cannot wait, so that a queued task never
// holds the GUI thread up behind other work. The work runs exactly once.
class ImageTask
{
public:
    explicit ImageTask(std::function<void()> work);
    ImageTask(const ImageTask&) = delete;
    ImageTask& operator=(const ImageTask&) = delete;

    // Runs the work unless another thread has taken it; true when this call ran it.
    bool Run();
    // Runs the work here unless a worker has it, then waits until it is done.
    void Finish();
    bool IsDone() const { return state.load() == DONE; }

private:
    enum State { WAITING, RUNNING, DONE };

    std::function<void()> work;
    std::atomic<int> state{WAITING};
    std::mutex mutex;
    std::condition_variable finished;
};
