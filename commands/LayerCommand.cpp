#include "commands/LayerCommand.h"

#include "base/Logger.h"
#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/Layer.h"
#include "model/LayerState.h"
#include "node/BaseNode.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MString.h>

#include <QtAlgorithms>

#include <climits>
#include <cmath>

namespace {

struct FlagName
{
    const char* shortName;
    const char* longName;
};

// The mode flags in the order in which the first one given wins; a flag's
// position plus one is its LayerCommand::Mode.
const FlagName MODE_FLAGS[] = {
    {"-act", "-active"},    {"-cnt", "-count"},       {"-add", "-addLayer"},
    {"-ins", "-insert"},    {"-del", "-delete"},      {"-da", "-deleteAll"},
    {"-mv", "-move"},       {"-mva", "-moveAll"},     {"-en", "editName"},
    {"-qn", "queryName"},   {"-ev", "editVis"},       {"-qv", "queryVis"},
    {"-eo", "editOpacity"}, {"-qo", "queryOpacity"},  {"-es", "editState"},
    {"-qs", "queryState"},  {"-ifz", "importFramedeck"}};
const int MODE_FLAG_COUNT = int(sizeof(MODE_FLAGS) / sizeof(MODE_FLAGS[0]));
const FlagName NAME_FLAG = {"-n", "-name"};
const FlagName NEW_CAMERA_FLAG = {"-nc", "-newCamera"};
const FlagName LAYER_STATE_FLAG = {"-ls", "layerState"};

const char* Flag(int mode)
{
    return MODE_FLAGS[mode - 1].shortName;
}

// Layer indices arrive unsigned; those past any list stay out of range
// instead of turning negative.
int ToIndex(uint32_t value)
{
    return value > uint32_t(INT_MAX) ? INT_MAX : int(value);
}

bool ValidState(uint32_t state)
{
    return state <= LAYER_STATE_LOCKED;
}

} // namespace

LayerCommand::~LayerCommand()
{
    qDeleteAll(removedLayers);
}

void* LayerCommand::Creator()
{
    return new LayerCommand();
}

MSyntax LayerCommand::CommandSyntax()
{
    using A = MSyntax;
    const MSyntax::MArgType args[][2] = {
        {A::kUnsigned, A::kNoArg}, {A::kNoArg, A::kNoArg},     {A::kNoArg, A::kNoArg},
        {A::kLong, A::kNoArg},     {A::kUnsigned, A::kNoArg},  {A::kNoArg, A::kNoArg},
        {A::kUnsigned, A::kLong},  {A::kString, A::kNoArg},    {A::kString, A::kUnsigned},
        {A::kUnsigned, A::kNoArg}, {A::kBoolean, A::kUnsigned}, {A::kUnsigned, A::kNoArg},
        {A::kDouble, A::kUnsigned}, {A::kUnsigned, A::kNoArg}, {A::kUnsigned, A::kUnsigned},
        {A::kUnsigned, A::kNoArg}, {A::kString, A::kString}};
    MSyntax syntax;
    for (int i = 0; i < MODE_FLAG_COUNT; ++i)
        syntax.addFlag(MODE_FLAGS[i].shortName, MODE_FLAGS[i].longName, args[i][0], args[i][1]);
    syntax.addFlag(NAME_FLAG.shortName, NAME_FLAG.longName, MSyntax::kString);
    syntax.addFlag(NEW_CAMERA_FLAG.shortName, NEW_CAMERA_FLAG.longName, MSyntax::kString);
    syntax.addFlag(LAYER_STATE_FLAG.shortName, LAYER_STATE_FLAG.longName, MSyntax::kUnsigned);
    // A missing camera gets the command's own message rather than the
    // parser's.
    syntax.setObjectType(MSyntax::kStringObjects, 0);
    syntax.enableEdit(true);
    syntax.enableQuery(true);
    return syntax;
}

QString LayerCommand::GetCommandName()
{
    return Settings::LAYER_COMMAND_NAME;
}

// --- Parsing and dispatch ----------------------------------------------------

MStatus LayerCommand::ParseFlags(const MArgDatabase& db)
{
    if (!ParseCamera(db, false))
        return MStatus::kFailure;
    for (int i = 0; i < MODE_FLAG_COUNT && mode == Mode::Unset; ++i)
        if (db.isFlagSet(MODE_FLAGS[i].shortName))
            mode = Mode(i + 1);
    if (!ParseModeArguments(db))
        return MStatus::kFailure;
    if ((mode == Mode::Add || mode == Mode::Insert) && db.isFlagSet(NAME_FLAG.shortName)) {
        MString value;
        db.getFlagArgument(NAME_FLAG.shortName, 0, value);
        name = MayaUtil::ToQString(value);
    }
    return MStatus::kSuccess;
}

bool LayerCommand::ParseModeArguments(const MArgDatabase& db)
{
    const char* flag = mode == Mode::Unset ? "" : Flag(int(mode));
    MString text;
    switch (mode) {
    case Mode::Active:
        // A query takes no index.
        if (!queryMode)
            db.getFlagArgument(flag, 0, index);
        break;
    case Mode::Add:
        if (db.isFlagSet(LAYER_STATE_FLAG.shortName)) {
            uint32_t value = 0;
            db.getFlagArgument(LAYER_STATE_FLAG.shortName, 0, value);
            layerState = ValidState(value) ? int(value) : LAYER_STATE_ANIM;
        }
        break;
    case Mode::Insert: db.getFlagArgument(flag, 0, targetIndex); break;
    case Mode::Delete:
    case Mode::QueryName:
    case Mode::QueryVisibility:
    case Mode::QueryOpacity:
    case Mode::QueryState: db.getFlagArgument(flag, 0, index); break;
    case Mode::Move:
        db.getFlagArgument(flag, 0, index);
        db.getFlagArgument(flag, 1, targetIndex);
        if (db.isFlagSet(NEW_CAMERA_FLAG.shortName)) {
            db.getFlagArgument(NEW_CAMERA_FLAG.shortName, 0, text);
            newCamera = MayaUtil::ToQString(text);
        }
        // A move onto its own camera is a move within it.
        if (newCamera == camera)
            newCamera.clear();
        break;
    case Mode::MoveAll:
        db.getFlagArgument(flag, 0, text);
        newCamera = MayaUtil::ToQString(text);
        break;
    case Mode::EditName:
        db.getFlagArgument(flag, 0, text);
        db.getFlagArgument(flag, 1, index);
        name = MayaUtil::ToQString(text);
        break;
    case Mode::EditVisibility:
        db.getFlagArgument(flag, 0, visible);
        db.getFlagArgument(flag, 1, index);
        break;
    case Mode::EditOpacity: {
        double value = 0.0;
        db.getFlagArgument(flag, 0, value);
        db.getFlagArgument(flag, 1, index);
        // Not a number would be stored as such and break the saved scene.
        if (!std::isfinite(value)) {
            Logger::Error(QStringLiteral("Invalid opacity value: %1").arg(value));
            return false;
        }
        opacity = float(value);
        break;
    }
    case Mode::EditState:
        db.getFlagArgument(flag, 0, state);
        db.getFlagArgument(flag, 1, index);
        break;
    case Mode::Import:
        db.getFlagArgument(flag, 0, text);
        importSource = MayaUtil::ToQString(text);
        db.getFlagArgument(flag, 1, text);
        name = MayaUtil::ToQString(text);
        break;
    case Mode::Count:
    case Mode::DeleteAll:
    case Mode::Unset: break;
    }
    return true;
}

MStatus LayerCommand::doIt(const MArgList& args)
{
    const MStatus status = ParseArgs(args);
    if (!status)
        return status;
    if (!FindNode() && mode != Mode::Add && mode != Mode::Insert)
        return NodeNotFound();
    return redoIt();
}

MStatus LayerCommand::redoIt()
{
    if ((editMode || queryMode) && mode != Mode::Active) {
        Logger::Error(editMode ? "Invalid edit parameter" : "Invalid query parameter");
        return MStatus::kInvalidParameter;
    }
    if (!editMode && !queryMode && (mode == Mode::Unset || mode == Mode::Active)) {
        Logger::Error("Invalid command parameters");
        return MStatus::kInvalidParameter;
    }
    // Queries change nothing and stay out of the undo queue.
    const bool query = !editMode
                       && (queryMode || mode == Mode::Count || mode == Mode::QueryName
                           || mode == Mode::QueryVisibility || mode == Mode::QueryOpacity
                           || mode == Mode::QueryState);
    if (!query)
        undoable = true;
    if (mode == Mode::Import)
        return MStatus::kSuccess; // changes nothing
    BaseNode* master = Node();
    if (!master)
        return NodeMissing();
    if (editMode)
        return SetActive(*master);
    switch (mode) {
    case Mode::Add: return Add(*master);
    case Mode::Insert: return Insert(*master);
    case Mode::Delete: return Delete(*master);
    case Mode::DeleteAll: return DeleteAll(*master);
    case Mode::Move: return Move(*master);
    case Mode::MoveAll: return MoveAll(*master);
    case Mode::EditName: return SwapName(*master);
    case Mode::EditVisibility: return SwapVisibility(*master);
    case Mode::EditOpacity: return SwapOpacity(*master);
    case Mode::EditState: return SwapState(*master);
    default: return Query(*master);
    }
}

MStatus LayerCommand::undoIt()
{
    if (mode == Mode::Import)
        return MStatus::kSuccess;
    BaseNode* master = Node();
    if (!master)
        return MStatus::kFailure;
    switch (mode) {
    case Mode::Active: snapshot.Restore(*master); return MStatus::kSuccess;
    case Mode::Add:
    case Mode::Insert: return UndoInsert(*master);
    case Mode::Delete: return UndoDelete(*master);
    case Mode::DeleteAll: return UndoDeleteAll(*master);
    case Mode::Move: return UndoMove(*master);
    case Mode::MoveAll: return UndoMoveAll(*master);
    case Mode::EditName: return SwapName(*master);
    case Mode::EditVisibility: return SwapVisibility(*master);
    case Mode::EditOpacity: return SwapOpacity(*master);
    case Mode::EditState: return SwapState(*master);
    default: return MStatus::kFailure;
    }
}

// Add and insert run without a node found by doIt and say so; the other
// modes found one, and fail quietly when it was deleted since.
MStatus LayerCommand::NodeMissing() const
{
    if (mode == Mode::Add)
        Logger::Error("Failed to add layer. Node does not exist.");
    else if (mode == Mode::Insert)
        Logger::Error("Failed to insert layer. Node does not exist.");
    return MStatus::kFailure;
}

bool LayerCommand::CheckLayer(BaseNode& master, int layer) const
{
    if (master.LayerExists(camera, layer))
        return true;
    Logger::Error(QStringLiteral("Layer does not exist for camera (index): %1 (%2)")
                      .arg(camera)
                      .arg(layer));
    return false;
}

void LayerCommand::TakeSnapshot(BaseNode& master, const QStringList& cameras)
{
    snapshot.Take(master, QStringList(master.GetActiveCamera()) + cameras);
}

// --- Active layer and queries ------------------------------------------------

MStatus LayerCommand::SetActive(BaseNode& master)
{
    const int layer = ToIndex(index);
    // Checked here: asking for a missing layer would leave the camera an
    // empty layer list.
    if (!CheckLayer(master, layer))
        return MStatus::kFailure;
    if (master.GetActiveCamera() == camera && master.GetActiveLayerIndex(camera) == layer)
        return MStatus::kFailure;
    TakeSnapshot(master, {camera});
    if (!master.SetActiveLayer(camera, layer, true))
        return MStatus::kFailure;
    setResult(index);
    return MStatus::kSuccess;
}

MStatus LayerCommand::Query(BaseNode& master)
{
    const int layer = ToIndex(index);
    if (mode == Mode::Active) {
        setResult(master.GetActiveLayerIndex(camera));
        return MStatus::kSuccess;
    }
    if (mode == Mode::Count) {
        setResult(master.LayerCount(camera));
        return MStatus::kSuccess;
    }
    if (!CheckLayer(master, layer))
        return MStatus::kFailure;
    if (mode == Mode::QueryName)
        setResult(MayaUtil::ToMString(master.GetLayerName(camera, layer)));
    else if (mode == Mode::QueryVisibility)
        setResult(master.IsLayerVisible(camera, layer));
    else if (mode == Mode::QueryOpacity)
        setResult(double(master.GetLayerOpacity(camera, layer)));
    else
        setResult(unsigned(master.GetLayerState(camera, layer)));
    return MStatus::kSuccess;
}

// --- Add and insert ----------------------------------------------------------

MStatus LayerCommand::Add(BaseNode& master)
{
    const MStatus status = Insert(master);
    if (status)
        master.SetActiveLayer(camera, insertedIndex, true);
    return status;
}

// The snapshot is taken before the insert: a camera's first layer becomes
// its active one, and the document's first layer makes its camera active.
MStatus LayerCommand::Insert(BaseNode& master)
{
    TakeSnapshot(master, {camera});
    const int position = mode == Mode::Add ? -1 : targetIndex;
    const int added = master.InsertLayer(camera, position, name);
    if (added < 0)
        return MStatus::kFailure;
    insertedIndex = added;
    if (layerState >= 0)
        master.SetLayerState(camera, added, LayerState(layerState));
    setResult(unsigned(added));
    return MStatus::kSuccess;
}

MStatus LayerCommand::UndoInsert(BaseNode& master)
{
    Layer* layer = master.RemoveLayer(camera, insertedIndex);
    if (!layer)
        return MStatus::kFailure;
    delete layer;
    snapshot.Restore(master);
    return MStatus::kSuccess;
}

// --- Delete ------------------------------------------------------------------

MStatus LayerCommand::Delete(BaseNode& master)
{
    const int layer = ToIndex(index);
    if (!CheckLayer(master, layer))
        return MStatus::kFailure;
    TakeSnapshot(master, {camera});
    Layer* removed = master.RemoveLayer(camera, layer);
    if (!removed)
        return MStatus::kFailure;
    removedLayers.append(removed);
    return MStatus::kSuccess;
}

MStatus LayerCommand::UndoDelete(BaseNode& master)
{
    if (removedLayers.isEmpty()
        || master.InsertLayer(camera, ToIndex(index), removedLayers.first()) < 0)
        return MStatus::kFailure;
    removedLayers.clear();
    snapshot.Restore(master);
    return MStatus::kSuccess;
}

MStatus LayerCommand::DeleteAll(BaseNode& master)
{
    TakeSnapshot(master, {camera});
    master.RemoveAllLayers(camera, removedLayers);
    return MStatus::kSuccess;
}

// Each layer given back leaves the list at once, so that a failure part-way
// leaves the command owning exactly those still out of the document.
MStatus LayerCommand::UndoDeleteAll(BaseNode& master)
{
    for (int i = 0; !removedLayers.isEmpty(); ++i) {
        if (master.InsertLayer(camera, i, removedLayers.first()) < 0)
            return MStatus::kFailure;
        removedLayers.removeFirst();
    }
    snapshot.Restore(master);
    return MStatus::kSuccess;
}

// --- Moves -------------------------------------------------------------------

MStatus LayerCommand::Move(BaseNode& master)
{
    const int from = ToIndex(index);
    if (newCamera.isEmpty()) {
        movedIndex = master.MoveLayer(camera, from, targetIndex);
    } else {
        TakeSnapshot(master, {camera, newCamera});
        const bool wasActive = master.GetActiveCamera() == camera
                               && master.GetActiveLayerIndex(camera) == from;
        movedIndex = master.MoveLayer(camera, from, newCamera, targetIndex);
        // Only a layer that did move can become the active one.
        if (movedIndex >= 0 && wasActive)
            master.SetActiveLayer(newCamera, movedIndex, true);
    }
    if (movedIndex < 0)
        return MStatus::kFailure;
    setResult(movedIndex);
    return MStatus::kSuccess;
}

MStatus LayerCommand::UndoMove(BaseNode& master)
{
    const int from = ToIndex(index);
    int result = -1;
    if (newCamera.isEmpty()) {
        result = master.MoveLayer(camera, movedIndex, from);
    } else {
        result = master.MoveLayer(newCamera, movedIndex, camera, from);
        if (result >= 0)
            snapshot.Restore(master);
    }
    if (result < 0)
        return MStatus::kFailure;
    setResult(result);
    return MStatus::kSuccess;
}

// The layers keep their order and land above the target's own layers.
// Everything that could refuse a single move is checked first, so the
// command never stops half way.
MStatus LayerCommand::MoveAll(BaseNode& master)
{
    if (!MayaUtil::CameraExists(newCamera)) {
        Logger::Error(QStringLiteral("Camera does not exist: %1").arg(newCamera));
        return MStatus::kFailure;
    }
    if (newCamera == camera) {
        Logger::Error(QStringLiteral("Layers are already on camera: %1").arg(camera));
        return MStatus::kFailure;
    }
    const int count = master.LayerCount(camera);
    if (count == 0)
        return MStatus::kFailure;
    TakeSnapshot(master, {camera, newCamera});
    const int sourceActive = master.GetActiveLayerIndex(camera);
    const bool sourceWasActive = master.GetActiveCamera() == camera;
    targetIndex = master.LayerCount(newCamera);
    for (movedCount = 0; movedCount < count; ++movedCount) {
        if (master.MoveLayer(camera, count - 1 - movedCount, newCamera, targetIndex) < 0) {
            MoveBack(master, movedCount);
            snapshot.Restore(master);
            return MStatus::kFailure;
        }
    }
    if (sourceWasActive && sourceActive >= 0)
        master.SetActiveLayer(newCamera, targetIndex + sourceActive, true);
    return MStatus::kSuccess;
}

MStatus LayerCommand::UndoMoveAll(BaseNode& master)
{
    if (master.LayerCount(newCamera) < targetIndex + movedCount)
        return MStatus::kFailure;
    MoveBack(master, movedCount);
    snapshot.Restore(master);
    return MStatus::kSuccess;
}

void LayerCommand::MoveBack(BaseNode& master, int count)
{
    const int position = master.LayerCount(camera);
    for (int k = targetIndex + count - 1; k >= targetIndex; --k)
        master.MoveLayer(newCamera, k, camera, position);
}

// --- Swapped attributes ------------------------------------------------------

// Writes the stored value to the layer and keeps the one it replaces, so
// that undo and redo run the same swap.
template <typename Value, typename Get, typename Set>
MStatus LayerCommand::Swap(BaseNode& master, Value& stored, Get get, Set set)
{
    const int layer = ToIndex(index);
    if (!CheckLayer(master, layer))
        return MStatus::kFailure;
    const Value old = (master.*get)(camera, layer);
    (master.*set)(camera, layer, stored);
    stored = old;
    return MStatus::kSuccess;
}

MStatus LayerCommand::SwapName(BaseNode& master)
{
    return Swap(master, name, &BaseNode::GetLayerName, &BaseNode::SetLayerName);
}

MStatus LayerCommand::SwapVisibility(BaseNode& master)
{
    return Swap(master, visible, &BaseNode::IsLayerVisible, &BaseNode::SetLayerVisible);
}

MStatus LayerCommand::SwapOpacity(BaseNode& master)
{
    return Swap(master, opacity, &BaseNode::GetLayerOpacity, &BaseNode::SetLayerOpacity);
}

// The state argument comes first on the command line, the layer second.
MStatus LayerCommand::SwapState(BaseNode& master)
{
    if (!ValidState(state)) {
        Logger::Error(QStringLiteral("Invalid state value: %1").arg(state));
        return MStatus::kFailure;
    }
    LayerState value = LayerState(state);
    const MStatus status = Swap(master, value, &BaseNode::GetLayerState, &BaseNode::SetLayerState);
    state = uint32_t(value);
    return status;
}
