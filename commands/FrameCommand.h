#pragma once

#include "commands/ActiveLayerSnapshot.h"
#include "commands/DocumentCommand.h"

#include <maya/MStatus.h>
#include <maya/MSyntax.h>
#include <maya/MTime.h>

#include <QList>
#include <QString>

#include <cstdint>

class BaseNode;
class Frame;
class MArgDatabase;

// vxNiblineFrame: edits the drawing frames of a camera's active layer along
// the timeline. Insert, duplicate, delete, cut, copy, paste and clear work
// over the time slider's selection; step forward and back move the current
// time to the next or previous drawing; retime respaces the drawings around
// the selection; move shifts a range of drawings by an offset. Every mode
// but copy is one undoable step.
//
// What a mode computes on its first run (the range, the pasted frames, the
// retimed range, the moving times) is kept and reused by redo. Frames taken
// out of the document belong to the command until undo or redo hands them
// back, and are destroyed with it otherwise.
class FrameCommand : public DocumentCommand
{
public:
    ~FrameCommand() override;

    MStatus doIt(const MArgList& args) override;
    MStatus undoIt() override;
    MStatus redoIt() override;

    static void* Creator();
    static MSyntax CommandSyntax();
    static QString GetCommandName();

private:
    enum class Mode
    {
        Unset, // no mode flag was given
        Insert,
        Duplicate,
        Delete,
        Cut,
        Copy,
        Paste,
        Clear,
        StepForward,
        StepBack,
        Retime,
        Move
    };

    MStatus ParseFlags(const MArgDatabase& db) override;
    void ParseMode(const MArgDatabase& db);
    bool ActiveLayerLocked(BaseNode* master, const char* message) const;
    // The time slider's selection [rangeStart, rangeEnd), read on the first
    // call only.
    void ReadRange();
    void RefreshTimeline(BaseNode* master) const;
    // Hands the frame to the camera's active layer; a frame the layer cannot
    // take (no layer, or its time taken) is destroyed here.
    bool PlaceFrame(BaseNode* master, Frame* frame) const;
    // Frames that leave the document are packed and kept.
    void Hold(QList<Frame*>& list, Frame* frame);
    void ReturnHeldFrames(BaseNode* master);
    // Takes the frames in the range out of the document and holds them.
    void RemoveRange(BaseNode* master);

    MStatus Insert(BaseNode* master);
    MStatus UndoInsert(BaseNode* master);
    MStatus Duplicate(BaseNode* master);
    MStatus UndoDuplicate(BaseNode* master);
    MStatus Delete(BaseNode* master);
    MStatus UndoDelete(BaseNode* master);
    MStatus Cut(BaseNode* master);
    MStatus Copy(BaseNode* master);
    MStatus Paste(BaseNode* master);
    MStatus PreparePaste(BaseNode* master);
    MStatus UndoPaste(BaseNode* master);
    MStatus Clear(BaseNode* master);
    MStatus UndoClear(BaseNode* master);
    MStatus Step(BaseNode* master, bool forward);
    MStatus Retime(BaseNode* master);
    MStatus UndoRetime(BaseNode* master);
    MStatus Move(BaseNode* master);
    MStatus PrepareMove(BaseNode* master);
    MStatus UndoMove(BaseNode* master);
    void MoveFrames(BaseNode* master, const QList<int>& times, int64_t offset);

    Mode mode = Mode::Unset;
    bool relative = false;
    bool moveToNext = false;
    int amount = -1;
    int createdLayerIndex = -1;
    bool layerCreated = false;
    // The active camera and layer from before an insert created a layer.
    ActiveLayerSnapshot activeBeforeInsert;
    // Taken out by delete, cut and clear; the frames paste and duplicate
    // have yet to place.
    QList<Frame*> heldFrames;
    // Where insert, duplicate and paste placed a frame.
    QList<int> touchedTimes;
    // Retime: the times before it; move: the times that move, in order.
    QList<int> savedFrameTimes;
    MTime savedPlaybackTime;
    // The time a step goes to.
    int stepTime = 0;
    // Frames a paste displaced.
    QList<Frame*> replacedFrames;
    bool prepared = false;
    // Frame range; for a move, its first and last time (both included).
    int rangeStart = -1;
    int rangeEnd = -1;
};
