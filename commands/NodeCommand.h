#pragma once

#include "commands/DocumentCommand.h"

#include <maya/MDagModifier.h>
#include <maya/MObject.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>

#include <QString>

class MArgDatabase;
class MArgList;

// vxNiblineNode: creates the scene's drawing node as one undoable step (a
// locked "nibline" transform with the "niblineShape" node under it),
// optionally with a first layer and empty frames over the time slider's
// selection; answers whether the node exists and which camera is active;
// asks the node to redraw or to rebuild its ghosts.
class NodeCommand : public DocumentCommand
{
public:
    MStatus doIt(const MArgList& args) override;
    MStatus undoIt() override;
    MStatus redoIt() override;

    static void* Creator();
    static MSyntax CommandSyntax();
    static QString GetCommandName();

private:
    MStatus ParseFlags(const MArgDatabase& db) override;
    MStatus CreateNode();
    // The first layer and its frames, made on the first run only: redo
    // brings the node back with the document it had.
    void AddFirstLayer();
    void LockTransformChannels();

    // Records the nodes; its undo takes them out, its redo brings them back.
    MDagModifier modifier;
    bool hasRun = false;
    bool exists = false;
    bool refresh = false;
    bool refreshGhosting = false;
    bool layer = false;
    bool frame = false;
    bool queryCamera = false;
    MString layerName;
    // -camera: the camera of the first layer.
    MString layerCamera;
    int layerState = -1;
    MObject transform;
    MSelectionList savedSelection;
};
