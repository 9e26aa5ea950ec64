#include "tools/DrawContextInputHandler.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "tools/DrawContext.h"
#include "tools/DrawContextMenu.h"

#include <maya/M3dView.h>
#include <maya/MQtUtil.h>

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTabletEvent>
#include <QWidget>

namespace {

bool IsPress(const QEvent* event)
{
    return event->type() == QEvent::MouseButtonPress;
}

bool IsMouseButtonEvent(const QEvent* event)
{
    return IsPress(event) || event->type() == QEvent::MouseButtonRelease
           || event->type() == QEvent::MouseButtonDblClick;
}

bool IsTabletEvent(const QEvent* event)
{
    return event->type() == QEvent::TabletMove || event->type() == QEvent::TabletPress
           || event->type() == QEvent::TabletRelease;
}

QWidget* ActiveViewWidget()
{
    MStatus status;
    M3dView view = M3dView::active3dView(&status);
    return status ? view.widget() : nullptr;
}

} // namespace

DrawContextInputHandler::DrawContextInputHandler(DrawContext* owner, QObject* parent)
    : QObject(parent), owner(owner)
{
}

DrawContextInputHandler::~DrawContextInputHandler()
{
    if (enabled) {
        textContext = nullptr; // the context is going; it committed what it could
        SetEventFilterEnabled(false);
    }
}

void DrawContextInputHandler::SetDrawContext(DrawContext* context)
{
    textContext = context;
}

void DrawContextInputHandler::InstallOn(QWidget* widget, bool install)
{
    if (!widget)
        return;
    if (install)
        widget->installEventFilter(this);
    else
        widget->removeEventFilter(this);
}

void DrawContextInputHandler::SetEventFilterEnabled(bool enable)
{
    sizeKeyHeld = false;
    if (enable) {
        ResetTabletSettings();
        if (!timeControl)
            timeControl = MayaUtil::GetTimeControlWidget();
        mainWindow = MQtUtil::mainWindow();
        InstallOn(mainWindow, true);
        InstallOn(timeControl, true);
        viewWidgets.clear();
        UpdateActiveViewEventFilter();
    } else {
        InstallOn(mainWindow, false);
        InstallOn(timeControl, false);
        for (const QPointer<QWidget>& widget : viewWidgets)
            InstallOn(widget, false);
        viewWidgets.clear();
    }
    EndTextDraw();
    textContext = nullptr;
    enabled = enable;
}

void DrawContextInputHandler::UpdateActiveViewEventFilter()
{
    QWidget* widget = ActiveViewWidget();
    if (!widget || viewWidgets.contains(widget))
        return;
    widget->installEventFilter(this);
    viewWidgets.append(widget);
}

void DrawContextInputHandler::ResetTabletSettings()
{
    Settings::tabletPressure.store(1.0f, std::memory_order_relaxed);
    Settings::tabletEraserEnabled = false;
}

void DrawContextInputHandler::EndTextDraw()
{
    if (textContext)
        textContext->EndTextDraw();
}

float DrawContextInputHandler::MapTabletPressure(float pressure)
{
    float p = pressure;
    if (p > 0.5f)
        p = 1.0f - 2.0f * (1.0f - p) * (1.0f - p);
    if (p < 0.08f)
        return 0.0f;
    if (p < 0.15f)
        return 0.15f;
    if (p > 0.98f)
        return 1.0f;
    return p;
}

// --- Filtering ----------------------------------------------------------------

bool DrawContextInputHandler::IsViewWidget(QObject* watched) const
{
    for (const QPointer<QWidget>& widget : viewWidgets)
        if (widget == watched)
            return true;
    return false;
}

bool DrawContextInputHandler::eventFilter(QObject* watched, QEvent* event)
{
    if (!enabled)
        return false;
    if (IsViewWidget(watched)) {
        if (IsMouseButtonEvent(event))
            return ViewMouseEvent(static_cast<QMouseEvent*>(event));
        if (IsTabletEvent(event))
            ViewTabletEvent(static_cast<QTabletEvent*>(event));
        return false;
    }
    if (watched == mainWindow && event->type() == QEvent::KeyPress)
        return MainWindowKeyPress(static_cast<QKeyEvent*>(event));
    if (watched == mainWindow && event->type() == QEvent::KeyRelease)
        return MainWindowKeyRelease(static_cast<QKeyEvent*>(event));
    if (watched == timeControl && IsPress(event))
        return TimeControlMousePress(static_cast<QMouseEvent*>(event));
    return false;
}

bool DrawContextInputHandler::ViewMouseEvent(QMouseEvent* event)
{
    if (IsPress(event))
        EndTextDraw();
    if (event->modifiers() != Qt::NoModifier || event->button() != Qt::RightButton || !IsPress(event)
        || !Settings::drawToolContextMenu || menuSuppressed)
        return false;
    ShowContextMenu();
    return true;
}

void DrawContextInputHandler::ViewTabletEvent(QTabletEvent* event)
{
    const float pressure = static_cast<float>(event->pressure());
    // Some pens report 0 between samples: the last pressure stays.
    if (pressure == 0.0f)
        return;
    Settings::tabletPressure.store(MapTabletPressure(pressure), std::memory_order_relaxed);
    Settings::tabletEraserEnabled = event->pointerType() == QTabletEvent::Eraser;
}

bool DrawContextInputHandler::MainWindowKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backslash) {
        menuSuppressed = true;
        return false;
    }
    if (textContext)
        return textContext->ProcessKeyDownEvent(event);
    if (event->key() == Qt::Key_M) {
        opacityKeyHeld = true;
        return true;
    }
    if (event->key() == Qt::Key_B) {
        sizeKeyHeld = true;
        return true;
    }
    return false;
}

bool DrawContextInputHandler::MainWindowKeyRelease(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_B:
        if (!event->isAutoRepeat())
            sizeKeyHeld = false;
        return true;
    case Qt::Key_M:
        if (!event->isAutoRepeat())
            opacityKeyHeld = false;
        return true;
    case Qt::Key_Backslash: menuSuppressed = false; return false;
    default: return false;
    }
}

bool DrawContextInputHandler::TimeControlMousePress(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton || event->modifiers() != Qt::NoModifier
        || !Settings::timelineContextMenu)
        return false;
    ShowTimeControlContextMenu();
    return true;
}

// --- Menus --------------------------------------------------------------------

void DrawContextInputHandler::ShowContextMenu()
{
    menuCamera = MayaUtil::GetActive3dViewCameraName();
    DrawContextMenu::PopUp(DrawContextMenu::BuildDrawMenu(*this, menuCamera));
}

void DrawContextInputHandler::ShowTimeControlContextMenu()
{
    DrawContextMenu::PopUp(DrawContextMenu::BuildTimeControlMenu(*this));
}

void DrawContextInputHandler::SetActiveLayer()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        MayaUtil::SetActiveLayer(menuCamera, action->data().toInt());
}

void DrawContextInputHandler::TransformTool() { MayaUtil::ActivateTransformTool(); }
void DrawContextInputHandler::SetPencilTool() { MayaUtil::SetPencilTool(); }
void DrawContextInputHandler::SetBrushTool() { MayaUtil::SetBrushTool(); }
void DrawContextInputHandler::SetEraserTool() { MayaUtil::SetEraserTool(); }
void DrawContextInputHandler::SetTextTool() { MayaUtil::SetTextTool(); }
void DrawContextInputHandler::SetLineTool() { MayaUtil::SetLineTool(); }
void DrawContextInputHandler::SetArrowTool() { MayaUtil::SetArrowTool(); }
void DrawContextInputHandler::SetEllipseTool() { MayaUtil::SetEllipseTool(); }
void DrawContextInputHandler::SetRectangleTool() { MayaUtil::SetRectangleTool(); }
void DrawContextInputHandler::NewLayer() { MayaUtil::ShowNewLayerDialog(); }
void DrawContextInputHandler::LayerProperties() { MayaUtil::ShowLayerPropertiesDialog(); }
void DrawContextInputHandler::InsertFrame() { MayaUtil::InsertFrame(); }
void DrawContextInputHandler::DuplicateFrame() { MayaUtil::DuplicateFrame(); }
void DrawContextInputHandler::DeleteFrame() { MayaUtil::DeleteFrame(); }
void DrawContextInputHandler::CutFrame() { MayaUtil::CutFrame(); }
void DrawContextInputHandler::CopyFrame() { MayaUtil::CopyFrame(); }
void DrawContextInputHandler::PasteFrame() { MayaUtil::PasteFrame(); }
void DrawContextInputHandler::ClearFrame() { MayaUtil::ClearFrame(); }
void DrawContextInputHandler::StepForward() { MayaUtil::StepForward(); }
void DrawContextInputHandler::StepBack() { MayaUtil::StepBack(); }
void DrawContextInputHandler::ToggleGhostPrevious() { MayaUtil::ToggleGhostPrevious(); }
void DrawContextInputHandler::ToggleGhostNext() { MayaUtil::ToggleGhostNext(); }
void DrawContextInputHandler::GhostingSettings() { MayaUtil::ShowGhostingDialog(); }
void DrawContextInputHandler::ShowToolbox() { MayaUtil::ShowToolboxDialog(); }
void DrawContextInputHandler::ShowToolOptions() { MayaUtil::ShowToolOptionsDialog(); }
void DrawContextInputHandler::ShowLayerManager() { MayaUtil::ShowLayerManagerDialog(); }
void DrawContextInputHandler::ShowRetimingTool() { MayaUtil::ShowRetimingTool(); }
void DrawContextInputHandler::SetTimelineDisplayOn() { MayaUtil::SetTimelineFrameDisplay(TIMELINE_FRAME_DISPLAY_ALWAYS); }
void DrawContextInputHandler::SetTimelineDisplaySelectionContext()
{
    MayaUtil::SetTimelineFrameDisplay(TIMELINE_FRAME_DISPLAY_SELECTION_OR_CONTEXT);
}
void DrawContextInputHandler::SetTimelineDisplayOff() { MayaUtil::SetTimelineFrameDisplay(TIMELINE_FRAME_DISPLAY_OFF); }
void DrawContextInputHandler::DeleteActiveLayer() { MayaUtil::DeleteActiveLayer(); }
void DrawContextInputHandler::DeleteActiveCameraLayers() { MayaUtil::DeleteActiveCameraLayers(); }
void DrawContextInputHandler::ClearAll() { MayaUtil::DeleteAllNodes(); }
