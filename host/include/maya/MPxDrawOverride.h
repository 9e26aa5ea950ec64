#pragma once
// Base of a plug-in's Viewport 2.0 drawing of a DAG node. The host creates
// one per drawn node through the creator registered for the node type's
// classification (MDrawRegistry), prepares it at each redraw of a view and
// records its UI drawables.

#include <maya/MTypes.h>
#include <maya/MBoundingBox.h>
#include <maya/MDagPath.h>
#include <maya/MDrawContext.h>
#include <maya/MFrameContext.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MUIDrawManager.h>
#include <maya/MUserData.h>
#include <maya/MViewport2Renderer.h>

namespace nbhost {
class DrawOverrideRegistry;
}

namespace MHWRender {

class OPENMAYARENDER_EXPORT MPxDrawOverride
{
public:
    // A draw callback that draws with the device directly. This host's
    // Viewport 2.0 views paint UI drawables only; the callback is kept but
    // not called.
    typedef void (*GeometryDrawOverrideCb)(const MDrawContext& context, const MUserData* data);

    // isAlwaysDirty: prepare at every redraw. Otherwise the host prepares
    // again only when the view, its camera or its size changed, or
    // MRenderer::setGeometryDrawDirty was called for the node.
    MPxDrawOverride(const MObject& obj, GeometryDrawOverrideCb callback, bool isAlwaysDirty = true);
    virtual ~MPxDrawOverride();

    virtual DrawAPI supportedDrawAPIs() const;
    virtual bool isTransparent() const;
    virtual bool excludedFromPostEffects() const;
    virtual bool hasUIDrawables() const;
    virtual bool isBounded(const MDagPath& objPath, const MDagPath& cameraPath) const;
    virtual MBoundingBox boundingBox(const MDagPath& objPath, const MDagPath& cameraPath) const;
    virtual bool disableInternalBoundingBoxDraw() const;
    virtual MMatrix transform(const MDagPath& objPath, const MDagPath& cameraPath) const;

    // Returns the data for this draw: oldData (what the last preparation
    // returned and the host kept) reused, or new data, in which case the
    // host deletes oldData.
    virtual MUserData* prepareForDraw(const MDagPath& objPath, const MDagPath& cameraPath,
                                      const MFrameContext& frameContext, MUserData* oldData) = 0;
    virtual void addUIDrawables(const MDagPath& objPath, MUIDrawManager& drawManager,
                                const MFrameContext& frameContext, const MUserData* data);

private:
    friend class nbhost::DrawOverrideRegistry;
    MPxDrawOverride(const MPxDrawOverride&) = delete;
    MPxDrawOverride& operator=(const MPxDrawOverride&) = delete;

    MObject fObject;
    GeometryDrawOverrideCb fCallback;
    bool fAlwaysDirty;
};

} // namespace MHWRender
