#include "node/OverlayPlacement.h"

#include "base/Settings.h"

#include <maya/M3dView.h>
#include <maya/MCommonRenderSettingsData.h>
#include <maya/MDagPath.h>
#include <maya/MFrameContext.h>
#include <maya/MRenderUtil.h>

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A degenerate camera or view (zero size, zero overscan) must not turn into
// an undefined integer conversion; it simply draws nothing.
double SaneSide(double side)
{
    if (!std::isfinite(side) || side < 0.0)
        return 0.0;
    return std::min(side, static_cast<double>(std::numeric_limits<int>::max()));
}

} // namespace

bool OverlayPlacement::ReadCamera(const MDagPath& camera, CameraValues& values)
{
    MStatus status;
    MFnCamera fn(camera, &status);
    if (!status)
        return false;
    values.filmFit = fn.filmFit();
    values.orthographic = fn.isOrtho();
    values.overscan = fn.overscan();
    values.aspectRatio = fn.aspectRatio();
    values.panZoomEnabled = fn.panZoomEnabled();
    values.zoom = fn.zoom();
    MCommonRenderSettingsData render;
    MRenderUtil::getCommonRenderSettings(render);
    values.resolutionAspectRatio =
        static_cast<double>(render.width) / static_cast<double>(render.height);
    return true;
}

double OverlayPlacement::SquareSide(const CameraValues& camera, double width, double height)
{
    const double o = camera.overscan;
    const double ra = camera.resolutionAspectRatio;
    const double ca = camera.aspectRatio;
    const double va = width / height;
    double k;
    if (ca <= va)
        k = ra < ca ? ra / ca : 1.0;
    else
        k = (ra <= ca ? ra : ca) / va;

    switch (camera.filmFit) {
    case MFnCamera::kFillFilmFit:
        return camera.orthographic ? width / o : k * (width / o);
    case MFnCamera::kVerticalFilmFit:
        return ra * (height / o);
    case MFnCamera::kOverscanFilmFit:
        return camera.orthographic ? ra * (height / o) : ra * ((height / o) / k);
    default:
        return width / o;
    }
}

void OverlayPlacement::Update(const CameraValues& camera, int width, int height,
                              bool ignorePanZoom)
{
    portWidth = width;
    portHeight = height;
    const double w = width;
    const double h = height;
    overlaySize = static_cast<int>(SaneSide(SquareSide(camera, w, h)));
    overlayHalfSize = overlaySize * 0.5f;
    overlayCentre = MPoint(static_cast<float>(w) * 0.5f, static_cast<float>(h) * 0.5f, 0.0, 1.0);
    panOffset = MPoint(0.0, 0.0, 0.0, 1.0);

    panZoomActive = camera.panZoomEnabled && !ignorePanZoom;
    quadSize = static_cast<float>(overlaySize);
    if (panZoomActive) {
        float zoom = static_cast<float>(camera.zoom);
        if (zoom <= 0.0f)
            zoom = 0.001f;
        overlayHalfSize /= zoom;
        quadSize = overlaySize / zoom;
    }
}

bool OverlayPlacement::Update(const MDagPath& camera, int width, int height, bool ignorePanZoom)
{
    CameraValues values;
    if (!ReadCamera(camera, values))
        return false;
    Update(values, width, height, ignorePanZoom);
    return true;
}

void OverlayPlacement::ApplyPan(double viewX, double viewY)
{
    if (!panZoomActive) {
        panOffset = MPoint(0.0, 0.0, 0.0, 1.0);
        return;
    }
    MPoint centre = overlayCentre;
    centre.cartesianize();
    panOffset = MPoint(centre.x - viewX, centre.y - viewY, centre.z, 1.0);
    overlayCentre = MPoint(centre.x - panOffset.x, centre.y - panOffset.y,
                           centre.z - panOffset.z, 1.0);
}

MPoint OverlayPlacement::PanReference(const MDagPath& camera)
{
    MFnCamera fn(camera);
    if (fn.isOrtho())
        return fn.eyePoint(MSpace::kObject);
    MPoint point(fn.horizontalPan(), fn.verticalPan(), fn.farClippingPlane(), 1.0);
    point = point * camera.inclusiveMatrix();
    return point.cartesianize();
}

void OverlayPlacement::UpdatePan(const MDagPath& camera, const MHWRender::MFrameContext& context)
{
    if (!panZoomActive) {
        ApplyPan(0.0, 0.0);
        return;
    }
    double x = 0.0;
    double y = 0.0;
    context.worldToViewport(PanReference(camera), x, y);
    ApplyPan(x, y);
}

void OverlayPlacement::UpdatePan(const MDagPath& camera, const M3dView& view)
{
    if (!panZoomActive) {
        ApplyPan(0.0, 0.0);
        return;
    }
    short x = 0;
    short y = 0;
    view.worldToView(PanReference(camera), x, y);
    ApplyPan(x, y);
}

QPoint OverlayPlacement::ScreenToTexture(const QPoint& p) const
{
    // Nothing has been drawn yet (or the view has no size): no mapping.
    if (!(quadSize > 0.0f))
        return QPoint();
    const float q = quadSize;
    const float s = static_cast<float>(Settings::FINAL_IMAGE_WIDTH) / q;
    const float w = static_cast<float>(portWidth);
    const float h = static_cast<float>(portHeight);
    const float px = static_cast<float>(panOffset.x) + static_cast<float>(p.x());
    const float py = static_cast<float>(panOffset.y) + static_cast<float>(p.y());
    const float x = ((q - w) * 0.5f + px) * s;
    const float y = ((q - h) * 0.5f + (h - py)) * s;
    return QPoint(qRound(x), qRound(y));
}

float OverlayPlacement::TextureToScreenScale() const
{
    return quadSize / static_cast<float>(Settings::FINAL_IMAGE_WIDTH);
}

float OverlayPlacement::QuadLeft() const
{
    return (static_cast<float>(portWidth) - quadSize) * 0.5f - static_cast<float>(panOffset.x);
}

float OverlayPlacement::QuadBottom() const
{
    return (static_cast<float>(portHeight) - quadSize) * 0.5f - static_cast<float>(panOffset.y);
}
