#pragma once

#include <maya/MDagPath.h>

#include <QPoint>

namespace nbhost {

class ViewProjection;

// Camera navigation as the host's views do it, with Alt held: the left
// button orbits around the centre of interest, the middle button pans in
// the view plane, the right button dollies toward the centre of interest
// (orthographic cameras: zooms). It writes the camera's transform (and its
// centre of interest or orthographic width); these moves are not undo steps.
class CameraNavigator
{
public:
    enum class Mode { None, Orbit, Pan, Dolly };

    static Mode modeFor(Qt::MouseButton button);

    void begin(Mode mode, const MDagPath& camera, QPoint position);
    // Moves the camera for the pointer now at `position`; the projection
    // is the view's at the start of the move.
    bool move(QPoint position, const ViewProjection& view);
    void end() { m_mode = Mode::None; }
    bool active() const { return m_mode != Mode::None; }

    static void orbit(const MDagPath& camera, double dx, double dy);
    static void pan(const MDagPath& camera, double dx, double dy, const ViewProjection& view);
    static void dolly(const MDagPath& camera, double amount);

private:
    Mode m_mode = Mode::None;
    MDagPath m_camera;
    QPoint m_last;
};

} // namespace nbhost
