#include "commands/FrameCommand.h"

#include "base/Logger.h"
#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "commands/FrameMove.h"
#include "commands/FrameRetime.h"
#include "commands/TimeSliderRange.h"
#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerState.h"
#include "node/BaseNode.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>

#include <QtAlgorithms>

#include <climits>

namespace {

struct FlagName
{
    const char* shortName;
    const char* longName;
};

// Retime, move and the retime modifiers are declared without the leading
// dash; scripts give them with it all the same.
const FlagName RETIME_FLAG = {"ret", "retime"};
const FlagName MOVE_FLAG = {"mv", "move"};
const FlagName RELATIVE_FLAG = {"rel", "relative"};
const FlagName MOVE_TO_NEXT_FLAG = {"mvn", "moveToNext"};

// The mode flags in the order in which the first one given wins; a flag's
// position plus one is its FrameCommand::Mode.
const FlagName MODE_FLAGS[] = {
    {"-ins", "-insert"}, {"-dup", "-duplicate"},  {"-del", "-delete"},
    {"-cut", "-cutFrame"}, {"-cp", "-copy"},      {"-pst", "-paste"},
    {"-clr", "-clear"},  {"-sf", "-stepForward"}, {"-sb", "-stepBack"},
    RETIME_FLAG,         MOVE_FLAG};
const int MODE_FLAG_COUNT = int(sizeof(MODE_FLAGS) / sizeof(MODE_FLAGS[0]));

MTime FrameTime(int64_t value)
{
    return MTime(static_cast<double>(value), MTime::uiUnit());
}

} // namespace

FrameCommand::~FrameCommand()
{
    qDeleteAll(heldFrames);
    qDeleteAll(replacedFrames);
}

void* FrameCommand::Creator()
{
    return new FrameCommand();
}

MSyntax FrameCommand::CommandSyntax()
{
    MSyntax syntax;
    for (int i = 0; i < MODE_FLAG_COUNT; ++i) {
        const FlagName& flag = MODE_FLAGS[i];
        if (Mode(i + 1) == Mode::Retime)
            syntax.addFlag(flag.shortName, flag.longName, MSyntax::kLong);
        else if (Mode(i + 1) == Mode::Move)
            syntax.addFlag(flag.shortName, flag.longName, MSyntax::kLong, MSyntax::kLong,
                           MSyntax::kLong);
        else
            syntax.addFlag(flag.shortName, flag.longName);
    }
    syntax.addFlag(RELATIVE_FLAG.shortName, RELATIVE_FLAG.longName);
    syntax.addFlag(MOVE_TO_NEXT_FLAG.shortName, MOVE_TO_NEXT_FLAG.longName);
    syntax.setObjectType(MSyntax::kStringObjects, 0);
    syntax.enableQuery(false);
    syntax.enableEdit(false);
    return syntax;
}

QString FrameCommand::GetCommandName()
{
    return Settings::FRAME_COMMAND_NAME;
}

// --- Parsing and dispatch ----------------------------------------------------

// The first object names the camera; without one the active view's camera.
MStatus FrameCommand::ParseFlags(const MArgDatabase& db)
{
    if (!ParseCamera(db, true))
        return MStatus::kFailure;
    ParseMode(db);
    return MStatus::kSuccess;
}

void FrameCommand::ParseMode(const MArgDatabase& db)
{
    for (int i = 0; i < MODE_FLAG_COUNT && mode == Mode::Unset; ++i)
        if (db.isFlagSet(MODE_FLAGS[i].shortName))
            mode = Mode(i + 1);
    if (mode == Mode::Retime) {
        db.getFlagArgument(RETIME_FLAG.shortName, 0, amount);
        relative = db.isFlagSet(RELATIVE_FLAG.shortName);
        moveToNext = db.isFlagSet(MOVE_TO_NEXT_FLAG.shortName);
        // A retime works on the document's active camera.
        camera.clear();
    } else if (mode == Mode::Move) {
        db.getFlagArgument(MOVE_FLAG.shortName, 0, amount);
        db.getFlagArgument(MOVE_FLAG.shortName, 1, rangeStart);
        db.getFlagArgument(MOVE_FLAG.shortName, 2, rangeEnd);
    }
}

MStatus FrameCommand::doIt(const MArgList& args)
{
    const MStatus status = ParseArgs(args);
    if (!status)
        return status;
    if (!FindNode() && mode != Mode::Insert)
        return NodeNotFound();
    return redoIt();
}

MStatus FrameCommand::redoIt()
{
    undoable = mode != Mode::Copy && mode != Mode::Unset;
    BaseNode* master = Node();
    if (!master) {
        if (mode == Mode::Insert)
            Logger::Error("Failed to insert key. Node does not exist.");
        return MStatus::kFailure;
    }
    switch (mode) {
    case Mode::Insert: return Insert(master);
    case Mode::Duplicate: return Duplicate(master);
    case Mode::Delete: return Delete(master);
    case Mode::Cut: return Cut(master);
    case Mode::Copy: return Copy(master);
    case Mode::Paste: return Paste(master);
    case Mode::Clear: return Clear(master);
    case Mode::StepForward: return Step(master, true);
    case Mode::StepBack: return Step(master, false);
    case Mode::Retime: return Retime(master);
    case Mode::Move: return Move(master);
    case Mode::Unset: break;
    }
    return MStatus::kFailure;
}

MStatus FrameCommand::undoIt()
{
    // A step changed nothing but the time.
    if (mode == Mode::StepForward || mode == Mode::StepBack) {
        MayaUtil::SetPlaybackTime(savedPlaybackTime);
        return MStatus::kSuccess;
    }
    BaseNode* master = Node();
    if (!master)
        return MStatus::kFailure;
    switch (mode) {
    case Mode::Insert: return UndoInsert(master);
    case Mode::Duplicate: return UndoDuplicate(master);
    case Mode::Delete:
    case Mode::Cut: return UndoDelete(master);
    case Mode::Paste: return UndoPaste(master);
    case Mode::Clear: return UndoClear(master);
    case Mode::Retime: return UndoRetime(master);
    case Mode::Move: return UndoMove(master);
    default: break;
    }
    return MStatus::kFailure;
}

// --- Shared steps ------------------------------------------------------------

bool FrameCommand::ActiveLayerLocked(BaseNode* master, const char* message) const
{
    const Layer* layer = master->GetActiveLayer(camera);
    if (!layer || layer->GetState() != LAYER_STATE_LOCKED)
        return false;
    Logger::Error(message);
    return true;
}

void FrameCommand::ReadRange()
{
    if (rangeStart != rangeEnd)
        return;
    const TimeSliderRange range = TimeSliderRange::Read();
    rangeStart = range.start;
    rangeEnd = range.end;
}

void FrameCommand::RefreshTimeline(BaseNode* master) const
{
    MayaUtil::RefreshTimeControl(master->thisMObject());
}

// The layer deletes a frame it refuses, but a frame offered without an
// active layer stays with the caller; deciding here keeps ownership plain.
bool FrameCommand::PlaceFrame(BaseNode* master, Frame* frame) const
{
    if (!master->GetActiveLayer(camera) || master->FrameExists(camera, frame->GetTime())) {
        delete frame;
        return false;
    }
    return master->InsertFrame(camera, frame) >= 0;
}

void FrameCommand::Hold(QList<Frame*>& list, Frame* frame)
{
    frame->PackImage();
    list.append(frame);
}

void FrameCommand::ReturnHeldFrames(BaseNode* master)
{
    for (Frame* frame : heldFrames)
        PlaceFrame(master, frame);
    heldFrames.clear();
}

void FrameCommand::RemoveRange(BaseNode* master)
{
    ReadRange();
    QList<int> times;
    master->GetFrameTimes(camera, times);
    for (int time : times)
        if (time >= rangeStart && time < rangeEnd)
            if (Frame* frame = master->RemoveFrame(camera, FrameTime(time)))
                Hold(heldFrames, frame);
}

// --- Insert and duplicate ----------------------------------------------------

MStatus FrameCommand::Insert(BaseNode* master)
{
    if (ActiveLayerLocked(master, "Cannot add frames to a locked layer"))
        return MStatus::kFailure;
    layerCreated = false;
    if (master->LayerCount(camera) < 1) {
        activeBeforeInsert.Take(*master, {camera});
        createdLayerIndex = master->InsertLayer(camera, -1, QString());
        if (createdLayerIndex < 0) {
            Logger::Error("Failed to create layer for frame");
            return MStatus::kFailure;
        }
        layerCreated = true;
    }
    ReadRange();
    for (int time = rangeStart; time < rangeEnd; ++time)
        if (master->AddFrame(camera, FrameTime(time)) >= 0)
            touchedTimes.append(time);
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

MStatus FrameCommand::UndoInsert(BaseNode* master)
{
    for (int time : touchedTimes)
        delete master->RemoveFrame(camera, FrameTime(time));
    touchedTimes.clear();
    if (layerCreated) {
        delete master->RemoveLayer(camera, createdLayerIndex);
        // The first layer of a document makes its camera the active one.
        activeBeforeInsert.Restore(*master);
        layerCreated = false;
    }
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

// The copy is made once, at the time current then; undo takes it out from
// that time and redo puts the same frame back, wherever the current time
// has gone meanwhile.
MStatus FrameCommand::Duplicate(BaseNode* master)
{
    if (!prepared) {
        if (ActiveLayerLocked(master, "Cannot duplicate frames on a locked layer"))
            return MStatus::kFailure;
        if (master->FrameExists(camera)) {
            Logger::Error("A frame already exists at the current time.");
            return MStatus::kFailure;
        }
        const Frame* source = master->GetPreviousFrame(camera, false);
        if (!source)
            return MStatus::kFailure;
        Frame* copy = new Frame(*source);
        copy->SetTimeValue(MayaUtil::GetPlaybackTimeValue());
        touchedTimes = {copy->GetTimeValue()};
        heldFrames.append(copy);
        prepared = true;
    }
    bool placed = !heldFrames.isEmpty();
    for (Frame* frame : heldFrames)
        placed = PlaceFrame(master, frame) && placed;
    heldFrames.clear();
    if (!placed)
        return MStatus::kFailure;
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

MStatus FrameCommand::UndoDuplicate(BaseNode* master)
{
    Frame* frame = touchedTimes.isEmpty()
                       ? nullptr
                       : master->RemoveFrame(camera, FrameTime(touchedTimes.first()));
    if (!frame) {
        Logger::Error("Failed to undo duplicate frame operation.");
        return MStatus::kFailure;
    }
    Hold(heldFrames, frame);
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

// --- Delete, cut, copy and clear ---------------------------------------------

MStatus FrameCommand::Delete(BaseNode* master)
{
    if (ActiveLayerLocked(master, "Cannot remove frames from a locked layer"))
        return MStatus::kFailure;
    RemoveRange(master);
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

MStatus FrameCommand::UndoDelete(BaseNode* master)
{
    ReturnHeldFrames(master);
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

// The clipboard is filled on the first run only: a redo deletes the range
// read then, and must not copy whatever the time slider selects by now.
MStatus FrameCommand::Cut(BaseNode* master)
{
    if (ActiveLayerLocked(master, "Cannot cut frames from a locked layer"))
        return MStatus::kFailure;
    if (!prepared) {
        master->CopyFramesToClipboard(camera);
        prepared = true;
    }
    return Delete(master);
}

MStatus FrameCommand::Copy(BaseNode* master)
{
    master->CopyFramesToClipboard(camera);
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

MStatus FrameCommand::Clear(BaseNode* master)
{
    const MStatus status = Delete(master);
    if (!status)
        return status;
    for (const Frame* frame : heldFrames)
        master->AddFrame(camera, frame->GetTime());
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

MStatus FrameCommand::UndoClear(BaseNode* master)
{
    for (const Frame* frame : heldFrames)
        delete master->RemoveFrame(camera, frame->GetTime());
    return UndoDelete(master);
}

// --- Paste -------------------------------------------------------------------

MStatus FrameCommand::Paste(BaseNode* master)
{
    if (!prepared) {
        const MStatus status = PreparePaste(master);
        if (!status)
            return status;
    }
    for (Frame* frame : heldFrames) {
        if (Frame* replaced = master->RemoveFrame(camera, frame->GetTime()))
            Hold(replacedFrames, replaced);
        PlaceFrame(master, frame);
    }
    heldFrames.clear();
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

// Copies of the clipboard frames, placed relative to the selection's start.
MStatus FrameCommand::PreparePaste(BaseNode* master)
{
    if (ActiveLayerLocked(master, "Cannot paste frames to a locked layer"))
        return MStatus::kFailure;
    if (!master->GetActiveLayer(camera)) {
        Logger::Error("Cannot paste frames without an active layer");
        return MStatus::kFailure;
    }
    ReadRange();
    for (const Frame* source : master->GetClipboardFrames()) {
        const int64_t time = int64_t(source->GetTimeValue()) + rangeStart;
        if (time < INT_MIN || time > INT_MAX)
            continue;
        Frame* copy = new Frame(*source);
        copy->SetTimeValue(static_cast<int>(time));
        heldFrames.append(copy);
        touchedTimes.append(static_cast<int>(time));
    }
    prepared = true;
    return MStatus::kSuccess;
}

MStatus FrameCommand::UndoPaste(BaseNode* master)
{
    for (int time : touchedTimes)
        if (Frame* pasted = master->RemoveFrame(camera, FrameTime(time)))
            Hold(heldFrames, pasted);
    for (Frame* frame : replacedFrames)
        PlaceFrame(master, frame);
    replacedFrames.clear();
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

// --- Step --------------------------------------------------------------------

// Fails, keeping no undo step, when there is no other drawing to go to. The
// drawing is found on the first run only: a redo goes back to the same time,
// wherever the current time has gone meanwhile.
MStatus FrameCommand::Step(BaseNode* master, bool forward)
{
    savedPlaybackTime = MayaUtil::GetPlaybackTime();
    if (!prepared) {
        const QString active = master->GetActiveCamera();
        if (active.isEmpty())
            return MStatus::kFailure;
        const Frame* target =
            forward ? master->GetNextFrame(active, true) : master->GetPreviousFrame(active, true);
        if (!target || target->GetTimeValue() == MayaUtil::GetPlaybackTimeValue())
            return MStatus::kFailure;
        stepTime = target->GetTimeValue();
        prepared = true;
    }
    MayaUtil::SetPlaybackTime(stepTime);
    return MStatus::kSuccess;
}

// --- Retime ------------------------------------------------------------------

// The camera is the active one at the first run, kept for undo and redo: the
// user may look through another camera meanwhile, and its layer must not
// receive these times.
MStatus FrameCommand::Retime(BaseNode* master)
{
    if (!prepared)
        camera = master->GetActiveCamera();
    if (camera.isEmpty())
        return MStatus::kFailure;
    savedFrameTimes.clear();
    master->GetFrameTimes(camera, savedFrameTimes);
    if (savedFrameTimes.isEmpty())
        return MStatus::kFailure;
    if (!prepared) {
        ReadRange();
        FrameRetime::SnapRange(savedFrameTimes, rangeStart, rangeEnd, rangeStart, rangeEnd);
        prepared = true;
    }
    QList<int> times;
    if (!FrameRetime::NewTimes(savedFrameTimes, rangeStart, rangeEnd, amount, relative, times)) {
        Logger::Error("Retime failed: the frame times would leave the timeline");
        return MStatus::kFailure;
    }
    const int shown = FrameRetime::ShownIndex(savedFrameTimes, rangeStart, moveToNext);
    master->SetFrameTimes(camera, times);
    savedPlaybackTime = MayaUtil::GetPlaybackTime();
    MayaUtil::SetPlaybackTime(times[shown]);
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

MStatus FrameCommand::UndoRetime(BaseNode* master)
{
    master->SetFrameTimes(camera, savedFrameTimes);
    MayaUtil::SetPlaybackTime(savedPlaybackTime);
    RefreshTimeline(master);
    return MStatus::kSuccess;
}

// --- Move --------------------------------------------------------------------

MStatus FrameCommand::Move(BaseNode* master)
{
    if (!prepared) {
        const MStatus status = PrepareMove(master);
        if (!status)
            return status;
    }
    if (savedFrameTimes.isEmpty())
        return MStatus::kFailure;
    MoveFrames(master, savedFrameTimes, amount);
    return MStatus::kSuccess;
}

// The moving times, checked once: no drawing may land on one that stays.
MStatus FrameCommand::PrepareMove(BaseNode* master)
{
    if (amount == 0) {
        BaseNode::UpdateTimeControlOverlay();
        return MStatus::kFailure;
    }
    if (camera.isEmpty())
        camera = master->GetActiveCamera();
    if (camera.isEmpty()) {
        BaseNode::UpdateTimeControlOverlay();
        return MStatus::kFailure;
    }
    QList<int> staying;
    master->GetFrameTimes(camera, staying);
    savedFrameTimes = FrameMove::TakeMovingTimes(staying, amount, rangeStart, rangeEnd);
    int64_t target = 0;
    if (FrameMove::FindBlockedTarget(staying, savedFrameTimes, amount, target)) {
        BaseNode::UpdateTimeControlOverlay();
        if (target < INT_MIN || target > INT_MAX)
            Logger::Error(QStringLiteral("Move Failed. Time %1 is out of range").arg(target));
        else
            Logger::Error(QStringLiteral("Move Failed. A frame already exists at time %1").arg(target));
        return MStatus::kFailure;
    }
    prepared = true;
    return MStatus::kSuccess;
}

MStatus FrameCommand::UndoMove(BaseNode* master)
{
    QList<int> moved;
    for (auto time = savedFrameTimes.crbegin(); time != savedFrameTimes.crend(); ++time)
        moved.append(static_cast<int>(int64_t(*time) + amount));
    MoveFrames(master, moved, -int64_t(amount));
    return MStatus::kSuccess;
}

void FrameCommand::MoveFrames(BaseNode* master, const QList<int>& times, int64_t offset)
{
    for (int time : times) {
        if (Frame* frame = master->RemoveFrame(camera, FrameTime(time))) {
            frame->SetTimeValue(static_cast<int>(time + offset));
            PlaceFrame(master, frame);
        }
    }
}
