#pragma once

#include "model/LayerState.h"
#include "node/FrameClipboard.h"
#include "node/LegacyImageQuad.h"
#include "node/OverlayPlacement.h"

#include <maya/MBoundingBox.h>
#include <maya/MPoint.h>
#include <maya/MPxLocatorNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTime.h>
#include <maya/MTypeId.h>

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>

#include <memory>

class Frame;
class Layer;
class LayerManager;
class MFnDependencyNode;
class MSelectionList;
class PngBuffer;
class QImage;
class TimelineMarks;
namespace MHWRender {
class MFrameContext;
}
struct Stroke;

// The locator through which the drawing document lives in the scene. Its
// hidden, stored "layerData" attribute holds the document; every other part
// of the plug-in reaches it through the master node and the operations here,
// which forward to the layer manager and add what the host needs: redraw
// requests and the time slider's frame marks. The node also keeps the frame
// clipboard and the transform tool's outline.
class BaseNode : public MPxLocatorNode
{
public:
    BaseNode();
    ~BaseNode() override;

    void postConstructor() override;
    // Legacy viewport: the composed image over the view; style and status
    // do not matter.
    void draw(M3dView& view, const MDagPath& path, M3dView::DisplayStyle style,
              M3dView::DisplayStatus status) override;
    bool isBounded() const override;
    MBoundingBox boundingBox() const override;
    bool excludeAsLocator() const override;
    bool isTransparent() const override;
    bool drawLast() const override;

    static void* Creator();
    static MStatus Initialize();
    static MTypeId GetTypeID();
    static MString GetTypeName();
    static MString GetDrawDbClassification();
    static MString GetDrawRegistrationId();

    static MObject layerDataAttribute;
    static MObject opacityAttribute;
    // Takes the attribute out of the channel box and locks it; nothing when
    // the node has no such attribute.
    static void LockAndHideAttribute(MFnDependencyNode& node, const char* name);

    // Lookup. The master is the first node, depth first through the DAG,
    // whose document is the master document.
    static QList<BaseNode*> GetAll();
    static BaseNode* GetMaster();
    static bool IsMaster(BaseNode* node);
    // The node of a one-item list, naming the node or its parent transform.
    static BaseNode* GetFromSelectionList(const MSelectionList& list);
    static BaseNode* GetSelected();

    // Document access. The pointer is for the length of one operation.
    std::shared_ptr<LayerManager> GetLayerManager() const;
    void InitializeLayerManager();
    float GetOpacity() const;
    void SetOpacity(float value);
    QString GetActiveCamera() const;
    QString GetPreviousActiveCamera() const;

    // Layers.
    int InsertLayer(const QString& camera, int index, const QString& name);
    // A layer that is not inserted stays the caller's.
    int InsertLayer(const QString& camera, int index, Layer* layer);
    Layer* RemoveLayer(const QString& camera, int index);
    void RemoveAllLayers(const QString& camera, QList<Layer*>& removed);
    int MoveLayer(const QString& camera, int from, int to);
    int MoveLayer(const QString& camera, int from, const QString& toCamera, int to);
    bool SetActiveLayer(const QString& camera, int index, bool makeCameraActive);
    bool LayerExists(const QString& camera, int index) const;
    int LayerCount(const QString& camera) const;
    int TotalLayerCount() const;
    Layer* GetLayer(const QString& camera, int index) const;
    QList<Layer*> GetLayers(const QString& camera) const;
    Layer* GetActiveLayer(const QString& camera) const;
    int GetActiveLayerIndex(const QString& camera) const;
    void SetLayerName(const QString& camera, int index, const QString& name);
    QString GetLayerName(const QString& camera, int index) const;
    void SetLayerVisible(const QString& camera, int index, bool visible);
    bool IsLayerVisible(const QString& camera, int index) const;
    void SetLayerOpacity(const QString& camera, int index, float opacity);
    float GetLayerOpacity(const QString& camera, int index) const;
    void SetLayerState(const QString& camera, int index, LayerState state);
    LayerState GetLayerState(const QString& camera, int index) const;
    void ForceCacheUpdate(const QString& camera, int index);

    // Frames of a camera's active layer.
    int AddFrame(const QString& camera);
    int AddFrame(const QString& camera, const MTime& time);
    int InsertFrame(const QString& camera, Frame* frame);
    Frame* RemoveFrame(const QString& camera);
    Frame* RemoveFrame(const QString& camera, const MTime& time);
    Frame* GetPreviousFrame(const QString& camera, bool wrap) const;
    Frame* GetNextFrame(const QString& camera, bool wrap) const;
    bool FrameExists(const QString& camera) const;
    bool FrameExists(const QString& camera, const MTime& time) const;
    void GetFrameTimes(const QString& camera, QList<int>& times) const;
    void SetFrameTimes(const QString& camera, const QList<int>& times);

    // Strokes.
    Stroke* GetActiveStroke(const QString& camera, bool transform);
    bool HasActiveStroke() const;
    bool CommitActiveStroke(const QString& camera, QByteArray& undoImage);
    bool CommitActiveStroke(const QString& camera, PngBuffer& undoImage);
    bool UndoStroke(const QString& camera, QByteArray& data);
    bool UndoStroke(const QString& camera, PngBuffer& data);
    void CancelActiveStroke();
    bool PasteTransformImageAvailable() const;

    void RefreshActiveCamera();
    void UpdateLayerManagerDialog();
    void UpdateGhosting();

    // Redraw: QueueRefresh dirties the node so the host draws it at its next
    // refresh; RefreshActiveView also redraws the active view at once.
    void QueueRefresh();
    void RefreshActiveView();

    // The frame clipboard.
    void ClearClipboard();
    // Copies the frames of the time slider's selected range.
    void CopyFramesToClipboard(const QString& camera);
    QList<Frame*> GetClipboardFrames() const;

    // Before a stroke: may add a first layer (its index in newLayerIndex) or
    // a frame at the current time; false, with a message, when drawing on
    // the camera's active layer is not possible now.
    bool PrepareForDraw(const QString& camera, int& newLayerIndex, bool& frameAdded);

    // The transform tool's outline, in viewport pixels.
    void SetTransformOutline(const QString& camera, QPoint p0, QPoint p1, QPoint p2, QPoint p3);
    void ClearTransformOutline();
    bool DrawTransformOutline(const QString& camera) const;
    void TransformOutlinePoints(MPoint& p0, MPoint& p1, MPoint& p2, MPoint& p3) const;

    // Time and the time slider's frame marks.
    static void UpdatePlaybackTime();
    void OnPlaybackTimeChanged(int time);
    static void UpdateTimeControlOverlay();
    static bool TimeControlOverlayIsVisible(BaseNode* node);
    static void SetDrawContextActive(bool active);
    // The frame marks on the time slider, handed over by the interface when
    // the node type registers; null without a user interface. The node owns
    // them from then on and deletes them at shutdown.
    static void SetTimelineMarks(TimelineMarks* marks);
    static TimelineMarks* GetTimelineMarks();
    static void ForgetTimelineMarks(const TimelineMarks* marks);
    static bool IsDrawContextActive();
    static void ClearLayerManagerDialog();

    // Placement of the composed image over a camera view, recomputed at
    // every draw and read by the tools between draws.
    void UpdateOverlayValues(const MDagPath& camera, int width, int height);
    void UpdateOverlayPan(const MDagPath& camera, const MHWRender::MFrameContext& context);
    void UpdateOverlayPan(const MDagPath& camera, const M3dView& view);
    void UpdateOverlayValues(M3dView& view);
    QPoint ScreenCoordsToTexCoords(const QPoint& p) const;
    float TextureToScreenScale() const;
    MPoint GetOverlayCenter() const;
    float GetOverlayScale() const;
    const OverlayPlacement& GetOverlayPlacement() const { return overlay; }
    QImage* GetFinalImage(const QString& camera);
    bool ImageUpdateRequired(const QString& camera);

    // At the host's quit and after the node type is withdrawn: the user
    // settings are written and the class-wide widgets go. Safe to repeat.
    static MStatus Shutdown();
    static MStatus Cleanup();

private:
    // Runs the call on the document; the neutral value without one.
    template <typename Result, typename Call>
    Result WithManager(Result neutral, Call call) const
    {
        const std::shared_ptr<LayerManager> manager = GetLayerManager();
        return manager ? call(*manager) : neutral;
    }
    template <typename Call>
    void WithManager(Call call) const
    {
        if (const std::shared_ptr<LayerManager> manager = GetLayerManager())
            call(*manager);
    }
    // A change to the active stroke or a frame's drawing: the views show it
    // at once.
    template <typename Call>
    bool ChangeStroke(Call call)
    {
        const std::shared_ptr<LayerManager> manager = GetLayerManager();
        if (!manager)
            return false;
        const bool result = call(*manager);
        RefreshActiveView();
        return result;
    }
    // Runs a change to the document's layers or frames; the overlay and the
    // views follow when it did something (a result other than `failed`).
    template <typename Result, typename Call>
    Result ChangeDocument(Result failed, Call call)
    {
        const Result result = WithManager(failed, call);
        if (result != failed)
            DocumentChanged();
        return result;
    }
    // Overlay and refresh after a change to the document's layers or frames.
    void DocumentChanged();

    // Static layer without a frame shown now: adds the default static frame
    // when allowed.
    bool AddStaticFrame(const QString& camera, bool& frameAdded);
    static void RefreshView();
    static MStatus ReleaseClassResources();

    MPoint outlineCorners[4];
    QString outlineCamera;
    FrameClipboard clipboard;
    int currentFrame = 0;
    OverlayPlacement overlay;
    LegacyImageQuad legacyQuad;

    static bool drawContextActive;
    // Owned; guarded because the host may destroy the time slider first.
    static TimelineMarks* timelineMarks;
};
