#include <maya/M3dView.h>

#include <maya/MDagPath.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include "scene/ReturnStatus.h"
#include "viewport/View3d.h"

#include <algorithm>
#include <QWidget>

#include <cmath>

using nbhost::View3d;
using nbhost::setReturnStatus;

namespace {

View3d* viewOf(unsigned int id, MStatus* ReturnStatus)
{
    View3d* view = id ? View3d::byId(id) : nullptr;
    setReturnStatus(ReturnStatus, view ? MStatus::kSuccess : MStatus::kFailure);
    return view;
}

short toShort(double value)
{
    if (!std::isfinite(value))
        return 0;
    return short(std::lround(std::clamp(value, -32768.0, 32767.0)));
}

} // namespace

M3dView::M3dView() : fViewId(0) {}
M3dView::~M3dView() = default;

M3dView M3dView::active3dView(MStatus* ReturnStatus)
{
    View3d* view = View3d::active();
    setReturnStatus(ReturnStatus, view ? MStatus::kSuccess : MStatus::kFailure);
    return view ? View3d::handle(*view) : M3dView();
}

unsigned int M3dView::numberOf3dViews() { return static_cast<unsigned int>(View3d::all().size()); }

MStatus M3dView::get3dView(const unsigned int index, M3dView& view)
{
    if (index >= View3d::all().size())
        return MStatus::kInvalidParameter;
    view = View3d::handle(*View3d::all()[index]);
    return MStatus::kSuccess;
}

MStatus M3dView::getM3dViewFromModelPanel(const MString& modelPaneName, M3dView& view)
{
    View3d* found = View3d::byPanel(QString::fromUtf8(modelPaneName.asChar()));
    if (!found)
        return MStatus::kNotFound;
    view = View3d::handle(*found);
    return MStatus::kSuccess;
}

void M3dView::scheduleRefreshAllViews() { View3d::refreshAll(false); }

QWidget* M3dView::widget(MStatus* ReturnStatus) const
{
    View3d* view = viewOf(fViewId, ReturnStatus);
    return view ? view->widget() : nullptr;
}

int M3dView::portWidth(MStatus* ReturnStatus)
{
    View3d* view = viewOf(fViewId, ReturnStatus);
    return view ? view->portWidth() : 0;
}

int M3dView::portHeight(MStatus* ReturnStatus)
{
    View3d* view = viewOf(fViewId, ReturnStatus);
    return view ? view->portHeight() : 0;
}

MStatus M3dView::viewport(unsigned int& x, unsigned int& y, unsigned int& width, unsigned int& height) const
{
    MStatus status;
    View3d* view = viewOf(fViewId, &status);
    if (!view)
        return status;
    x = 0;
    y = 0;
    width = static_cast<unsigned int>(view->portWidth());
    height = static_cast<unsigned int>(view->portHeight());
    return MStatus::kSuccess;
}

MStatus M3dView::getCamera(MDagPath& camera)
{
    View3d* view = viewOf(fViewId, nullptr);
    return view && view->camera(camera) ? MStatus::kSuccess : MStatus::kFailure;
}

MStatus M3dView::setCamera(MDagPath& camera)
{
    View3d* view = viewOf(fViewId, nullptr);
    return view && view->setCamera(camera) ? MStatus::kSuccess : MStatus::kFailure;
}

M3dView::DisplayStyle M3dView::displayStyle(MStatus* ReturnStatus) const
{
    viewOf(fViewId, ReturnStatus);
    return kGouraudShaded;
}

MStatus M3dView::refresh(bool all, bool force)
{
    if (all) {
        View3d::refreshAll(force);
        return MStatus::kSuccess;
    }
    View3d* view = viewOf(fViewId, nullptr);
    if (!view)
        return MStatus::kFailure;
    view->refresh(force);
    return MStatus::kSuccess;
}

MStatus M3dView::scheduleRefresh() { return refresh(false, false); }

bool M3dView::worldToView(const MPoint& worldPt, short& x_pos, short& y_pos, MStatus* ReturnStatus) const
{
    View3d* view = viewOf(fViewId, ReturnStatus);
    if (!view)
        return false;
    const nbhost::ViewProjection projection = view->projection();
    double x = 0.0;
    double y = 0.0;
    const bool inFront = projection.worldToView(worldPt, x, y);
    x_pos = toShort(x);
    y_pos = toShort(y);
    return inFront && x >= 0.0 && y >= 0.0 && x <= projection.width() && y <= projection.height();
}

MStatus M3dView::viewToWorld(short x_pos, short y_pos, MPoint& nearClipPt, MPoint& farClipPt) const
{
    MStatus status;
    View3d* view = viewOf(fViewId, &status);
    if (!view)
        return status;
    const nbhost::ViewProjection projection = view->projection();
    if (!projection.isValid())
        return MStatus::kFailure;
    projection.viewToWorld(x_pos, y_pos, nearClipPt, farClipPt);
    return MStatus::kSuccess;
}

MStatus M3dView::viewToWorld(short x_pos, short y_pos, MPoint& worldPt, MVector& worldVector) const
{
    MPoint farPoint;
    const MStatus status = viewToWorld(x_pos, y_pos, worldPt, farPoint);
    if (status)
        worldVector = (farPoint - worldPt).normal();
    return status;
}

MStatus M3dView::projectionMatrix(MMatrix& projectionMatrix) const
{
    MStatus status;
    View3d* view = viewOf(fViewId, &status);
    if (!view)
        return status;
    projectionMatrix = view->projection().projectionMatrix();
    return MStatus::kSuccess;
}

MStatus M3dView::modelViewMatrix(MMatrix& modelViewMatrix) const
{
    MStatus status;
    View3d* view = viewOf(fViewId, &status);
    if (!view)
        return status;
    modelViewMatrix = view->projection().viewMatrix();
    return MStatus::kSuccess;
}

MStatus M3dView::beginGL()
{
    View3d* view = viewOf(fViewId, nullptr);
    return view ? view->beginGL() : MStatus::kFailure;
}

MStatus M3dView::endGL()
{
    View3d* view = viewOf(fViewId, nullptr);
    return view ? view->endGL() : MStatus::kFailure;
}

MStatus M3dView::beginXorDrawing(bool drawOrthographic, bool disableDepthTesting, float lineWidth,
                                 LineStipplePattern stipplePattern, const MColor& xorColor)
{
    View3d* view = viewOf(fViewId, nullptr);
    return view ? view->beginXorDrawing(drawOrthographic, disableDepthTesting, lineWidth, stipplePattern, xorColor)
                : MStatus::kFailure;
}

MStatus M3dView::endXorDrawing()
{
    View3d* view = viewOf(fViewId, nullptr);
    return view ? view->endXorDrawing() : MStatus::kFailure;
}
