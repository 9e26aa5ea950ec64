#include "tools/ToolInput.h"

#include <maya/MPxContext.h>
#include <maya/MUIDrawManager.h>

#include "tools/ContextRegistry.h"
#include "viewport/DrawableList.h"
#include "viewport/View3d.h"
#include "viewport/ViewFrameContext.h"

namespace nbhost {

namespace {

ToolInput g_input;

const bool g_installed = [] {
    ViewInput::install(&g_input);
    return true;
}();

int buttonMask(Qt::MouseButtons buttons)
{
    int mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= MEvent::kLeftMouse;
    if (buttons & Qt::MiddleButton)
        mask |= MEvent::kMiddleMouse;
    return mask;
}

int modifierMask(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= MEvent::shiftKey;
    if (modifiers & Qt::ControlModifier)
        mask |= MEvent::controlKey;
    return mask;
}

bool isToolButton(Qt::MouseButton button) { return button == Qt::LeftButton || button == Qt::MiddleButton; }

short clampShort(int value) { return short(std::max(-32768, std::min(32767, value))); }

} // namespace

MEvent ToolInput::event(const View3d& view, const ViewMouse& mouse)
{
    MEvent result;
    result.fX = clampShort(mouse.position.x());
    result.fY = clampShort(view.portHeight() - mouse.position.y());
    result.fWindowX = clampShort(mouse.position.x());
    result.fWindowY = clampShort(mouse.position.y());
    const Qt::MouseButton button = mouse.button != Qt::NoButton ? mouse.button
                                   : (mouse.buttons & Qt::LeftButton) ? Qt::LeftButton
                                   : (mouse.buttons & Qt::MiddleButton) ? Qt::MiddleButton
                                                                        : Qt::NoButton;
    result.fButton = button == Qt::MiddleButton ? MEvent::kMiddleMouse : MEvent::kLeftMouse;
    result.fButtonsHeld = buttonMask(mouse.buttons);
    result.fModifiers = modifierMask(mouse.modifiers);
    return result;
}

MStatus ToolInput::callPlain(MPxContext& context, MEvent& event, Phase phase)
{
    switch (phase) {
    case Phase::Press: return context.doPress(event);
    case Phase::Drag: return context.doDrag(event);
    case Phase::Release: return context.doRelease(event);
    case Phase::Move: return context.doPtrMoved(event);
    }
    return MStatus::kFailure;
}

void ToolInput::dispatch(View3d& view, MPxContext& context, MEvent& event, Phase phase)
{
    const unsigned int viewId = view.id();
    if (view.isLegacy()) {
        callPlain(context, event, phase);
        return;
    }
    const ViewProjection projection = view.projection();
    ViewFrameContext frame(projection);
    DrawableList drawing;
    MStatus status;
    {
        MHWRender::MUIDrawManager manager(drawing);
        switch (phase) {
        case Phase::Press: status = context.doPress(event, manager, frame); break;
        case Phase::Drag: status = context.doDrag(event, manager, frame); break;
        case Phase::Release: status = context.doRelease(event, manager, frame); break;
        case Phase::Move: status = context.doPtrMoved(event, manager, frame); break;
        }
    }
    if (status == MStatus::kNotImplemented)
        callPlain(context, event, phase);
    // Pointer moves come often: repaint only when there is drawing to
    // show or to take away.
    View3d* still = View3d::byId(viewId);
    if (!still || (phase == Phase::Move && drawing.empty() && !m_withTransient.count(viewId)))
        return;
    if (drawing.empty())
        m_withTransient.erase(viewId);
    else
        m_withTransient.insert(viewId);
    still->setTransient(drawing);
}

void ToolInput::press(View3d& view, const ViewMouse& mouse)
{
    MPxContext* context = ContextRegistry::instance().current();
    if (!context || !isToolButton(mouse.button))
        return;
    m_pressedView = view.id();
    MEvent e = event(view, mouse);
    dispatch(view, *context, e, Phase::Press);
}

void ToolInput::drag(View3d& view, const ViewMouse& mouse)
{
    MPxContext* context = ContextRegistry::instance().current();
    if (!context || m_pressedView != view.id())
        return;
    MEvent e = event(view, mouse);
    dispatch(view, *context, e, Phase::Drag);
}

void ToolInput::release(View3d& view, const ViewMouse& mouse)
{
    MPxContext* context = ContextRegistry::instance().current();
    if (!context || m_pressedView != view.id() || !isToolButton(mouse.button))
        return;
    m_pressedView = 0;
    MEvent e = event(view, mouse);
    dispatch(view, *context, e, Phase::Release);
}

void ToolInput::pointerMoved(View3d& view, const ViewMouse& mouse)
{
    if (MPxContext* context = ContextRegistry::instance().current()) {
        MEvent e = event(view, mouse);
        dispatch(view, *context, e, Phase::Move);
    }
}

void ToolInput::enter(View3d& view)
{
    MPxContext* context = ContextRegistry::instance().current();
    if (!context)
        return;
    MEvent e = event(view, ViewMouse());
    context->doEnterRegion(e);
    if (ContextRegistry::instance().current() == context)
        context->helpStateHasChanged(e);
}

bool ToolInput::key(View3d&, int key)
{
    MPxContext* context = ContextRegistry::instance().current();
    if (!context)
        return false;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: context->completeAction(); return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: context->deleteAction(); return true;
    case Qt::Key_Escape: context->abortAction(); return true;
    default: return false;
    }
}

void ToolInput::modifiersChanged(View3d& view, Qt::KeyboardModifiers modifiers)
{
    MPxContext* context = ContextRegistry::instance().current();
    if (!context)
        return;
    ViewMouse mouse;
    mouse.modifiers = modifiers;
    MEvent e = event(view, mouse);
    context->helpStateHasChanged(e);
}

} // namespace nbhost
