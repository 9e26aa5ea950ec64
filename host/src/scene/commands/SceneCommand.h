#pragma once

#include "scene/SceneEditList.h"

#include <maya/MPxCommand.h>

#include <string>

namespace nbhost {

// Base of the scene commands that change the scene: the changes are
// recorded in an edit list, carried out by redoIt() and reverted by
// undoIt(), so undo and redo work on the same node objects.
class SceneCommand : public MPxCommand
{
public:
    MStatus redoIt() override;
    MStatus undoIt() override;
    bool isUndoable() const override { return m_undoable; }

protected:
    // Shows "<command>: <message>" as an error and returns kFailure.
    MStatus fail(const std::string& message) const;
    // Carries out the recorded edits; on failure reports why, reverts what
    // was done and leaves no undo step.
    MStatus run();

    SceneEditList m_edits;
    bool m_undoable = false;
};

} // namespace nbhost
