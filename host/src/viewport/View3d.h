#pragma once

class MDagPath;

namespace nbhost {

// A camera view that the host draws into. The GUI's model panels implement
// it and make the focused one active; batch mode has no active view.
class View3d
{
public:
    virtual ~View3d();

    // The camera the view looks through; false when it has none.
    virtual bool camera(MDagPath& path) const = 0;

    static View3d* active();
    // A view clears itself when it is destroyed while active.
    static void setActive(View3d* view);
};

} // namespace nbhost
