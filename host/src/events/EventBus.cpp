#include "events/EventBus.h"

#include "core/Output.h"

#include <algorithm>
#include <exception>

namespace nbhost {

namespace {

// A listener that keeps re-firing its own event would otherwise recurse
// until the stack runs out.
const int kMaxNesting = 16;

bool listed(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

const std::vector<std::string>& EventBus::eventNames()
{
    static const std::vector<std::string> names = {"SelectionChanged", "timeChanged",
                                                   "timeUnitChanged",  "SceneOpened",
                                                   "quitApplication",  "Undo",
                                                   "Redo"};
    return names;
}

bool EventBus::isKnownEvent(const std::string& name) { return listed(eventNames(), name); }

const std::vector<std::string>& EventBus::conditionNames()
{
    static const std::vector<std::string> names = {"playingBack"};
    return names;
}

bool EventBus::isKnownCondition(const std::string& name) { return listed(conditionNames(), name); }

MCallbackId EventBus::addEventListener(const std::string& event, Callback callback)
{
    if (!isKnownEvent(event) || !callback)
        return 0;
    MCallbackId id = m_nextId++;
    m_listeners[id] = Listener{event, std::move(callback), nullptr};
    return id;
}

MCallbackId EventBus::addConditionListener(const std::string& condition, ConditionCallback callback)
{
    if (!isKnownCondition(condition) || !callback)
        return 0;
    MCallbackId id = m_nextId++;
    m_listeners[id] = Listener{condition, nullptr, std::move(callback)};
    return id;
}

bool EventBus::remove(MCallbackId id) { return m_listeners.erase(id) > 0; }

bool EventBus::contains(MCallbackId id) const { return m_listeners.count(id) > 0; }

size_t EventBus::listenerCount(const std::string& name) const { return listenersOf(name).size(); }

std::vector<MCallbackId> EventBus::listenersOf(const std::string& name) const
{
    std::vector<MCallbackId> ids;
    for (const auto& entry : m_listeners)
        if (entry.second.name == name)
            ids.push_back(entry.first);
    return ids;
}

bool EventBus::enter(const std::string& name)
{
    if (m_firing[name] >= kMaxNesting) {
        Output::write(Output::Kind::Warning,
                      "Event \"" + name + "\" fired from its own listeners too deeply; ignored.");
        return false;
    }
    ++m_firing[name];
    return true;
}

void EventBus::run(const std::string& name, MCallbackId id, const std::function<void()>& call)
{
    MCallbackId outer = m_current;
    m_current = id;
    try {
        call();
    } catch (const std::exception& e) {
        Output::write(Output::Kind::Error, "A listener of \"" + name + "\" threw: " + e.what());
    } catch (...) {
        Output::write(Output::Kind::Error, "A listener of \"" + name + "\" threw an exception.");
    }
    m_current = outer;
}

void EventBus::fire(const std::string& event) { notify(event, true); }

// Events and conditions share the listener list; a condition's listeners
// are told the new state.
void EventBus::notify(const std::string& name, bool state)
{
    if (!enter(name))
        return;
    for (MCallbackId id : listenersOf(name)) {
        auto it = m_listeners.find(id);
        if (it == m_listeners.end()) // removed by an earlier listener
            continue;
        // A copy, so a listener that removes itself does not destroy the
        // function it is running.
        const Listener listener = it->second;
        run(name, id, [&] {
            if (listener.callback)
                listener.callback();
            else if (listener.conditionCallback)
                listener.conditionCallback(state);
        });
    }
    --m_firing[name];
}

bool EventBus::condition(const std::string& name) const
{
    auto it = m_conditions.find(name);
    return it != m_conditions.end() && it->second;
}

void EventBus::setCondition(const std::string& name, bool state)
{
    if (condition(name) == state)
        return;
    m_conditions[name] = state;
    notify(name, state);
}

} // namespace nbhost
