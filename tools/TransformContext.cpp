#include "tools/TransformContext.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerState.h"
#include "node/BaseNode.h"
#include "raster/Stroke.h"

#include <maya/MCursor.h>
#include <maya/MPoint.h>
#include <maya/MUIDrawManager.h>

#include <QtMath>

#include <algorithm>
#include <cmath>

const char* const TransformContext::TITLE = "Transform Context";
const char* const TransformContext::IMAGE = ":/icons/transform_context_01.png";
const char* const TransformContext::HELP_SELECT =
    "Select region to transform and press Enter. No selection will apply transform to entire image.";
const char* const TransformContext::HELP_TRANSFORM =
    "Translate(LMB)  Rotate(Shift+LMB)  Scale(MMB)  Apply Changes(Enter)  Revert(Backspace)  Cancel(ESC)";

namespace {

// Growth of the scale per drag event and view pixel off the anchor.
const float SCALE_RATE = 0.0001f;
const float MIN_SCALE = 0.1f;

QString ActiveViewCamera()
{
    return MayaUtil::GetActive3dViewCameraName();
}

} // namespace

TransformContext::TransformContext()
{
    setTitleString(TITLE);
    setImage(IMAGE, MPxContext::kImage1);
    setCursor(MCursor::editCursor);
}

TransformContext::~TransformContext()
{
    inputHandler.SetEventFilterEnabled(false);
    inputHandler.SetTransformContext(nullptr);
}

void TransformContext::getClassName(MString& name) const
{
    name = "vxNbTransformCtx";
}

// --- Activation ---------------------------------------------------------------

void TransformContext::toolOnSetup(MEvent&)
{
    setCursor(MCursor::editCursor);
    inputHandler.SetTransformContext(this);
    inputHandler.SetEventFilterEnabled(true);
    copy = false;
    Restart();
}

void TransformContext::toolOffCleanup()
{
    CancelStroke();
    inputHandler.SetEventFilterEnabled(false);
    inputHandler.SetTransformContext(nullptr);
    if (BaseNode* node = BaseNode::GetMaster())
        node->ClearTransformOutline();
}

void TransformContext::Restart()
{
    // The stroke and a paste's layer or frame belong to the old camera.
    CancelStroke();
    stage = STAGE_SELECT;
    camera.clear();
    for (QPoint& corner : corners)
        corner = QPoint();
    translating = rotating = scaling = false;
    if (BaseNode* node = BaseNode::GetMaster())
        node->ClearTransformOutline();
    ShowStageHelp();
}

void TransformContext::ShowStageHelp()
{
    setHelpString(stage == STAGE_SELECT ? HELP_SELECT : HELP_TRANSFORM);
}

MStatus TransformContext::doEnterRegion(MEvent&)
{
    ShowStageHelp();
    return MStatus::kSuccess;
}

MStatus TransformContext::helpStateHasChanged(MEvent&)
{
    ShowStageHelp();
    return MStatus::kSuccess;
}

// --- Events -------------------------------------------------------------------

template <typename Handler>
MStatus TransformContext::WithDrawManager(MHWRender::MUIDrawManager& drawMgr, Handler handler)
{
    drawManager = &drawMgr;
    const MStatus status = handler();
    drawManager = nullptr;
    return status;
}

MStatus TransformContext::doPress(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                                  const MHWRender::MFrameContext&)
{
    return WithDrawManager(drawMgr, [&] { return doPress(event); });
}

MStatus TransformContext::doRelease(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                                    const MHWRender::MFrameContext&)
{
    return WithDrawManager(drawMgr, [&] { return doRelease(event); });
}

MStatus TransformContext::doDrag(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                                 const MHWRender::MFrameContext&)
{
    return WithDrawManager(drawMgr, [&] { return doDrag(event); });
}

MStatus TransformContext::doPress(MEvent& event)
{
    inputHandler.UpdateActiveViewEventFilter();
    short x = 0;
    short y = 0;
    event.getPosition(x, y);
    if (stage == STAGE_SELECT)
        return PressSelect(x, y);
    PressTransform(event, x, y);
    return MStatus::kSuccess;
}

MStatus TransformContext::doDrag(MEvent& event)
{
    short x = 0;
    short y = 0;
    event.getPosition(x, y);
    if (stage == STAGE_SELECT)
        DragSelect(x, y);
    else
        DragTransform(event, x, y);
    return MStatus::kSuccess;
}

MStatus TransformContext::doRelease(MEvent&)
{
    return stage == STAGE_SELECT ? ReleaseSelect() : ReleaseTransform();
}

// --- Select stage -------------------------------------------------------------

MStatus TransformContext::InitializeSelectStage(bool pasting)
{
    BaseNode* node = BaseNode::GetMaster();
    if (!node)
        return MStatus::kFailure;
    paste = pasting;
    flipHorizontal = flipVertical = false;
    ignoreDrag = cut = copy = false;
    corners[0] = corners[1] = QPoint();
    newLayerIndex = -1;
    frameAdded = false;
    selectFrame = MayaUtil::GetPlaybackTimeValue();
    MStatus status;
    view = M3dView::active3dView(&status);
    camera = status ? MayaUtil::GetCameraName(view) : QString();
    if (camera.isEmpty()) {
        ignoreDrag = true;
        return MStatus::kFailure;
    }
    if (paste) {
        if (!node->PrepareForDraw(camera, newLayerIndex, frameAdded)) {
            ignoreDrag = true;
            return MStatus::kFailure;
        }
        if (frameAdded)
            frameTime = MayaUtil::GetPlaybackTime();
    }
    activeLayerIndex = node->GetActiveLayerIndex(camera);
    if (activeLayerIndex < 0) {
        ignoreDrag = true;
        return MStatus::kFailure;
    }
    if (node->GetActiveCamera() != camera) {
        node->ClearTransformOutline();
        MayaUtil::SetActiveLayer(camera, activeLayerIndex);
    }
    return MStatus::kSuccess;
}

MStatus TransformContext::PressSelect(short x, short y)
{
    if (!InitializeSelectStage(false))
        return MStatus::kFailure;
    for (QPoint& corner : corners)
        corner = QPoint(x, y);
    if (drawManager)
        BaseNode::GetMaster()->ClearTransformOutline();
    DrawSelectionOutline(x, y, x, y, x, y, x, y);
    return MStatus::kSuccess;
}

void TransformContext::DragSelect(short x, short y)
{
    if (!SelectStageStarted() || ignoreDrag)
        return;
    corners[2] = QPoint(x, y);
    corners[1].setY(y);
    corners[3].setX(x);
    DrawSelectionOutline(corners[0].x(), corners[0].y(), corners[1].x(), corners[1].y(), corners[2].x(),
                         corners[2].y(), corners[3].x(), corners[3].y());
}

MStatus TransformContext::ReleaseSelect()
{
    if (!SelectStageStarted() || ignoreDrag)
        return MStatus::kFailure;
    ReorderSelectionPoints();
    ShowNodeOutline(corners);
    return MStatus::kSuccess;
}

void TransformContext::ReorderSelectionPoints()
{
    const int left = std::min(corners[0].x(), corners[2].x());
    const int right = std::max(corners[0].x(), corners[2].x());
    // View y points up: the top has the larger y.
    const int top = std::max(corners[0].y(), corners[2].y());
    const int bottom = std::min(corners[0].y(), corners[2].y());
    corners[0] = QPoint(left, top);
    corners[1] = QPoint(left, bottom);
    corners[2] = QPoint(right, bottom);
    corners[3] = QPoint(right, top);
}

// The rubber band while it is dragged: transient drawing in Viewport 2.0,
// the node's outline in the legacy viewport, where a repaint would wipe a
// drawing of our own.
void TransformContext::DrawSelectionOutline(int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3)
{
    const QPoint points[4] = {QPoint(x0, y0), QPoint(x1, y1), QPoint(x2, y2), QPoint(x3, y3)};
    if (!drawManager) {
        ShowNodeOutline(points);
        return;
    }
    drawManager->beginDrawable();
    drawManager->setLineWidth(1.0f);
    drawManager->setColor(MColor(1.0f, 0.0f, 0.0f, 1.0f));
    for (int i = 0; i < 4; ++i) {
        const QPoint& a = points[i];
        const QPoint& b = points[(i + 1) % 4];
        drawManager->line2d(MPoint(a.x(), a.y()), MPoint(b.x(), b.y()));
    }
    drawManager->endDrawable();
}

void TransformContext::ShowNodeOutline(const QPoint (&points)[4])
{
    BaseNode* node = BaseNode::GetMaster();
    if (!node || camera.isEmpty())
        return;
    const QPoint one(1, 1);
    node->SetTransformOutline(camera, points[0] + one, points[1] + one, points[2] + one, points[3] + one);
}

// --- From selection to transform ----------------------------------------------

void TransformContext::completeAction()
{
    if (stage == STAGE_SELECT)
        EnterTransformStage();
    else
        Apply();
}

void TransformContext::EnterTransformStage()
{
    if (!SelectStageStarted() && !InitializeSelectStage(false))
        return;
    if (!PreprocessSelection())
        return;
    ShowNodeOutline(corners);
    stage = STAGE_TRANSFORM;
    ShowStageHelp();
}

bool TransformContext::PreprocessSelection()
{
    BaseNode* node = BaseNode::GetMaster();
    if (!node || camera.isEmpty())
        return false;
    rotation = 0.0f;
    scaleX = scaleY = 1.0f;
    imageOffset = viewOffset = translateAnchor = QPoint();
    rotateAnchor = scaleAnchorX = scaleAnchorY = 0.0f;
    ReorderSelectionPoints();
    // A stroke left over from elsewhere would carry its own image.
    if (node->HasActiveStroke())
        node->CancelActiveStroke();
    Stroke* stroke = node->GetActiveStroke(camera, true);
    if (!stroke)
        return false;
    stroke->tool = TOOL_TRANSFORM;
    const int last = Settings::FINAL_IMAGE_WIDTH - 1;
    if (corners[0] == corners[2] && !paste)
        stroke->region = QRect(QPoint(0, 0), QPoint(last, last));
    else
        stroke->region = QRect(ImagePoint(corners[0]), ImagePoint(corners[2]));
    stroke->captureRegion = true;
    stroke->cut = cut;
    stroke->copy = copy;
    stroke->paste = paste;
    stroke->updated = true;
    // Lift the region now rather than at the next repaint: a cut or copy
    // applied or reverted at once must still fill the paste buffer.
    node->GetFinalImage(camera);
    node->QueueRefresh();
    node->RefreshActiveView();
    return true;
}

QPoint TransformContext::ImagePoint(const QPoint& viewPoint) const
{
    BaseNode* node = BaseNode::GetMaster();
    return node ? node->ScreenCoordsToTexCoords(viewPoint) : QPoint();
}

Stroke* TransformContext::ActiveStroke() const
{
    BaseNode* node = BaseNode::GetMaster();
    if (!node || camera.isEmpty() || !node->HasActiveStroke())
        return nullptr;
    return node->GetActiveStroke(camera, true);
}

// --- Transform stage ----------------------------------------------------------

bool TransformContext::InSelectedViewAndTime() const
{
    return ActiveViewCamera() == camera && MayaUtil::GetPlaybackTimeValue() == selectFrame;
}

void TransformContext::PressTransform(const MEvent& event, short x, short y)
{
    if (!InSelectedViewAndTime())
        ignoreDrag = true;
    translating = rotating = scaling = false;
    const MEvent::MouseButtonType button = event.mouseButton();
    if (button == MEvent::kLeftMouse && !event.isModifierShift()) {
        translating = true;
        translateAnchor = QPoint(x, y) - viewOffset;
    } else if (button == MEvent::kLeftMouse) {
        rotating = true;
        rotateAnchor = x - rotation;
    } else if (button == MEvent::kMiddleMouse) {
        scaling = true;
        scaleAnchorX = x - scaleX;
        scaleAnchorY = y - scaleY;
    }
}

void TransformContext::DragTransform(const MEvent& event, short x, short y)
{
    if (ignoreDrag || ActiveViewCamera() != camera || !(translating || rotating || scaling))
        return;
    if (translating) {
        viewOffset = QPoint(x, y) - translateAnchor;
        imageOffset = ImagePoint(QPoint(x, y)) - ImagePoint(translateAnchor);
    } else if (rotating) {
        // One degree per view pixel; to the right turns clockwise.
        rotation = x - rotateAnchor;
    } else {
        DragScale(event, x, y);
    }
    UpdateStroke();
    TransformSelectionOutline();
}

// The scale keeps growing (or shrinking) while the pointer stays right (or
// left) of the anchor, faster the farther it is.
void TransformContext::DragScale(const MEvent& event, short x, short y)
{
    scaleX += (x - scaleAnchorX) * SCALE_RATE;
    if (event.isModifierShift())
        scaleY += (y - scaleAnchorY) * SCALE_RATE;
    else
        scaleY = scaleX;
    scaleX = std::max(scaleX, MIN_SCALE);
    scaleY = std::max(scaleY, MIN_SCALE);
}

MStatus TransformContext::ReleaseTransform()
{
    translating = rotating = scaling = false;
    if (ignoreDrag) {
        deleteAction();
        return MStatus::kFailure;
    }
    return ActiveViewCamera() == camera ? MStatus::kSuccess : MStatus::kFailure;
}

void TransformContext::UpdateStroke()
{
    Stroke* stroke = ActiveStroke();
    if (!stroke)
        return;
    stroke->offset = imageOffset;
    stroke->rotation = rotation;
    stroke->scaleX = flipHorizontal ? -double(scaleX) : double(scaleX);
    stroke->scaleY = flipVertical ? -double(scaleY) : double(scaleY);
    stroke->captureRegion = false;
    stroke->paste = false;
    stroke->updated = true;
    BaseNode::GetMaster()->RefreshActiveView();
}

void TransformContext::TransformSelectionOutline()
{
    const QPoint centre((corners[0].x() + corners[2].x()) / 2, (corners[0].y() + corners[1].y()) / 2);
    // View y points up, so a clockwise turn on screen is a negative angle.
    const double angle = qDegreesToRadians(-double(rotation));
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    QPoint points[4];
    for (int i = 0; i < 4; ++i) {
        const double x = (corners[i].x() - centre.x()) * double(scaleX);
        const double y = (corners[i].y() - centre.y()) * double(scaleY);
        points[i] = QPoint(qRound(x * c - y * s), qRound(x * s + y * c)) + centre + viewOffset;
    }
    ShowNodeOutline(points);
}

void TransformContext::FlipHorizontal()
{
    flipHorizontal = !flipHorizontal;
    UpdateStroke();
}

void TransformContext::FlipVertical()
{
    flipVertical = !flipVertical;
    UpdateStroke();
}

// --- Apply, revert, cancel ----------------------------------------------------

void TransformContext::Apply()
{
    BaseNode* node = BaseNode::GetMaster();
    if (node && InSelectedViewAndTime()) {
        MayaUtil::PushStroke(camera, newLayerIndex, frameAdded);
        // A stroke still there was not committed: what the paste made goes too.
        if (!node->HasActiveStroke()) {
            newLayerIndex = -1;
            frameAdded = false;
        }
    }
    cut = copy = paste = false;
    Restart();
}

void TransformContext::deleteAction()
{
    Restart();
}

void TransformContext::abortAction()
{
    Restart();
    MayaUtil::Draw();
}

void TransformContext::CancelStroke()
{
    BaseNode* node = BaseNode::GetMaster();
    if (node) {
        node->CancelActiveStroke();
        const int active = node->GetActiveLayerIndex(camera);
        if (frameAdded && active >= 0) {
            const bool isStatic = node->GetLayerState(camera, active) == LAYER_STATE_STATIC;
            const MTime time =
                isStatic ? MTime(double(Settings::defaultStaticFrameTime), MTime::uiUnit()) : frameTime;
            delete node->RemoveFrame(camera, time);
        }
        if (newLayerIndex >= 0)
            delete node->RemoveLayer(camera, newLayerIndex);
        node->ForceCacheUpdate(camera, activeLayerIndex);
    }
    newLayerIndex = -1;
    frameAdded = false;
}

// --- Menu operations ----------------------------------------------------------

void TransformContext::Transform(bool copyRegion)
{
    if (stage != STAGE_SELECT || (!SelectStageStarted() && !InitializeSelectStage(false)))
        return;
    copy = copyRegion;
    completeAction();
}

void TransformContext::RememberCopiedRect()
{
    copiedRect = QRect(QPoint(corners[0].x(), corners[2].y()), QPoint(corners[2].x(), corners[0].y()));
}

void TransformContext::Cut()
{
    if (stage != STAGE_SELECT || (!SelectStageStarted() && !InitializeSelectStage(false)))
        return;
    cut = copy = true;
    completeAction();
    if (stage != STAGE_TRANSFORM)
        return;
    RememberCopiedRect();
    completeAction();
}

void TransformContext::Copy(bool transform)
{
    if (stage != STAGE_SELECT || (!SelectStageStarted() && !InitializeSelectStage(false)))
        return;
    copy = true;
    completeAction();
    if (stage != STAGE_TRANSFORM)
        return;
    RememberCopiedRect();
    if (transform)
        completeAction();
    else
        deleteAction();
}

void TransformContext::Paste(bool transform, const QPoint& position)
{
    if (stage != STAGE_SELECT || !PasteAvailable())
        return;
    if (!InitializeSelectStage(true)) {
        Restart();
        return;
    }
    const int y = view.portHeight() - position.y();
    const int w = copiedRect.width();
    const int h = copiedRect.height();
    corners[0] = QPoint(position.x(), y - h);
    corners[1] = QPoint(position.x(), y);
    corners[2] = QPoint(position.x() + w, y);
    corners[3] = QPoint(position.x() + w, y - h);
    completeAction();
    if (stage != STAGE_TRANSFORM) {
        Restart();
        return;
    }
    if (!transform)
        completeAction();
}

bool TransformContext::PasteAvailable() const
{
    BaseNode* node = BaseNode::GetMaster();
    return node && copiedRect.isValid() && node->PasteTransformImageAvailable();
}
