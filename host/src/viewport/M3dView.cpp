#include <maya/M3dView.h>

#include <maya/MDagPath.h>

#include "viewport/View3d.h"

M3dView::M3dView() : fPtr(nullptr) {}

M3dView::~M3dView() = default;

M3dView M3dView::active3dView(MStatus* ReturnStatus)
{
    M3dView view;
    view.fPtr = nbhost::View3d::active();
    if (ReturnStatus)
        *ReturnStatus = view.fPtr ? MStatus::kSuccess : MStatus::kFailure;
    return view;
}

MStatus M3dView::getCamera(MDagPath& camera)
{
    const auto* view = static_cast<const nbhost::View3d*>(fPtr);
    if (!view || !view->camera(camera))
        return MStatus::kFailure;
    return MStatus::kSuccess;
}
