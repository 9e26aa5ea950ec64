#pragma once

#include <maya/MTypes.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace nbhost {

// The host's named events ("SelectionChanged", "timeChanged" ...) and
// conditions ("playingBack"), with their listeners. Listeners run in the
// order they were added; one may remove itself or any other while an event
// is being fired. A listener that throws is reported and the others still
// run.
class EventBus
{
public:
    using Callback = std::function<void()>;
    using ConditionCallback = std::function<void(bool state)>;

    static const std::vector<std::string>& eventNames();
    static bool isKnownEvent(const std::string& name);
    static const std::vector<std::string>& conditionNames();
    static bool isKnownCondition(const std::string& name);

    // Returns the new listener's id, or 0 when the event is unknown.
    MCallbackId addEventListener(const std::string& event, Callback callback);
    MCallbackId addConditionListener(const std::string& condition, ConditionCallback callback);
    // False when no listener has this id.
    bool remove(MCallbackId id);
    bool contains(MCallbackId id) const;
    size_t listenerCount(const std::string& name) const;

    void fire(const std::string& event);
    // The id of the listener being run, 0 outside listeners.
    MCallbackId currentListener() const { return m_current; }

    bool condition(const std::string& name) const;
    // Notifies the condition's listeners when the state changes.
    void setCondition(const std::string& name, bool state);

private:
    struct Listener
    {
        std::string name;
        Callback callback;
        ConditionCallback conditionCallback;
    };

    std::vector<MCallbackId> listenersOf(const std::string& name) const;
    bool enter(const std::string& name);
    void notify(const std::string& name, bool state);
    void run(const std::string& name, MCallbackId id, const std::function<void()>& call);

    std::map<MCallbackId, Listener> m_listeners;
    std::map<std::string, bool> m_conditions;
    std::map<std::string, int> m_firing; // nesting depth per event
    MCallbackId m_nextId = 1;
    MCallbackId m_current = 0;
};

} // namespace nbhost
