#include "viewport/CameraNavigator.h"

#include "viewport/ViewProjection.h"

#include <maya/MFnCamera.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

#include <algorithm>
#include <cmath>

namespace nbhost {

namespace {

constexpr double kDegreesPerPixel = 0.3;
constexpr double kDollyPerPixel = 0.005;

void writeDouble(const MObject& node, const char* attr, double value)
{
    MFnDependencyNode fn(node);
    MPlug plug = fn.findPlug(attr, true);
    if (!plug.isNull())
        plug.setDouble(value);
}

double readDouble(const MObject& node, const char* attr)
{
    MFnDependencyNode fn(node);
    MPlug plug = fn.findPlug(attr, true);
    return plug.isNull() ? 0.0 : plug.asDouble();
}

// Puts the camera's eye at a world position.
void placeEye(const MDagPath& camera, const MPoint& world)
{
    MDagPath transformPath;
    MDagPath::getAPathTo(camera.transform(), transformPath);
    const MPoint local = world * transformPath.exclusiveMatrixInverse();
    const MObject transform = camera.transform();
    writeDouble(transform, "translateX", local.x);
    writeDouble(transform, "translateY", local.y);
    writeDouble(transform, "translateZ", local.z);
}

MPoint pivotOf(const MFnCamera& fn)
{
    return fn.eyePoint(MSpace::kWorld) + fn.viewDirection(MSpace::kWorld) * fn.centerOfInterest();
}

} // namespace

CameraNavigator::Mode CameraNavigator::modeFor(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return Mode::Orbit;
    case Qt::MiddleButton: return Mode::Pan;
    case Qt::RightButton: return Mode::Dolly;
    default: return Mode::None;
    }
}

void CameraNavigator::begin(Mode mode, const MDagPath& camera, QPoint position)
{
    m_mode = camera.isValid() ? mode : Mode::None;
    m_camera = camera;
    m_last = position;
}

bool CameraNavigator::move(QPoint position, const ViewProjection& view)
{
    if (m_mode == Mode::None || !m_camera.isValid())
        return false;
    const QPoint delta = position - m_last;
    m_last = position;
    switch (m_mode) {
    case Mode::Orbit: orbit(m_camera, delta.x(), delta.y()); break;
    case Mode::Pan: pan(m_camera, delta.x(), delta.y(), view); break;
    case Mode::Dolly: dolly(m_camera, delta.x() + delta.y()); break;
    case Mode::None: break;
    }
    return true;
}

void CameraNavigator::orbit(const MDagPath& camera, double dx, double dy)
{
    MStatus status;
    MFnCamera fn(camera, &status);
    if (!status)
        return;
    const MPoint pivot = pivotOf(fn);
    const double distance = fn.centerOfInterest();
    const MObject transform = camera.transform();
    writeDouble(transform, "rotateX", readDouble(transform, "rotateX") - dy * kDegreesPerPixel);
    writeDouble(transform, "rotateY", readDouble(transform, "rotateY") - dx * kDegreesPerPixel);
    placeEye(camera, pivot - fn.viewDirection(MSpace::kWorld) * distance);
}

void CameraNavigator::pan(const MDagPath& camera, double dx, double dy, const ViewProjection& view)
{
    MStatus status;
    MFnCamera fn(camera, &status);
    if (!status)
        return;
    const MPoint pivot = pivotOf(fn);
    const MVector right = fn.rightDirection(MSpace::kWorld);
    const MVector up = fn.upDirection(MSpace::kWorld);
    // World units per view pixel at the centre of interest.
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    view.worldToView(pivot, x0, y0);
    view.worldToView(pivot + right, x1, y1);
    const double pixels = std::hypot(x1 - x0, y1 - y0);
    if (!(pixels > 1e-9))
        return;
    const double unitsPerPixel = 1.0 / pixels;
    placeEye(camera, fn.eyePoint(MSpace::kWorld) - right * (dx * unitsPerPixel) + up * (dy * unitsPerPixel));
}

void CameraNavigator::dolly(const MDagPath& camera, double amount)
{
    MStatus status;
    MFnCamera fn(camera, &status);
    if (!status)
        return;
    const double factor = std::exp(-amount * kDollyPerPixel);
    if (fn.isOrtho()) {
        fn.setOrthoWidth(std::max(1e-3, fn.orthoWidth() * factor));
        return;
    }
    const MPoint pivot = pivotOf(fn);
    const double distance = std::max(1e-3, fn.centerOfInterest() * factor);
    placeEye(camera, pivot - fn.viewDirection(MSpace::kWorld) * distance);
    fn.setCenterOfInterest(distance);
}

} // namespace nbhost
