#pragma once

#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

#include <QString>

class BaseNode;
class MArgDatabase;
class MArgList;

// What the commands on the drawing document share: reading the arguments
// against the command's syntax with the edit and query modes, the camera
// named as the first object, the master node found by doIt, and the flag
// answered to the host's isUndoable. Commands hold what they took out of
// the document, so they are never copied.
class DocumentCommand : public MPxCommand
{
public:
    DocumentCommand() = default;
    DocumentCommand(const DocumentCommand&) = delete;
    DocumentCommand& operator=(const DocumentCommand&) = delete;

    bool isUndoable() const override;

protected:
    // Builds the argument database (a parse error returns the host's
    // status), records the edit and query modes, then reads the command's
    // own flags.
    MStatus ParseArgs(const MArgList& args);
    virtual MStatus ParseFlags(const MArgDatabase& db) = 0;

    // The camera named by the first object, which must exist. Without an
    // object, the active view's camera when `viewByDefault`.
    bool ParseCamera(const MArgDatabase& db, bool viewByDefault);

    // Looks up the master node and keeps it for the command's lifetime.
    BaseNode* FindNode();
    // The node kept by FindNode while it is still in the scene: one deleted
    // without undo since must not be touched.
    BaseNode* Node() const;
    static MStatus NodeNotFound();

    bool undoable = false;
    bool editMode = false;
    bool queryMode = false;
    QString camera;
    BaseNode* node = nullptr;
};
