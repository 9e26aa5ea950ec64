#include <maya/MDrawContext.h>
#include <maya/MFrameContext.h>

#include "viewport/ViewProjection.h"

namespace MHWRender {

MFrameContext::MFrameContext(const nbhost::ViewProjection& projection) : fProjection(projection) {}
MFrameContext::~MFrameContext() = default;

MMatrix MFrameContext::getMatrix(MatrixType mtype, MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    // Groups of four: the matrix, its transpose, inverse, and transposed inverse.
    const int group = int(mtype) / 4;
    const int variant = int(mtype) % 4;
    MMatrix m;
    switch (group) {
    case 0: break; // world: the identity
    case 1: m = fProjection.viewMatrix(); break;
    case 2: m = fProjection.projectionMatrix(); break;
    case 3: m = fProjection.viewMatrix() * fProjection.projectionMatrix(); break;
    case 4: m = fProjection.viewMatrix(); break;
    case 5: m = fProjection.viewMatrix() * fProjection.projectionMatrix(); break;
    default:
        if (ReturnStatus)
            *ReturnStatus = MStatus::kInvalidParameter;
        return MMatrix();
    }
    if (variant >= 2)
        m = m.inverse();
    if (variant % 2 == 1)
        m = m.transpose();
    return m;
}

MStatus MFrameContext::getViewportDimensions(int& originX, int& originY, int& width, int& height) const
{
    originX = 0;
    originY = 0;
    width = fProjection.width();
    height = fProjection.height();
    return MStatus::kSuccess;
}

MDagPath MFrameContext::getCurrentCameraPath(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = fProjection.isValid() ? MStatus::kSuccess : MStatus::kFailure;
    return fProjection.camera();
}

MStatus MFrameContext::worldToViewport(const MPoint& inPoint, double& xPos, double& yPos) const
{
    if (!fProjection.isValid())
        return MStatus::kFailure;
    fProjection.worldToView(inPoint, xPos, yPos);
    return MStatus::kSuccess;
}

MStatus MFrameContext::viewportToWorld(double xPos, double yPos, MPoint& nearPlaneWorldPos,
                                       MPoint& farPlaneWorldPos) const
{
    if (!fProjection.isValid())
        return MStatus::kFailure;
    fProjection.viewToWorld(xPos, yPos, nearPlaneWorldPos, farPlaneWorldPos);
    return MStatus::kSuccess;
}

MDrawContext::MDrawContext(const nbhost::ViewProjection& projection) : MFrameContext(projection) {}
MDrawContext::~MDrawContext() = default;

MStatus MDrawContext::getRenderTargetSize(int& width, int& height) const
{
    width = fProjection.width();
    height = fProjection.height();
    return MStatus::kSuccess;
}

} // namespace MHWRender
