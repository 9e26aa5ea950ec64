#include "node/BaseNode.h"

#include "base/Logger.h"
#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "base/TimelineFrameDisplay.h"
#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerListNotifier.h"
#include "model/LayerManager.h"
#include "node/BaseNodeLayerData.h"
#include "node/TimelineMarks.h"

#include <maya/M3dView.h>
#include <maya/MDoubleArray.h>
#include <maya/MFileIO.h>
#include <maya/MFn.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPluginData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MGlobal.h>
#include <maya/MItDag.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>

#include <climits>

MObject BaseNode::layerDataAttribute;
MObject BaseNode::opacityAttribute;
bool BaseNode::drawContextActive = false;
TimelineMarks* BaseNode::timelineMarks = nullptr;

namespace {

BaseNode* UserNode(const MObject& object)
{
    MStatus status;
    MFnDependencyNode node(object, &status);
    return status ? dynamic_cast<BaseNode*>(node.userNode()) : nullptr;
}

} // namespace

BaseNode::BaseNode() = default;

BaseNode::~BaseNode()
{
    ClearClipboard();
}

// --- Host-facing -----------------------------------------------------------

void* BaseNode::Creator()
{
    return new BaseNode();
}

MTypeId BaseNode::GetTypeID()
{
    return MTypeId(0x0011A886);
}

MString BaseNode::GetTypeName()
{
    return MayaUtil::ToMString(Settings::NODE_TYPE_NAME);
}

MString BaseNode::GetDrawDbClassification()
{
    return MString("drawdb/geometry/") + GetTypeName();
}

MString BaseNode::GetDrawRegistrationId()
{
    return GetTypeName() + MString("Plugin");
}

MStatus BaseNode::Initialize()
{
    MFnTypedAttribute typed;
    layerDataAttribute = typed.create("layerData", "ld", BaseNodeLayerData::GetTypeID());
    typed.setReadable(true);
    typed.setWritable(true);
    typed.setStorable(true);
    typed.setConnectable(false);
    typed.setHidden(true);
    addAttribute(layerDataAttribute);

    MFnNumericAttribute numeric;
    opacityAttribute = numeric.create("opacity", "op", MFnNumericData::kFloat, 1.0);
    numeric.setMin(0.0f);
    numeric.setMax(1.0f);
    numeric.setKeyable(true);
    numeric.setStorable(true);
    numeric.setReadable(true);
    numeric.setWritable(true);
    numeric.setHidden(false);
    addAttribute(opacityAttribute);
    return MStatus::kSuccess;
}

// A node read from a file gets its document, with its master flag, from
// the stored attribute; only nodes made now get a fresh one here.
void BaseNode::postConstructor()
{
    if (!MFileIO::isOpeningFile() && !MFileIO::isImportingFile()
        && !MFileIO::isReferencingFile()) {
        InitializeLayerManager();
        const std::shared_ptr<LayerManager> manager = GetLayerManager();
        if (manager && !GetMaster())
            manager->MakeMaster();
    }
    MFnDependencyNode node(thisMObject());
    for (const char* name : {"localPositionX", "localPositionY", "localPositionZ", "localScaleX",
                             "localScaleY", "localScaleZ"})
        LockAndHideAttribute(node, name);
    // A templated shape cannot be picked in the viewport.
    MStatus status;
    MPlug templated = node.findPlug("template", false, &status);
    if (status)
        templated.setBool(true);
}

void BaseNode::LockAndHideAttribute(MFnDependencyNode& node, const char* name)
{
    MStatus status;
    MPlug plug = node.findPlug(name, false, &status);
    if (!status)
        return;
    plug.setKeyable(false);
    plug.setLocked(true);
    plug.setChannelBox(false);
}

bool BaseNode::isBounded() const
{
    return false;
}

MBoundingBox BaseNode::boundingBox() const
{
    return MBoundingBox(MPoint(0.0, 0.0, 0.0), MPoint(0.0, 0.0, 0.0));
}

bool BaseNode::excludeAsLocator() const
{
    return Settings::excludeAsLocator;
}

bool BaseNode::isTransparent() const
{
    return true;
}

bool BaseNode::drawLast() const
{
    return true;
}

// --- Lookup ------------------------------------------------------------------

QList<BaseNode*> BaseNode::GetAll()
{
    QList<BaseNode*> nodes;
    for (MItDag it(MItDag::kDepthFirst, MFn::kPluginLocatorNode); !it.isDone(); it.next())
        if (BaseNode* node = UserNode(it.currentItem()))
            nodes.append(node);
    return nodes;
}

BaseNode* BaseNode::GetMaster()
{
    for (BaseNode* node : GetAll())
        if (IsMaster(node))
            return node;
    return nullptr;
}

bool BaseNode::IsMaster(BaseNode* node)
{
    if (!node)
        return false;
    const std::shared_ptr<LayerManager> manager = node->GetLayerManager();
    return manager && manager->IsMaster();
}

BaseNode* BaseNode::GetFromSelectionList(const MSelectionList& list)
{
    MObject item;
    if (list.length() != 1 || !list.getDependNode(0, item))
        return nullptr;
    if (BaseNode* node = UserNode(item))
        return node;
    MStatus status;
    MFnDagNode dagNode(item, &status);
    if (!status)
        return nullptr;
    for (unsigned int i = 0; i < dagNode.childCount(); ++i)
        if (BaseNode* node = UserNode(dagNode.child(i)))
            return node;
    return nullptr;
}

BaseNode* BaseNode::GetSelected()
{
    MSelectionList list;
    MGlobal::getActiveSelectionList(list);
    return GetFromSelectionList(list);
}

// --- Document access ---------------------------------------------------------

std::shared_ptr<LayerManager> BaseNode::GetLayerManager() const
{
    MStatus status;
    MPlug plug = MFnDependencyNode(thisMObject()).findPlug(layerDataAttribute, false, &status);
    if (!status) {
        Logger::Error("Failed to get layer data plug");
        return nullptr;
    }
    MObject value;
    if (!plug.getValue(value)) {
        Logger::Error("Failed to get layer data plug as object");
        return nullptr;
    }
    if (value.isNull())
        return nullptr;
    MFnPluginData data(value, &status);
    const auto* layerData = status ? dynamic_cast<BaseNodeLayerData*>(data.data()) : nullptr;
    return layerData ? layerData->GetLayerManager() : nullptr;
}

void BaseNode::InitializeLayerManager()
{
    MStatus status;
    MPlug plug = MFnDependencyNode(thisMObject()).findPlug(layerDataAttribute, false, &status);
    if (!status) {
        Logger::Error("Failed to get layer data plug");
        Logger::Error("Failed to initialize layer manager");
        return;
    }
    MFnPluginData data;
    MObject value = data.create(BaseNodeLayerData::GetTypeID(), &status);
    auto* layerData = status ? dynamic_cast<BaseNodeLayerData*>(data.data()) : nullptr;
    if (layerData)
        layerData->CreateLayerManager();
    if (!layerData || !plug.setValue(value)) {
        Logger::Error("Failed to set layer data");
        Logger::Error("Failed to initialize layer manager");
    }
}

float BaseNode::GetOpacity() const
{
    return MPlug(thisMObject(), opacityAttribute).asFloat();
}

void BaseNode::SetOpacity(float value)
{
    MPlug(thisMObject(), opacityAttribute).setFloat(value);
}

QString BaseNode::GetActiveCamera() const
{
    return WithManager(QString(), [](LayerManager& m) { return m.GetActiveCamera(); });
}

QString BaseNode::GetPreviousActiveCamera() const
{
    return WithManager(QString(), [](LayerManager& m) { return m.GetPreviousActiveCamera(); });
}

// --- Layers ------------------------------------------------------------------

int BaseNode::InsertLayer(const QString& camera, int index, const QString& name)
{
    return ChangeDocument(-1, [&](LayerManager& m) { return m.InsertLayer(camera, index, name); });
}

int BaseNode::InsertLayer(const QString& camera, int index, Layer* layer)
{
    return ChangeDocument(-1, [&](LayerManager& m) { return m.InsertLayer(camera, index, layer); });
}

Layer* BaseNode::RemoveLayer(const QString& camera, int index)
{
    return ChangeDocument(static_cast<Layer*>(nullptr),
                          [&](LayerManager& m) { return m.RemoveLayer(camera, index); });
}

void BaseNode::RemoveAllLayers(const QString& camera, QList<Layer*>& removed)
{
    const std::shared_ptr<LayerManager> manager = GetLayerManager();
    if (!manager)
        return;
    manager->RemoveAllLayers(camera, removed);
    DocumentChanged();
}

int BaseNode::MoveLayer(const QString& camera, int from, int to)
{
    return ChangeDocument(-1, [&](LayerManager& m) { return m.MoveLayer(camera, from, to); });
}

int BaseNode::MoveLayer(const QString& camera, int from, const QString& toCamera, int to)
{
    return ChangeDocument(
        -1, [&](LayerManager& m) { return m.MoveLayer(camera, from, toCamera, to); });
}

// Ghosts belong to the active layer: with ghosting on, both the camera that
// was active and this one compose again.
bool BaseNode::SetActiveLayer(const QString& camera, int index, bool makeCameraActive)
{
    const std::shared_ptr<LayerManager> manager = GetLayerManager();
    if (!manager)
        return false;
    const QString previousCamera = manager->GetActiveCamera();
    const bool result = manager->SetActiveLayer(camera, index, makeCameraActive);
    if (Settings::ghostPrev || Settings::ghostNext) {
        manager->QueueMasterCacheUpdate(previousCamera);
        manager->QueueMasterCacheUpdate(camera);
        QueueRefresh();
    }
    UpdateTimeControlOverlay();
    return result;
}

bool BaseNode::LayerExists(const QString& camera, int index) const
{
    return WithManager(false, [&](LayerManager& m) { return m.LayerExists(camera, index); });
}

int BaseNode::LayerCount(const QString& camera) const
{
    return WithManager(0, [&](LayerManager& m) { return m.LayerCount(camera); });
}

int BaseNode::TotalLayerCount() const
{
    return WithManager(0, [](LayerManager& m) { return m.TotalLayerCount(); });
}

Layer* BaseNode::GetLayer(const QString& camera, int index) const
{
    return WithManager(static_cast<Layer*>(nullptr),
                       [&](LayerManager& m) { return m.GetLayer(camera, index); });
}

QList<Layer*> BaseNode::GetLayers(const QString& camera) const
{
    return WithManager(QList<Layer*>(), [&](LayerManager& m) { return m.GetLayers(camera); });
}

Layer* BaseNode::GetActiveLayer(const QString& camera) const
{
    return WithManager(static_cast<Layer*>(nullptr),
                       [&](LayerManager& m) { return m.GetActiveLayer(camera); });
}

int BaseNode::GetActiveLayerIndex(const QString& camera) const
{
    return WithManager(-1, [&](LayerManager& m) { return m.GetActiveLayerIndex(camera); });
}

void BaseNode::SetLayerName(const QString& camera, int index, const QString& name)
{
    WithManager([&](LayerManager& m) { m.SetLayerName(camera, index, name); });
}

QString BaseNode::GetLayerName(const QString& camera, int index) const
{
    return WithManager(QString(), [&](LayerManager& m) { return m.GetLayerName(camera, index); });
}

void BaseNode::SetLayerVisible(const QString& camera, int index, bool visible)
{
    const std::shared_ptr<LayerManager> manager = GetLayerManager();
    if (!manager)
        return;
    manager->SetLayerVisible(camera, index, visible);
    QueueRefresh();
}

bool BaseNode::IsLayerVisible(const QString& camera, int index) const
{
    return WithManager(false, [&](LayerManager& m) { return m.IsLayerVisible(camera, index); });
}

void BaseNode::SetLayerOpacity(const QString& camera, int index, float opacity)
{
    const std::shared_ptr<LayerManager> manager = GetLayerManager();
    if (!manager)
        return;
    manager->SetLayerOpacity(camera, index, opacity);
    QueueRefresh();
}

float BaseNode::GetLayerOpacity(const QString& camera, int index) const
{
    return WithManager(0.0f, [&](LayerManager& m) { return m.GetLayerOpacity(camera, index); });
}

void BaseNode::SetLayerState(const QString& camera, int index, LayerState state)
{
    WithManager([&](LayerManager& m) { m.SetLayerState(camera, index, state); });
}

LayerState BaseNode::GetLayerState(const QString& camera, int index) const
{
    return WithManager(LAYER_STATE_ANIM,
                       [&](LayerManager& m) { return m.GetLayerState(camera, index); });
}

void BaseNode::ForceCacheUpdate(const QString& camera, int index)
{
    WithManager([&](LayerManager& m) { m.ForceCacheUpdate(camera, index); });
}

// --- Frames ------------------------------------------------------------------

int BaseNode::AddFrame(const QString& camera)
{
    return ChangeDocument(-1, [&](LayerManager& m) { return m.AddFrame(camera); });
}

int BaseNode::AddFrame(const QString& camera, const MTime& time)
{
    return ChangeDocument(-1, [&](LayerManager& m) { return m.AddFrame(camera, time); });
}

int BaseNode::InsertFrame(const QString& camera, Frame* frame)
{
    return ChangeDocument(-1, [&](LayerManager& m) { return m.InsertFrame(camera, frame); });
}

Frame* BaseNode::RemoveFrame(const QString& camera)
{
    return ChangeDocument(static_cast<Frame*>(nullptr),
                          [&](LayerManager& m) { return m.RemoveFrame(camera); });
}

Frame* BaseNode::RemoveFrame(const QString& camera, const MTime& time)
{
    return ChangeDocument(static_cast<Frame*>(nullptr),
                          [&](LayerManager& m) { return m.RemoveFrame(camera, time); });
}

Frame* BaseNode::GetPreviousFrame(const QString& camera, bool wrap) const
{
    return WithManager(static_cast<Frame*>(nullptr),
                       [&](LayerManager& m) { return m.GetPreviousFrame(camera, wrap); });
}

Frame* BaseNode::GetNextFrame(const QString& camera, bool wrap) const
{
    return WithManager(static_cast<Frame*>(nullptr),
                       [&](LayerManager& m) { return m.GetNextFrame(camera, wrap); });
}

bool BaseNode::FrameExists(const QString& camera) const
{
    return WithManager(false, [&](LayerManager& m) { return m.FrameExists(camera); });
}

bool BaseNode::FrameExists(const QString& camera, const MTime& time) const
{
    return WithManager(false, [&](LayerManager& m) { return m.FrameExists(camera, time); });
}

void BaseNode::GetFrameTimes(const QString& camera, QList<int>& times) const
{
    WithManager([&](LayerManager& m) { m.GetFrameTimes(camera, times); });
}

void BaseNode::SetFrameTimes(const QString& camera, const QList<int>& times)
{
    const std::shared_ptr<LayerManager> manager = GetLayerManager();
    if (!manager)
        return;
    manager->SetFrameTimes(camera, times);
    DocumentChanged();
}

// --- Strokes -----------------------------------------------------------------

Stroke* BaseNode::GetActiveStroke(const QString& camera, bool transform)
{
    return WithManager(static_cast<Stroke*>(nullptr),
                       [&](LayerManager& m) { return m.GetActiveStroke(camera, transform); });
}

bool BaseNode::HasActiveStroke() const
{
    return WithManager(false, [](LayerManager& m) { return m.HasActiveStroke(); });
}

bool BaseNode::CommitActiveStroke(const QString& camera, QByteArray& undoImage)
{
    return ChangeStroke([&](LayerManager& m) { return m.CommitActiveStroke(camera, undoImage); });
}

bool BaseNode::CommitActiveStroke(const QString& camera, PngBuffer& undoImage)
{
    return ChangeStroke([&](LayerManager& m) { return m.CommitActiveStroke(camera, undoImage); });
}

bool BaseNode::UndoStroke(const QString& camera, QByteArray& data)
{
    return ChangeStroke([&](LayerManager& m) { return m.UndoStroke(camera, data); });
}

bool BaseNode::UndoStroke(const QString& camera, PngBuffer& data)
{
    return ChangeStroke([&](LayerManager& m) { return m.UndoStroke(camera, data); });
}

void BaseNode::CancelActiveStroke()
{
    ChangeStroke([](LayerManager& m) {
        m.CancelActiveStroke();
        return true;
    });
}

bool BaseNode::PasteTransformImageAvailable() const
{
    return WithManager(false, [](LayerManager& m) { return m.PasteTransformImageAvailable(); });
}

void BaseNode::RefreshActiveCamera()
{
    WithManager([](LayerManager& m) { m.RefreshActiveCamera(); });
}

void BaseNode::UpdateLayerManagerDialog()
{
    WithManager([](LayerManager& m) { m.UpdateLayerManagerDialog(); });
}

void BaseNode::UpdateGhosting()
{
    const std::shared_ptr<LayerManager> manager = GetLayerManager();
    if (!manager)
        return;
    manager->QueueMasterCacheUpdate(manager->GetActiveCamera());
    QueueRefresh();
}

// --- Refresh -----------------------------------------------------------------

void BaseNode::DocumentChanged()
{
    UpdateTimeControlOverlay();
    QueueRefresh();
}

// Writing the parent's visibility back unchanged dirties the node, so the
// host draws it again at its next refresh.
void BaseNode::QueueRefresh()
{
    MStatus status;
    MFnDagNode node(thisMObject(), &status);
    if (!status || node.parentCount() == 0)
        return;
    MPlug visibility = MFnDependencyNode(node.parent(0)).findPlug("visibility", false, &status);
    if (!status)
        return;
    visibility.setInt(visibility.asInt());
}

void BaseNode::RefreshView()
{
    MStatus status;
    M3dView view = M3dView::active3dView(&status);
    if (status)
        view.refresh(false, false);
}

void BaseNode::RefreshActiveView()
{
    QueueRefresh();
    RefreshView();
}

// --- Clipboard ---------------------------------------------------------------

void BaseNode::ClearClipboard()
{
    clipboard.Clear();
}

void BaseNode::CopyFramesToClipboard(const QString& camera)
{
    const std::shared_ptr<LayerManager> manager = GetLayerManager();
    if (!manager || camera.isEmpty())
        return;
    clipboard.Clear();
    MDoubleArray range;
    MayaUtil::GetTimeSliderRange(range);
    if (range.length() < 2 || !(range[0] >= INT_MIN && range[0] <= INT_MAX)
        || !(range[1] >= INT_MIN && range[1] <= INT_MAX))
        return;
    clipboard.Copy(*manager, camera, static_cast<int>(range[0]), static_cast<int>(range[1]));
}

QList<Frame*> BaseNode::GetClipboardFrames() const
{
    return clipboard.Frames();
}

// --- Drawing preparation -----------------------------------------------------

bool BaseNode::PrepareForDraw(const QString& camera, int& newLayerIndex, bool& frameAdded)
{
    const std::shared_ptr<LayerManager> manager = GetLayerManager();
    if (camera.isEmpty() || !manager)
        return false;
    if (manager->LayerCount(camera) < 1) {
        if (!Settings::automaticallyAddFirstLayer) {
            Logger::Error("A layer does not exist for the current camera");
            return false;
        }
        if (Settings::alwaysDisplayNewLayerDialog) {
            MayaUtil::ShowNewLayerDialog();
            return false;
        }
        newLayerIndex = manager->InsertLayer(camera, 0, QString());
        if (newLayerIndex < 0)
            return false;
    }
    const int active = manager->GetActiveLayerIndex(camera);
    if (active < 0) {
        Logger::Error("An active layer does not exist.");
        return false;
    }
    if (!manager->IsLayerVisible(camera, active)) {
        Logger::Error("Active layer is not visible.");
        return false;
    }
    const LayerState state = manager->GetLayerState(camera, active);
    if (state == LAYER_STATE_LOCKED) {
        Logger::Error("Active layer is locked.");
        return false;
    }
    if (!manager->FrameExists(camera)) {
        if (state == LAYER_STATE_STATIC) {
            if (!AddStaticFrame(camera, frameAdded))
                return false;
        } else {
            frameAdded = manager->AddFrame(camera) >= 0;
            if (frameAdded)
                UpdateTimeControlOverlay();
        }
    }
    return manager->CanDraw(camera);
}

bool BaseNode::AddStaticFrame(const QString& camera, bool& frameAdded)
{
    const int time = Settings::defaultStaticFrameTime;
    if (!Settings::insertDefaultStaticFrame || time > MayaUtil::GetPlaybackTimeValue()) {
        Logger::Error("Static layer: A frame is required at or before the current time.");
        return false;
    }
    frameAdded = WithManager(-1, [&](LayerManager& m) {
                     return m.AddFrame(camera, MTime(static_cast<double>(time), MTime::uiUnit()));
                 }) >= 0;
    if (frameAdded)
        UpdateTimeControlOverlay();
    return true;
}

// --- Transform outline -------------------------------------------------------

void BaseNode::SetTransformOutline(const QString& camera, QPoint p0, QPoint p1, QPoint p2,
                                   QPoint p3)
{
    const QPoint points[4] = {p0, p1, p2, p3};
    for (int i = 0; i < 4; ++i)
        outlineCorners[i] = MPoint(points[i].x(), points[i].y(), 0.0, 1.0);
    outlineCamera = camera;
    RefreshActiveView();
}

void BaseNode::ClearTransformOutline()
{
    if (outlineCamera.isEmpty())
        return;
    outlineCamera.clear();
    RefreshActiveView();
}

bool BaseNode::DrawTransformOutline(const QString& camera) const
{
    return !outlineCamera.isEmpty() && outlineCamera == camera;
}

void BaseNode::TransformOutlinePoints(MPoint& p0, MPoint& p1, MPoint& p2, MPoint& p3) const
{
    p0 = outlineCorners[0];
    p1 = outlineCorners[1];
    p2 = outlineCorners[2];
    p3 = outlineCorners[3];
}

// --- Time and the time slider ------------------------------------------------

void BaseNode::UpdatePlaybackTime()
{
    const int time = MayaUtil::GetPlaybackTimeValue();
    for (BaseNode* node : GetAll())
        node->OnPlaybackTimeChanged(time);
}

// While a range of frames is dragged on the time slider the active layer
// keeps its current frame, and the marks preview the move.
void BaseNode::OnPlaybackTimeChanged(int time)
{
    bool moveActive = false;
    if (timelineMarks) {
        timelineMarks->UpdateMoveOffset();
        if (timelineMarks->HasMoveOffset()) {
            UpdateTimeControlOverlay();
            moveActive = true;
        }
    }
    WithManager([&](LayerManager& m) { m.OnPlaybackTimeChanged(time, moveActive); });
}

bool BaseNode::TimeControlOverlayIsVisible(BaseNode* node)
{
    if (!node)
        return false;
    switch (Settings::timelineFrameDisplay) {
    case TIMELINE_FRAME_DISPLAY_ALWAYS:
        return true;
    case TIMELINE_FRAME_DISPLAY_SELECTION_OR_CONTEXT:
        if (drawContextActive)
            return true;
        {
            BaseNode* selected = GetSelected();
            return selected && IsMaster(selected);
        }
    default:
        return false;
    }
}

void BaseNode::UpdateTimeControlOverlay()
{
    BaseNode* master = GetMaster();
    if (!master || !TimeControlOverlayIsVisible(master)) {
        if (timelineMarks && timelineMarks->MarksShown()) {
            timelineMarks->ClearFrameTimes();
            timelineMarks->SetMarksShown(false);
        }
        return;
    }
    QList<int> times;
    master->GetFrameTimes(master->GetActiveCamera(), times);
    if (!timelineMarks)
        return;
    // Preview of a range being dragged: the frames inside it move along.
    const int offset = timelineMarks->GetMoveOffset();
    const MDoubleArray range = timelineMarks->GetRangeForMoveOffset();
    if (timelineMarks->HasMoveOffset() && offset != 0 && range.length() == 2) {
        for (int& t : times)
            if (range[0] <= t && t < range[1])
                t += offset;
    }
    timelineMarks->SetFrameTimes(times);
    if (!timelineMarks->MarksShown())
        timelineMarks->SetMarksShown(true);
}

void BaseNode::SetTimelineMarks(TimelineMarks* marks)
{
    if (marks == timelineMarks)
        return;
    delete timelineMarks;
    timelineMarks = marks;
    if (timelineMarks && drawContextActive)
        timelineMarks->SetDrawContextActive(true);
}

TimelineMarks* BaseNode::GetTimelineMarks()
{
    return timelineMarks;
}

void BaseNode::ForgetTimelineMarks(const TimelineMarks* marks)
{
    if (marks == timelineMarks)
        timelineMarks = nullptr;
}

void BaseNode::SetDrawContextActive(bool active)
{
    if (active == drawContextActive)
        return;
    drawContextActive = active;
    if (timelineMarks)
        timelineMarks->SetDrawContextActive(active);
    if (Settings::timelineFrameDisplay == TIMELINE_FRAME_DISPLAY_SELECTION_OR_CONTEXT)
        UpdateTimeControlOverlay();
}

bool BaseNode::IsDrawContextActive()
{
    return drawContextActive;
}

// The layer panel empties itself when told.
void BaseNode::ClearLayerManagerDialog()
{
    emit LayerListNotifier::Instance()->LayersCleared();
}

MStatus BaseNode::Shutdown()
{
    return ReleaseClassResources();
}

MStatus BaseNode::Cleanup()
{
    return ReleaseClassResources();
}

MStatus BaseNode::ReleaseClassResources()
{
    SetTimelineMarks(nullptr);
    Settings::WriteUserConfig();
    return MStatus::kSuccess;
}
