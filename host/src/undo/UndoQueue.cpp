#include "undo/UndoQueue.h"

#include <maya/MPxCommand.h>

#include "core/Output.h"

#include <exception>

namespace nbhost {

UndoQueue::UndoQueue(Notify notify) : m_notify(std::move(notify)) {}

UndoQueue::~UndoQueue() = default;

void UndoQueue::push(std::unique_ptr<MPxCommand> command, const std::string& name,
                     const std::string& label)
{
    m_steps.erase(m_steps.begin() + static_cast<long>(m_position), m_steps.end());
    m_steps.push_back(Step{std::move(command), name, label});
    m_position = m_steps.size();
    trim();
}

MStatus UndoQueue::undo()
{
    if (!canUndo()) {
        Output::write(Output::Kind::Warning, "There are no more commands to undo.");
        return MStatus::kSuccess;
    }
    return runStep(true);
}

MStatus UndoQueue::redo()
{
    if (!canRedo()) {
        Output::write(Output::Kind::Warning, "There are no more commands to redo.");
        return MStatus::kSuccess;
    }
    return runStep(false);
}

MStatus UndoQueue::runStep(bool undo)
{
    if (m_busy) {
        Output::write(Output::Kind::Error, "Cannot undo or redo while a step is being undone or redone.");
        return MStatus::kFailure;
    }
    Step& step = m_steps[undo ? m_position - 1 : m_position];
    m_busy = true;
    const MStatus status = call(*step.command, undo);
    if (status) {
        m_position += undo ? -1 : 1;
        // Listeners run before the queue opens again, so one that runs an
        // undoable command cannot wipe the redo side.
        if (m_notify)
            m_notify(undo ? "Undo" : "Redo");
    } else {
        Output::write(Output::Kind::Error,
                      std::string(undo ? "Undo" : "Redo") + " of \"" + step.label + "\" failed.");
    }
    m_busy = false;
    if (m_flushPending)
        flush();
    return status;
}

// An exception counts as a failure, so that the queue opens again.
MStatus UndoQueue::call(MPxCommand& command, bool undo)
{
    try {
        return undo ? command.undoIt() : command.redoIt();
    } catch (const std::exception& e) {
        Output::write(Output::Kind::Error, std::string(undo ? "undoIt" : "redoIt") + " threw: " + e.what());
    } catch (...) {
        Output::write(Output::Kind::Error, std::string(undo ? "undoIt" : "redoIt") + " threw an exception.");
    }
    return MStatus::kFailure;
}

void UndoQueue::flush()
{
    if (m_busy) {
        m_flushPending = true;
        return;
    }
    m_flushPending = false;
    // Moved out first: a destructor that reaches back into the queue sees it empty.
    std::vector<Step> steps = std::move(m_steps);
    m_steps.clear();
    m_position = 0;
}

bool UndoQueue::hasStepsOf(const std::string& name) const
{
    for (const Step& step : m_steps)
        if (step.name == name)
            return true;
    return false;
}

std::string UndoQueue::undoName() const { return canUndo() ? m_steps[m_position - 1].label : ""; }
std::string UndoQueue::redoName() const { return canRedo() ? m_steps[m_position].label : ""; }

void UndoQueue::setLength(size_t length)
{
    m_length = length;
    trim();
}

void UndoQueue::trim()
{
    if (m_length == 0 || m_busy || m_position <= m_length)
        return;
    size_t drop = m_position - m_length;
    m_steps.erase(m_steps.begin(), m_steps.begin() + static_cast<long>(drop));
    m_position -= drop;
}

} // namespace nbhost
