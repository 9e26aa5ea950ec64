#include "scene/commands/SceneCommand.h"

namespace nbhost {

MStatus SceneCommand::redoIt()
{
    std::string error;
    MStatus status = m_edits.doIt(&error);
    if (!status && !error.empty())
        displayError(error.c_str());
    return status;
}

MStatus SceneCommand::undoIt() { return m_edits.undoIt(); }

MStatus SceneCommand::fail(const std::string& message) const
{
    const std::string name = commandString().asChar();
    displayError((name.substr(0, name.find(' ')) + ": " + message).c_str());
    return MStatus::kFailure;
}

MStatus SceneCommand::run()
{
    std::string error;
    MStatus status = m_edits.doIt(&error);
    if (!status) {
        m_edits.undoIt();
        return fail(error.empty() ? "the scene could not be changed" : error);
    }
    m_undoable = !m_edits.isEmpty();
    return status;
}

} // namespace nbhost
