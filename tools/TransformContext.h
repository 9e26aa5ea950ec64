#pragma once

#include "tools/TransformContextInputHandler.h"

#include <maya/M3dView.h>
#include <maya/MEvent.h>
#include <maya/MPxContext.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTime.h>

#include <QPoint>
#include <QRect>
#include <QString>

class BaseNode;
struct Stroke;
namespace MHWRender {
class MFrameContext;
class MUIDrawManager;
}

// The transform tool. First a rectangle is dragged over the active layer's
// drawing (or nothing, for the whole frame); Enter lifts it out, and then
// left drags move it, Shift+left drags rotate it and middle drags scale it,
// while the layer manager shows it transformed. Enter applies the change as
// one stroke command, Backspace reverts it, Escape returns to the draw
// tool. Its menu cuts, copies and pastes regions through the layer
// manager's paste buffer.
class TransformContext : public MPxContext
{
public:
    enum Stage
    {
        STAGE_SELECT = 0,
        STAGE_TRANSFORM = 1
    };

    TransformContext();
    ~TransformContext() override;

    void toolOnSetup(MEvent& event) override;
    void toolOffCleanup() override;
    MStatus doPress(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                    const MHWRender::MFrameContext& context) override;
    MStatus doRelease(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                      const MHWRender::MFrameContext& context) override;
    MStatus doDrag(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                   const MHWRender::MFrameContext& context) override;
    MStatus doPress(MEvent& event) override;
    MStatus doRelease(MEvent& event) override;
    MStatus doDrag(MEvent& event) override;
    MStatus doEnterRegion(MEvent& event) override;
    MStatus helpStateHasChanged(MEvent& event) override;
    // Backspace: revert. Enter: lift the selection, or apply the transform.
    // Escape: cancel and go back to the draw tool.
    void deleteAction() override;
    void completeAction() override;
    void abortAction() override;
    void getClassName(MString& name) const override;

    int GetStage() const { return stage; }
    // Starts a selection in the active view's camera; a paste may first
    // add a layer or a frame to paste into.
    MStatus InitializeSelectStage(bool paste);
    // Lifts the selected region into the active stroke; false when there
    // is nothing to transform.
    bool PreprocessSelection();
    void UpdateStroke();
    void TransformSelectionOutline();
    void DrawSelectionOutline(int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3);
    void ReorderSelectionPoints();
    // Drops the stroke, and the layer or frame a paste made for it.
    void CancelStroke();

    void Transform(bool copy);
    void Cut();
    void Copy(bool transform);
    // position: widget pixels, origin top left.
    void Paste(bool transform, const QPoint& position);
    bool PasteAvailable() const;
    void FlipHorizontal();
    void FlipVertical();

    // What the transform is now, for the tool's tests.
    float Rotation() const { return rotation; }
    float ScaleX() const { return scaleX; }
    float ScaleY() const { return scaleY; }
    QPoint ViewOffset() const { return viewOffset; }
    QPoint ImageOffset() const { return imageOffset; }
    QRect CopiedRect() const { return copiedRect; }
    TransformContextInputHandler& InputHandler() { return inputHandler; }

    static const char* const TITLE;
    static const char* const IMAGE;
    static const char* const HELP_SELECT;
    static const char* const HELP_TRANSFORM;

private:
    template <typename Handler>
    MStatus WithDrawManager(MHWRender::MUIDrawManager& drawMgr, Handler handler);

    // The state a freshly activated tool has: select stage, no selection.
    void Restart();
    void ShowStageHelp();
    void EnterTransformStage();
    void Apply();
    MStatus PressSelect(short x, short y);
    void DragSelect(short x, short y);
    MStatus ReleaseSelect();
    void PressTransform(const MEvent& event, short x, short y);
    void DragTransform(const MEvent& event, short x, short y);
    MStatus ReleaseTransform();
    void DragScale(const MEvent& event, short x, short y);
    bool SelectStageStarted() const { return !camera.isEmpty(); }
    bool InSelectedViewAndTime() const;
    // The copied region's view rectangle, from the selection's corners.
    void RememberCopiedRect();
    // Hands outline points to the node, which draws them in either viewport.
    void ShowNodeOutline(const QPoint (&points)[4]);
    Stroke* ActiveStroke() const;
    QPoint ImagePoint(const QPoint& viewPoint) const;

    TransformContextInputHandler inputHandler;
    MHWRender::MUIDrawManager* drawManager = nullptr;
    M3dView view;
    QString camera;
    int activeLayerIndex = -1;
    int selectFrame = 0;
    int stage = STAGE_SELECT;
    QPoint corners[4];
    QPoint imageOffset;
    QPoint viewOffset;
    float rotation = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    QPoint translateAnchor;
    float rotateAnchor = 0.0f;
    float scaleAnchorX = 0.0f;
    float scaleAnchorY = 0.0f;
    bool translating = false;
    bool rotating = false;
    bool scaling = false;
    bool flipHorizontal = false;
    bool flipVertical = false;
    bool ignoreDrag = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
    QRect copiedRect;
    int newLayerIndex = -1;
    bool frameAdded = false;
    MTime frameTime;
};
