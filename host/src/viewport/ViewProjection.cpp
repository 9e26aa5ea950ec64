#include "viewport/ViewProjection.h"

#include <maya/MCommonRenderSettingsData.h>
#include <maya/MFnCamera.h>
#include <maya/MRenderUtil.h>

#include <algorithm>
#include <cmath>

namespace nbhost {

namespace {

constexpr double kMillimetresPerInch = 25.4;

double renderAspectRatio()
{
    MCommonRenderSettingsData settings;
    MRenderUtil::getCommonRenderSettings(settings);
    return settings.height > 0 ? double(settings.width) / settings.height : 1.0;
}

// Everything of the camera shape the projection needs.
struct Optics
{
    bool ortho = false;
    double orthoWidth = 30.0;
    double hfa = 1.417;
    double vfa = 0.945;
    double focal = 35.0;
    double nearClip = 0.1;
    double farClip = 10000.0;
    MFnCamera::FilmFit fit = MFnCamera::kFillFilmFit;
    double overscan = 1.0;
    double hpan = 0.0;
    double vpan = 0.0;
    double zoom = 1.0;
};

bool readOptics(const MDagPath& camera, Optics& optics)
{
    MStatus status;
    MFnCamera fn(camera, &status);
    if (!status)
        return false;
    optics.ortho = fn.isOrtho();
    optics.orthoWidth = std::max(1e-6, fn.orthoWidth());
    optics.hfa = std::max(1e-6, fn.horizontalFilmAperture());
    optics.vfa = std::max(1e-6, fn.verticalFilmAperture());
    optics.focal = std::max(1e-6, fn.focalLength());
    optics.nearClip = std::max(1e-6, fn.nearClippingPlane());
    optics.farClip = std::max(optics.nearClip * 1.001, fn.farClippingPlane());
    optics.fit = fn.filmFit();
    const double overscan = fn.overscan();
    optics.overscan = overscan > 0.0 ? overscan : 1.0;
    if (fn.panZoomEnabled()) {
        optics.hpan = fn.horizontalPan();
        optics.vpan = fn.verticalPan();
        const double zoom = fn.zoom();
        optics.zoom = zoom > 0.0 ? zoom : 0.001;
    }
    return true;
}

// Width in pixels of the film gate (before zoom).
double filmWidth(const Optics& o, double w, double h, double renderAspect)
{
    const double byWidth = w / o.overscan;
    if (o.ortho) {
        const bool matchHeight = o.fit == MFnCamera::kVerticalFilmFit || o.fit == MFnCamera::kOverscanFilmFit;
        return matchHeight ? renderAspect * h / o.overscan : byWidth;
    }
    const double filmAspect = o.hfa / o.vfa;
    const double byHeight = filmAspect * h / o.overscan;
    const bool viewWider = filmAspect <= w / h;
    switch (o.fit) {
    case MFnCamera::kVerticalFilmFit: return byHeight;
    case MFnCamera::kFillFilmFit: return viewWider ? byWidth : byHeight;
    case MFnCamera::kOverscanFilmFit: return viewWider ? byHeight : byWidth;
    default: return byWidth;
    }
}

// Width in pixels of the resolution gate fitted into a film gate of that width.
double gateWidth(const Optics& o, double film, double renderAspect)
{
    if (o.ortho)
        return film;
    const double filmAspect = o.hfa / o.vfa;
    const double filmHeight = film / filmAspect;
    switch (o.fit) {
    case MFnCamera::kVerticalFilmFit: return renderAspect * filmHeight;
    case MFnCamera::kFillFilmFit: return renderAspect < filmAspect ? renderAspect * filmHeight : film;
    case MFnCamera::kOverscanFilmFit: return renderAspect < filmAspect ? film : renderAspect * filmHeight;
    default: return film;
    }
}

} // namespace

ViewProjection ViewProjection::fromCamera(const MDagPath& camera, int width, int height, double renderAspect)
{
    ViewProjection result;
    Optics o;
    if (width <= 0 || height <= 0 || !camera.isValid() || !readOptics(camera, o))
        return result;
    if (renderAspect <= 0.0)
        renderAspect = renderAspectRatio();
    const double w = width;
    const double h = height;
    const double film = filmWidth(o, w, h, renderAspect);
    // View pixels per film inch, and film inches per camera-space unit
    // (orthographic) or per unit of x / -z (perspective).
    const double pixelsPerInch = film / (o.hfa * o.zoom);
    const double inchesPerUnit = o.ortho ? o.hfa / o.orthoWidth : o.focal / kMillimetresPerInch;
    const double sx = 2.0 * pixelsPerInch / w;
    const double sy = 2.0 * pixelsPerInch / h;

    MMatrix p;
    p.matrix[0][0] = sx * inchesPerUnit;
    p.matrix[1][1] = sy * inchesPerUnit;
    const double n = o.nearClip;
    const double f = o.farClip;
    if (o.ortho) {
        p.matrix[3][0] = -sx * o.hpan;
        p.matrix[3][1] = -sy * o.vpan;
        p.matrix[2][2] = -2.0 / (f - n);
        p.matrix[3][2] = -(f + n) / (f - n);
        p.matrix[3][3] = 1.0;
    } else {
        p.matrix[2][0] = sx * o.hpan;
        p.matrix[2][1] = sy * o.vpan;
        p.matrix[2][2] = -(f + n) / (f - n);
        p.matrix[2][3] = -1.0;
        p.matrix[3][2] = -2.0 * f * n / (f - n);
        p.matrix[3][3] = 0.0;
    }

    result.m_valid = true;
    result.m_camera = camera;
    result.m_width = width;
    result.m_height = height;
    result.m_ortho = o.ortho;
    result.m_near = n;
    result.m_view = camera.inclusiveMatrixInverse();
    result.m_projection = p;
    // The gate is centred where the camera's axis meets the view.
    const double gw = gateWidth(o, film, renderAspect) / o.zoom;
    const double gh = gw / renderAspect;
    const double cx = w * 0.5 - pixelsPerInch * o.hpan;
    const double cy = h * 0.5 - pixelsPerInch * o.vpan;
    result.m_gate = QRectF(cx - gw * 0.5, cy - gh * 0.5, gw, gh);
    return result;
}

bool ViewProjection::cameraToView(const MPoint& c, double& x, double& y) const
{
    if (!m_valid)
        return false;
    const MPoint clip = c * m_projection;
    if (std::fabs(clip.w) < 1e-12)
        return false;
    x = (clip.x / clip.w + 1.0) * 0.5 * m_width;
    y = (clip.y / clip.w + 1.0) * 0.5 * m_height;
    return m_ortho || c.z / c.w < 0.0;
}

bool ViewProjection::worldToView(const MPoint& world, double& x, double& y) const
{
    return cameraToView(world * m_view, x, y);
}

void ViewProjection::viewToWorld(double x, double y, MPoint& nearPoint, MPoint& farPoint) const
{
    if (!m_valid)
        return;
    const MMatrix inverse = (m_view * m_projection).inverse();
    const double nx = 2.0 * x / m_width - 1.0;
    const double ny = 2.0 * y / m_height - 1.0;
    nearPoint = (MPoint(nx, ny, -1.0, 1.0) * inverse).cartesianize();
    farPoint = (MPoint(nx, ny, 1.0, 1.0) * inverse).cartesianize();
}

} // namespace nbhost
