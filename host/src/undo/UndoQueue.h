#pragma once

#include <maya/MStatus.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class MPxCommand;

namespace nbhost {

// The host's undo queue. Each step owns one command object; undo and redo
// call undoIt and redoIt on that same object. Steps dropped from the queue
// (the redo side when a new step arrives, the oldest past the length limit,
// everything on flush) are destroyed. While a step is being undone or redone
// nothing new is recorded, and a flush asked for meanwhile waits until the
// step is done, so no command is destroyed while it runs.
class UndoQueue
{
public:
    // Called after a successful undo or redo, with "Undo" or "Redo".
    using Notify = std::function<void(const char* event)>;

    explicit UndoQueue(Notify notify = nullptr);
    ~UndoQueue();
    UndoQueue(const UndoQueue&) = delete;
    UndoQueue& operator=(const UndoQueue&) = delete;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    // True while a step is being undone or redone.
    bool isBusy() const { return m_busy; }
    // Whether a command finishing now would be recorded.
    bool isRecording() const { return m_enabled && !m_busy; }

    // Takes ownership. Destroys the redo side first. `name` is the command's
    // name (for dropping a plug-in's steps), `label` what undoName shows.
    void push(std::unique_ptr<MPxCommand> command, const std::string& name, const std::string& label);

    // Only warns when there is nothing to undo or redo, as the real host
    // does; fails with an error when the command's undoIt or redoIt fails or
    // throws (the step stays put).
    MStatus undo();
    MStatus redo();

    void flush();
    // Whether any step holds a command of this name.
    bool hasStepsOf(const std::string& name) const;

    bool canUndo() const { return m_position > 0; }
    bool canRedo() const { return m_position < m_steps.size(); }
    size_t undoCount() const { return m_position; }
    size_t redoCount() const { return m_steps.size() - m_position; }
    // Label of the step undo or redo would run; empty when none.
    std::string undoName() const;
    std::string redoName() const;

    // 0 means no limit.
    void setLength(size_t length);
    size_t length() const { return m_length; }

private:
    struct Step
    {
        std::unique_ptr<MPxCommand> command;
        std::string name;
        std::string label;
    };

    MStatus runStep(bool undo);
    static MStatus call(MPxCommand& command, bool undo);
    void trim();

    std::vector<Step> m_steps;
    size_t m_position = 0; // steps before this are done, from here on undone
    size_t m_length = 0;
    bool m_enabled = true;
    bool m_busy = false;
    bool m_flushPending = false;
    Notify m_notify;
};

} // namespace nbhost
