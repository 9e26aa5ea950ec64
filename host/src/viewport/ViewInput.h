#pragma once

#include <QPoint>
#include <Qt>

namespace nbhost {

class View3d;

// A mouse event of a view's surface, in widget pixels (origin top left).
struct ViewMouse
{
    QPoint position;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
};

// Where the views send the input that is not camera navigation: the tool
// contexts install their handler here, so the views need not know them.
class ViewInput
{
public:
    virtual ~ViewInput() = default;

    virtual void press(View3d& view, const ViewMouse& mouse) = 0;
    virtual void drag(View3d& view, const ViewMouse& mouse) = 0;
    virtual void release(View3d& view, const ViewMouse& mouse) = 0;
    virtual void pointerMoved(View3d& view, const ViewMouse& mouse) = 0;
    virtual void enter(View3d& view) = 0;
    // Enter, Backspace and Escape; true when the key was used.
    virtual bool key(View3d& view, int key) = 0;
    virtual void modifiersChanged(View3d& view, Qt::KeyboardModifiers modifiers) = 0;

    static void install(ViewInput* handler);
    static ViewInput* current();
};

} // namespace nbhost
