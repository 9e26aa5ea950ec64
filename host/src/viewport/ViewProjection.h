#pragma once

#include <maya/MDagPath.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>

#include <QRectF>

namespace nbhost {

// How a camera maps the world onto a view of a given size: the camera's
// film gate fitted to the view by its film fit and overscan, its 2D pan and
// zoom, and the render resolution's gate fitted into the film gate.
// View coordinates are pixels with the origin at the bottom left.
//
// Film fit, for the film gate in the view and for the resolution gate in
// the film gate: horizontal and vertical match widths or heights; fill
// covers the view with the film gate and fits the resolution gate inside
// it; overscan does the opposite. An orthographic camera's film gate is
// its resolution gate (orthoWidth wide): fill and horizontal match the
// view's width, overscan and vertical its height.
class ViewProjection
{
public:
    // An invalid projection: no camera.
    ViewProjection() = default;
    // renderAspect: render width over height; 0 reads defaultResolution.
    static ViewProjection fromCamera(const MDagPath& camera, int width, int height, double renderAspect = 0.0);

    bool isValid() const { return m_valid; }
    const MDagPath& camera() const { return m_camera; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isOrtho() const { return m_ortho; }

    // World to camera space, and camera space to clip space (row vectors,
    // p * M, the clip volume spanning the view).
    const MMatrix& viewMatrix() const { return m_view; }
    const MMatrix& projectionMatrix() const { return m_projection; }

    // The view position of a world point. False when the point is not in
    // front of the camera; the position is written whenever it is finite.
    bool worldToView(const MPoint& world, double& x, double& y) const;
    // Camera-space variant, for clipping callers.
    bool cameraToView(const MPoint& cameraSpace, double& x, double& y) const;
    // The ray under a view position: its points on the near and far planes.
    void viewToWorld(double x, double y, MPoint& nearPoint, MPoint& farPoint) const;

    // The resolution gate in view pixels (origin bottom left).
    const QRectF& resolutionGate() const { return m_gate; }
    double nearClip() const { return m_near; }

private:
    bool m_valid = false;
    MDagPath m_camera;
    int m_width = 0;
    int m_height = 0;
    bool m_ortho = false;
    double m_near = 0.1;
    MMatrix m_view;
    MMatrix m_projection;
    QRectF m_gate;
};

} // namespace nbhost
