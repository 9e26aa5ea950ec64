#pragma once

#include "core/Journal.h"

#include <deque>
#include <functional>
#include <string>

namespace nbhost {

// Scripts waiting for the host to be idle: MGlobal::executeCommandOnIdle
// and evalDeferred. They run in the order queued; lowest-priority ones run
// only when nothing else waits.
class IdleQueue
{
public:
    struct Item
    {
        std::string script;
        bool display = false;
        JournalSource source = JournalSource::Idle;
    };

    using Runner = std::function<void(const Item&)>;

    // Scripts run by one drain at most; more means something keeps queuing
    // itself, and the rest waits for the next drain.
    static const size_t kDrainLimit = 10000;

    void enqueue(Item item, bool lowestPriority = false);
    bool empty() const { return m_normal.empty() && m_lowest.empty(); }
    size_t size() const { return m_normal.size() + m_lowest.size(); }
    void clear();

    // Runs queued scripts until none is left, including those queued while
    // draining (after the ones already waiting). Returns how many ran. A
    // drain started from inside a drain does nothing.
    size_t drain(const Runner& run, size_t limit = kDrainLimit);

    // Called when work is queued into an empty queue (the GUI schedules a drain).
    void setWorkQueuedHook(std::function<void()> hook) { m_workQueued = std::move(hook); }

private:
    bool takeNext(Item& item);

    std::deque<Item> m_normal;
    std::deque<Item> m_lowest;
    bool m_draining = false;
    std::function<void()> m_workQueued;
};

} // namespace nbhost
