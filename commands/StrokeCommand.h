#pragma once

#include "commands/DocumentCommand.h"
#include "model/PngBuffer.h"

#include <maya/MStatus.h>
#include <maya/MSyntax.h>
#include <maya/MTime.h>

#include <QString>

class MArgDatabase;
class MArgList;

// vxNiblineStroke: commits the active stroke into the current frame of a
// camera's active layer as one undoable step. The frame's image from before
// the stroke is kept as PNG and swapped with the frame's image on each undo
// and redo. A layer or frame made for the stroke (-layerAdded,
// -frameAdded) is taken out by undo and made again by redo.
class StrokeCommand : public DocumentCommand
{
public:
    // Every stroke is one undo step.
    StrokeCommand() { undoable = true; }

    MStatus doIt(const MArgList& args) override;
    MStatus undoIt() override;
    MStatus redoIt() override;

    static void* Creator();
    static MSyntax CommandSyntax();
    static QString GetCommandName();

private:
    MStatus ParseFlags(const MArgDatabase& db) override;
    // Undo and redo swap the frame the stroke went into: the time is moved
    // back to it when the user has moved it since.
    void ReturnToStrokeTime() const;

    // The image the next undo or redo puts back.
    PngBuffer image;
    int layerAddedIndex = -1;
    bool frameAdded = false;
    MTime frameTime;
    MTime strokeTime;
};
