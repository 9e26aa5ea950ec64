#include "core/IdleQueue.h"

#include "core/Output.h"

namespace nbhost {

void IdleQueue::enqueue(Item item, bool lowestPriority)
{
    const bool wasEmpty = empty();
    (lowestPriority ? m_lowest : m_normal).push_back(std::move(item));
    if (wasEmpty && m_workQueued)
        m_workQueued();
}

void IdleQueue::clear()
{
    m_normal.clear();
    m_lowest.clear();
}

bool IdleQueue::takeNext(Item& item)
{
    std::deque<Item>& queue = m_normal.empty() ? m_lowest : m_normal;
    if (queue.empty())
        return false;
    item = std::move(queue.front());
    queue.pop_front();
    return true;
}

size_t IdleQueue::drain(const Runner& run, size_t limit)
{
    if (m_draining)
        return 0;
    m_draining = true;
    size_t count = 0;
    Item item;
    while (count < limit && takeNext(item)) {
        run(item);
        ++count;
    }
    m_draining = false;
    if (!empty())
        Output::write(Output::Kind::Warning,
                      "Idle queue: stopped after " + std::to_string(count) +
                          " scripts that kept queuing more; " + std::to_string(size()) +
                          " left waiting.");
    return count;
}

} // namespace nbhost
