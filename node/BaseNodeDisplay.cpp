// The drawing node's display side: where the composed image sits in a view
// and the image itself. The arithmetic lives in OverlayPlacement.
#include "node/BaseNode.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/LayerManager.h"

#include <maya/M3dView.h>
#include <maya/MAnimControl.h>
#include <maya/MDagPath.h>
#include <maya/MFrameContext.h>

void BaseNode::UpdateOverlayValues(const MDagPath& camera, int width, int height)
{
    overlay.Update(camera, width, height, Settings::ignore2dPanZoom);
    currentFrame = static_cast<int>(MAnimControl::currentTime().as(MTime::uiUnit()));
}

void BaseNode::UpdateOverlayPan(const MDagPath& camera, const MHWRender::MFrameContext& context)
{
    overlay.UpdatePan(camera, context);
}

void BaseNode::UpdateOverlayPan(const MDagPath& camera, const M3dView& view)
{
    overlay.UpdatePan(camera, view);
}

void BaseNode::UpdateOverlayValues(M3dView& view)
{
    MDagPath camera;
    if (!view.getCamera(camera))
        return;
    UpdateOverlayValues(camera, view.portWidth(), view.portHeight());
    UpdateOverlayPan(camera, view);
}

QPoint BaseNode::ScreenCoordsToTexCoords(const QPoint& p) const
{
    return overlay.ScreenToTexture(p);
}

float BaseNode::TextureToScreenScale() const
{
    return overlay.TextureToScreenScale();
}

MPoint BaseNode::GetOverlayCenter() const
{
    return overlay.overlayCentre;
}

float BaseNode::GetOverlayScale() const
{
    return overlay.overlayHalfSize;
}

QImage* BaseNode::GetFinalImage(const QString& camera)
{
    return WithManager<QImage*>(nullptr, [&](LayerManager& m) { return m.GetFlattenedImage(camera); });
}

bool BaseNode::ImageUpdateRequired(const QString& camera)
{
    return WithManager(false, [&](LayerManager& m) { return m.CacheUpdateRequired(camera); });
}

void BaseNode::draw(M3dView& view, const MDagPath&, M3dView::DisplayStyle, M3dView::DisplayStatus)
{
    MDagPath camera;
    if (!view.getCamera(camera))
        return;
    const QString cameraName = MayaUtil::GetCameraName(camera);
    const QImage* image = GetFinalImage(cameraName);
    if (!image)
        return;
    UpdateOverlayValues(view);
    legacyQuad.Draw(view, *image, overlay, GetOpacity());
    if (DrawTransformOutline(cameraName))
        legacyQuad.DrawOutline(view, outlineCorners, overlay);
}
