#include <maya/MFnCamera.h>

#include "scene/ReturnStatus.h"

#include <cmath>

using nbhost::setReturnStatus;

namespace {
constexpr double kMillimetresPerInch = 25.4;
}

MFnCamera::MFnCamera() = default;
MFnCamera::MFnCamera(MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFnCamera::MFnCamera(const MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFnCamera::MFnCamera(const MDagPath& path, MStatus* ReturnStatus) { attachPath(path, ReturnStatus); }
MFn::Type MFnCamera::type() const { return MFn::kCamera; }

MObject MFnCamera::create(MStatus* ReturnStatus)
{
    MObject none;
    return create(none, ReturnStatus);
}

MObject MFnCamera::create(MObject& parent, MStatus* ReturnStatus)
{
    MStatus status;
    MObject made = MFnDagNode::create("camera", parent, &status);
    setReturnStatus(ReturnStatus, status);
    if (!status)
        return MObject();
    // Attach to the shape; hand back what was made above it.
    MFnDagNode node(made);
    attach(made.hasFn(MFn::kCamera) ? made : node.child(0), nullptr);
    return made;
}

double MFnCamera::read(const char* attr, MStatus* ReturnStatus) const
{
    return findPlug(attr, true, ReturnStatus).asDouble(ReturnStatus);
}

MStatus MFnCamera::write(const char* attr, double value)
{
    MStatus status;
    MPlug plug = findPlug(attr, true, &status);
    return status ? plug.setDouble(value) : status;
}

MMatrix MFnCamera::worldMatrix(MSpace::Space space, MStatus* ReturnStatus) const
{
    MDagPath path = dagPath(ReturnStatus);
    return space == MSpace::kWorld ? path.inclusiveMatrix() : MMatrix();
}

MPoint MFnCamera::eyePoint(MSpace::Space space, MStatus* ReturnStatus) const
{
    return MPoint(0.0, 0.0, 0.0) * worldMatrix(space, ReturnStatus);
}

MVector MFnCamera::viewDirection(MSpace::Space space, MStatus* ReturnStatus) const
{
    return (MVector(0.0, 0.0, -1.0) * worldMatrix(space, ReturnStatus)).normal();
}

MVector MFnCamera::upDirection(MSpace::Space space, MStatus* ReturnStatus) const
{
    return (MVector(0.0, 1.0, 0.0) * worldMatrix(space, ReturnStatus)).normal();
}

MVector MFnCamera::rightDirection(MSpace::Space space, MStatus* ReturnStatus) const
{
    return (MVector(1.0, 0.0, 0.0) * worldMatrix(space, ReturnStatus)).normal();
}

MPoint MFnCamera::centerOfInterestPoint(MSpace::Space space, MStatus* ReturnStatus) const
{
    const double distance = centerOfInterest(ReturnStatus);
    return eyePoint(space) + viewDirection(space) * distance;
}

bool MFnCamera::isOrtho(MStatus* ReturnStatus) const { return read("orthographic", ReturnStatus) != 0.0; }

MStatus MFnCamera::setIsOrtho(bool orthoState, double useDist)
{
    // A distance, when given, becomes the centre of interest.
    if (useDist > 0.0) {
        MStatus status = setCenterOfInterest(useDist);
        if (!status)
            return status;
    }
    return write("orthographic", orthoState ? 1.0 : 0.0);
}

double MFnCamera::orthoWidth(MStatus* s) const { return read("orthographicWidth", s); }
MStatus MFnCamera::setOrthoWidth(double v) { return write("orthographicWidth", v); }
double MFnCamera::focalLength(MStatus* s) const { return read("focalLength", s); }
MStatus MFnCamera::setFocalLength(double v) { return write("focalLength", v); }
double MFnCamera::horizontalFilmAperture(MStatus* s) const { return read("horizontalFilmAperture", s); }
MStatus MFnCamera::setHorizontalFilmAperture(double v) { return write("horizontalFilmAperture", v); }
double MFnCamera::verticalFilmAperture(MStatus* s) const { return read("verticalFilmAperture", s); }
MStatus MFnCamera::setVerticalFilmAperture(double v) { return write("verticalFilmAperture", v); }

double MFnCamera::aspectRatio(MStatus* ReturnStatus) const
{
    const double vertical = verticalFilmAperture(ReturnStatus);
    return vertical != 0.0 ? horizontalFilmAperture() / vertical : 0.0;
}

MStatus MFnCamera::setAspectRatio(double aspectRatio)
{
    if (!(aspectRatio > 0.0))
        return MStatus::kInvalidParameter;
    return setVerticalFilmAperture(horizontalFilmAperture() / aspectRatio);
}

double MFnCamera::horizontalFieldOfView(MStatus* ReturnStatus) const
{
    const double focal = focalLength(ReturnStatus);
    return 2.0 * std::atan(0.5 * horizontalFilmAperture() * kMillimetresPerInch / focal);
}

double MFnCamera::verticalFieldOfView(MStatus* ReturnStatus) const
{
    const double focal = focalLength(ReturnStatus);
    return 2.0 * std::atan(0.5 * verticalFilmAperture() * kMillimetresPerInch / focal);
}

MFnCamera::FilmFit MFnCamera::filmFit(MStatus* ReturnStatus) const
{
    const int value = findPlug("filmFit", true, ReturnStatus).asInt();
    return value >= kFillFilmFit && value <= kOverscanFilmFit ? static_cast<FilmFit>(value) : kInvalid;
}

MStatus MFnCamera::setFilmFit(FilmFit filmFit)
{
    if (filmFit < kFillFilmFit || filmFit > kOverscanFilmFit)
        return MStatus::kInvalidParameter;
    return write("filmFit", filmFit);
}

double MFnCamera::overscan(MStatus* s) const { return read("overscan", s); }
MStatus MFnCamera::setOverscan(double v) { return write("overscan", v); }
double MFnCamera::nearClippingPlane(MStatus* s) const { return read("nearClipPlane", s); }
MStatus MFnCamera::setNearClippingPlane(double v) { return write("nearClipPlane", v); }
double MFnCamera::farClippingPlane(MStatus* s) const { return read("farClipPlane", s); }
MStatus MFnCamera::setFarClippingPlane(double v) { return write("farClipPlane", v); }
double MFnCamera::centerOfInterest(MStatus* s) const { return read("centerOfInterest", s); }
MStatus MFnCamera::setCenterOfInterest(double v) { return write("centerOfInterest", v); }
bool MFnCamera::panZoomEnabled(MStatus* s) const { return read("panZoomEnabled", s) != 0.0; }
MStatus MFnCamera::setPanZoomEnabled(bool v) { return write("panZoomEnabled", v ? 1.0 : 0.0); }
bool MFnCamera::renderPanZoom(MStatus* s) const { return read("renderPanZoom", s) != 0.0; }
MStatus MFnCamera::setRenderPanZoom(bool v) { return write("renderPanZoom", v ? 1.0 : 0.0); }
double MFnCamera::horizontalPan(MStatus* s) const { return read("horizontalPan", s); }
MStatus MFnCamera::setHorizontalPan(double v) { return write("horizontalPan", v); }
double MFnCamera::verticalPan(MStatus* s) const { return read("verticalPan", s); }
MStatus MFnCamera::setVerticalPan(double v) { return write("verticalPan", v); }
double MFnCamera::zoom(MStatus* s) const { return read("zoom", s); }
MStatus MFnCamera::setZoom(double v) { return write("zoom", v); }
