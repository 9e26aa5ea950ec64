#include "tools/DrawContext.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "node/BaseNode.h"
#include "raster/Stroke.h"
#include "tools/ThreadManager.h"
#include "tools/ToolNotifier.h"

#include <maya/M3dView.h>
#include <maya/MCursor.h>
#include <maya/MPoint.h>
#include <maya/MUIDrawManager.h>

#include <QKeyEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions_2_0>

#include <cmath>

const char* const DrawContext::TITLE = "Draw Context";
const char* const DrawContext::HELP = "Draw on viewport";
const char* const DrawContext::IMAGE = ":/icons/draw_context_01.png";

namespace {

// Adjusting by dragging: one step per ten pixels.
const int ADJUST_PIXELS_PER_STEP = 10;

bool IsKey(int key, std::initializer_list<int> keys)
{
    for (int k : keys)
        if (key == k)
            return true;
    return false;
}

} // namespace

DrawContext::DrawContext() : inputHandler(this)
{
    setTitleString(TITLE);
    setImage(IMAGE, MPxContext::kImage1);
    setCursor(MCursor::crossHairCursor);
}

DrawContext::~DrawContext()
{
    if (IsDrawing())
        ThreadManager::GetInstance()->DestroyInputThread();
    inputHandler.SetEventFilterEnabled(false);
}

void DrawContext::getClassName(MString& name) const
{
    name = "vxNbDrawCtx";
}

void DrawContext::toolOnSetup(MEvent&)
{
    setHelpString(HELP);
    setCursor(MCursor::crossHairCursor);
    if (!BaseNode::GetMaster())
        MayaUtil::CreateNode(false, false, QString(), QString(), -1);
    BaseNode::SetDrawContextActive(true);
    inputHandler.SetEventFilterEnabled(true);
}

void DrawContext::toolOffCleanup()
{
    BaseNode::SetDrawContextActive(false);
    inputHandler.SetEventFilterEnabled(false);
}

template <typename Handler>
MStatus DrawContext::WithDrawManager(MHWRender::MUIDrawManager& drawMgr, Handler handler)
{
    drawManager = &drawMgr;
    const MStatus status = handler();
    drawManager = nullptr;
    return status;
}

MStatus DrawContext::doPress(MEvent& event, MHWRender::MUIDrawManager& drawMgr, const MHWRender::MFrameContext&)
{
    return WithDrawManager(drawMgr, [&] { return doPress(event); });
}

MStatus DrawContext::doDrag(MEvent& event, MHWRender::MUIDrawManager& drawMgr, const MHWRender::MFrameContext&)
{
    return WithDrawManager(drawMgr, [&] { return doDrag(event); });
}

MStatus DrawContext::doRelease(MEvent& event, MHWRender::MUIDrawManager& drawMgr, const MHWRender::MFrameContext&)
{
    return WithDrawManager(drawMgr, [&] { return doRelease(event); });
}

MStatus DrawContext::doEnterRegion(MEvent&)
{
    return MStatus::kSuccess;
}

MStatus DrawContext::doPress(MEvent& event)
{
    // A text still waiting is finished before anything else happens.
    EndTextDraw();
    newLayerIndex = -1;
    frameAdded = false;
    inputHandler.SetDrawContext(nullptr);
    inputHandler.UpdateActiveViewEventFilter();
    adjustSize = inputHandler.AdjustSizeEnabled();
    adjustOpacity = inputHandler.AdjustOpacityEnabled() && Settings::activeTool != TOOL_ERASER;
    if (IsAdjusting()) {
        PressAdjust(event);
        return MStatus::kSuccess;
    }
    const MEvent::MouseButtonType button = event.mouseButton();
    if (button == MEvent::kMiddleMouse)
        PressMiddle();
    else if (button == MEvent::kLeftMouse)
        PressLeft();
    return MStatus::kSuccess;
}

bool DrawContext::PressAdjust(MEvent& event)
{
    node = BaseNode::GetMaster();
    if (!node)
        return false;
    adjustTool = static_cast<ToolType>(Settings::activeTool);
    adjustStartValue = adjustSize ? Settings::GetToolSize(adjustTool) : Settings::GetToolOpacity(adjustTool);
    short x = 0;
    short y = 0;
    event.getPosition(x, y);
    pressX = x;
    pressY = y;
    circleShown = false;
    ToggleDiameterDisplay(ToolDisplayRadius());
    return true;
}

void DrawContext::PressMiddle()
{
    BaseNode* master = BaseNode::GetMaster();
    if (!master)
        return;
    const QString viewCamera = MayaUtil::GetActive3dViewCameraName();
    if (viewCamera.isEmpty() || viewCamera == master->GetActiveCamera())
        return;
    const int index = master->GetActiveLayerIndex(viewCamera);
    if (index >= 0)
        MayaUtil::SetActiveLayer(viewCamera, index);
}

void DrawContext::PressLeft()
{
    node = BaseNode::GetMaster();
    if (!node)
        return;
    node->RefreshActiveCamera();
    camera = node->GetActiveCamera();
    if (!node->PrepareForDraw(camera, newLayerIndex, frameAdded)) {
        node = nullptr;
        return;
    }
    MStatus status;
    M3dView view = M3dView::active3dView(&status);
    if (status)
        node->UpdateOverlayValues(view);
    // A stroke left over from elsewhere would mix into this one.
    if (node->HasActiveStroke())
        node->CancelActiveStroke();
    stroke = node->GetActiveStroke(camera, false);
    if (!stroke) {
        node = nullptr;
        return;
    }
    ThreadManager::GetInstance()->CreateInputThread(status ? view.widget() : nullptr, node, stroke);
}

MStatus DrawContext::doDrag(MEvent& event)
{
    if (!node)
        return MStatus::kSuccess;
    if (IsAdjusting())
        DragAdjust(event);
    else if (!IsTextWaiting())
        node->RefreshActiveView();
    return MStatus::kSuccess;
}

void DrawContext::DragAdjust(MEvent& event)
{
    short x = 0;
    short y = 0;
    event.getPosition(x, y);
    const int value = adjustStartValue + (x - pressX) / ADJUST_PIXELS_PER_STEP;
    if (adjustSize)
        Settings::SetToolSize(adjustTool, value);
    else
        Settings::SetToolOpacity(adjustTool, value);
    if (circleShown)
        ToggleDiameterDisplay(circleRadius);
    ToggleDiameterDisplay(ToolDisplayRadius());
    emit ToolNotifier::GetInstance()->ToolOptionsChanged();
}

MStatus DrawContext::doRelease(MEvent&)
{
    if (IsAdjusting()) {
        if (circleShown)
            ToggleDiameterDisplay(circleRadius);
        adjustSize = false;
        adjustOpacity = false;
        node = nullptr;
    } else if (node && !IsTextWaiting()) {
        ReleaseStroke();
    }
    inputHandler.ResetTabletSettings();
    return MStatus::kSuccess;
}

void DrawContext::ReleaseStroke()
{
    ThreadManager::GetInstance()->DestroyInputThread();
    if (stroke && stroke->tool == TOOL_TEXT) {
        node->RefreshActiveView();
        inputHandler.SetDrawContext(this);
        return;
    }
    FinishStroke();
}

void DrawContext::FinishStroke()
{
    stroke = nullptr;
    node = nullptr;
    inputHandler.SetDrawContext(nullptr);
    MayaUtil::PushStroke(camera, newLayerIndex, frameAdded);
}

// --- Text entry ---------------------------------------------------------------

bool DrawContext::IsTextWaiting() const
{
    return node && stroke && inputHandler.TextContext() == this;
}

void DrawContext::EndTextDraw()
{
    if (IsTextWaiting())
        FinishStroke();
}

bool DrawContext::ProcessKeyDownEvent(QKeyEvent* event)
{
    return event && ProcessTextKey(event->key(), event->text());
}

bool DrawContext::ProcessTextKey(int key, const QString& text)
{
    if (!IsTextWaiting())
        return false;
    if (key == Qt::Key_Escape) {
        FinishStroke();
        return true;
    }
    if (key == Qt::Key_Backspace) {
        if (!stroke->text.isEmpty())
            stroke->text.chop(1);
    } else if (IsKey(key, {Qt::Key_Return, Qt::Key_Enter})) {
        stroke->text += QLatin1Char('\n');
    } else {
        stroke->text += text;
    }
    TextChanged();
    return true;
}

void DrawContext::TextChanged()
{
    stroke->updated = true;
    node->RefreshActiveView();
}

void DrawContext::deleteAction()
{
    ProcessTextKey(Qt::Key_Backspace, QString());
}

void DrawContext::completeAction()
{
    ProcessTextKey(Qt::Key_Return, QString());
}

void DrawContext::abortAction()
{
    ProcessTextKey(Qt::Key_Escape, QString());
}

// --- Adjustment circle --------------------------------------------------------

ToolType DrawContext::DisplayedTool() const
{
    return IsAdjusting() ? adjustTool : static_cast<ToolType>(Settings::activeTool);
}

float DrawContext::ToolDisplayRadius() const
{
    const float scale = node ? node->TextureToScreenScale() : 1.0f;
    return static_cast<float>(Settings::GetToolSize(DisplayedTool())) * 0.5f * scale;
}

void DrawContext::ToggleDiameterDisplay(float radius)
{
    if (!drawManager || circleShown)
        DrawCircleXor(radius);
    else
        DrawCircleVp2(radius);
    circleRadius = radius;
    circleShown = !circleShown;
}

void DrawContext::DrawCircleXor(float radius) const
{
    if (!adjustSize)
        return;
    MStatus status;
    M3dView view = M3dView::active3dView(&status);
    // Viewport 2.0 views have no OpenGL drawing: their circle is transient.
    if (!status || !view.beginXorDrawing(true, true, 1.0f, M3dView::kStippleNone, MColor(1.0f, 1.0f, 1.0f)))
        return;
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (QOpenGLFunctions_2_0* gl = context ? context->versionFunctions<QOpenGLFunctions_2_0>() : nullptr) {
        gl->glBegin(GL_LINE_LOOP);
        for (int degree = 0; degree < 360; ++degree) {
            const double angle = degree * M_PI / 180.0;
            gl->glVertex2d(pressX + radius * std::cos(angle), pressY + radius * std::sin(angle));
        }
        gl->glEnd();
    }
    view.endXorDrawing();
}

void DrawContext::DrawCircleVp2(float radius) const
{
    const MPoint centre(pressX, pressY);
    drawManager->beginDrawable();
    drawManager->setColor(MColor(1.0f, 0.0f, 0.0f, 1.0f));
    if (adjustSize) {
        drawManager->setLineWidth(1.0f);
        drawManager->circle2d(centre, radius);
    }
    const int value = adjustSize ? Settings::GetToolSize(adjustTool) : Settings::GetToolOpacity(adjustTool);
    drawManager->text2d(centre, MString(QString::number(value).toUtf8().constData()),
                        MHWRender::MUIDrawManager::kRight);
    drawManager->endDrawable();
}
