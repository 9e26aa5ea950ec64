#pragma once

#include "viewport/ViewInput.h"

#include <maya/MEvent.h>
#include <maya/MStatus.h>

#include <set>

class MPxContext;

namespace nbhost {

class DrawableList;
class ViewProjection;

// Hands the views' input to the current tool context: left and middle
// button presses, drags and releases (the right button stays with menus),
// pointer moves, entering a view, modifier changes as a help-state change,
// and Enter, Backspace (or Delete) and Escape as completeAction,
// deleteAction and abortAction. In a Viewport 2.0 view the context gets
// the Viewport 2.0 forms with a draw manager whose drawing the view shows
// until the next event; where a context does not implement them, and in
// legacy views, the plain forms.
class ToolInput : public ViewInput
{
public:
    void press(View3d& view, const ViewMouse& mouse) override;
    void drag(View3d& view, const ViewMouse& mouse) override;
    void release(View3d& view, const ViewMouse& mouse) override;
    void pointerMoved(View3d& view, const ViewMouse& mouse) override;
    void enter(View3d& view) override;
    bool key(View3d& view, int key) override;
    void modifiersChanged(View3d& view, Qt::KeyboardModifiers modifiers) override;

    // The event a context receives for a mouse event of the view.
    static MEvent event(const View3d& view, const ViewMouse& mouse);

private:
    enum class Phase { Press, Drag, Release, Move };
    void dispatch(View3d& view, MPxContext& context, MEvent& event, Phase phase);
    static MStatus callPlain(MPxContext& context, MEvent& event, Phase phase);

    unsigned int m_pressedView = 0; // the view of the press a drag belongs to
    std::set<unsigned int> m_withTransient;
};

} // namespace nbhost
