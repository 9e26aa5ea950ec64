#pragma once
// What a view is drawing: its size, its camera and the matrices between
// world and viewport. Viewport coordinates are pixels with the origin at
// the bottom left of the view.

#include <maya/MTypes.h>
#include <maya/MDagPath.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MStatus.h>

namespace nbhost {
class ViewProjection;
}

namespace MHWRender {

class OPENMAYARENDER_EXPORT MFrameContext
{
public:
    enum MatrixType
    {
        kWorldMtx,
        kWorldTransposeMtx,
        kWorldInverseMtx,
        kWorldTranspInverseMtx,
        kViewMtx,
        kViewTransposeMtx,
        kViewInverseMtx,
        kViewTranspInverseMtx,
        kProjectionMtx,
        kProjectionTranposeMtx,
        kProjectionInverseMtx,
        kProjectionTranspInverseMtx,
        kViewProjMtx,
        kViewProjTransposeMtx,
        kViewProjInverseMtx,
        kViewProjTranspInverseMtx,
        kWorldViewMtx,
        kWorldViewTransposeMtx,
        kWorldViewInverseMtx,
        kWorldViewTranspInverseMtx,
        kWorldViewProjMtx,
        kWorldViewProjTransposeMtx,
        kWorldViewProjInverseMtx,
        kWorldViewProjTranspInverseMtx
    };

    // World matrices are the identity here: the context is the view's.
    MMatrix getMatrix(MatrixType mtype, MStatus* ReturnStatus = nullptr) const;
    virtual MStatus getViewportDimensions(int& originX, int& originY, int& width, int& height) const;
    MDagPath getCurrentCameraPath(MStatus* ReturnStatus = nullptr) const;
    MStatus worldToViewport(const MPoint& inPoint, double& xPos, double& yPos) const;
    MStatus viewportToWorld(double xPos, double yPos, MPoint& nearPlaneWorldPos,
                            MPoint& farPlaneWorldPos) const;

protected:
    // Host side: a context for one drawing of a view.
    explicit MFrameContext(const nbhost::ViewProjection& projection);
    virtual ~MFrameContext();
    MFrameContext(const MFrameContext&) = delete;
    MFrameContext& operator=(const MFrameContext&) = delete;

    const nbhost::ViewProjection& fProjection;
};

} // namespace MHWRender
