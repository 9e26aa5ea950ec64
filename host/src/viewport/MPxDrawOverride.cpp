#include <maya/MPxDrawOverride.h>

namespace MHWRender {

MPxDrawOverride::MPxDrawOverride(const MObject& obj, GeometryDrawOverrideCb callback, bool isAlwaysDirty)
    : fObject(obj), fCallback(callback), fAlwaysDirty(isAlwaysDirty)
{
}

MPxDrawOverride::~MPxDrawOverride() = default;

DrawAPI MPxDrawOverride::supportedDrawAPIs() const { return kOpenGL; }
bool MPxDrawOverride::isTransparent() const { return false; }
bool MPxDrawOverride::excludedFromPostEffects() const { return true; }
bool MPxDrawOverride::hasUIDrawables() const { return false; }
bool MPxDrawOverride::isBounded(const MDagPath&, const MDagPath&) const { return false; }
MBoundingBox MPxDrawOverride::boundingBox(const MDagPath&, const MDagPath&) const { return MBoundingBox(); }
bool MPxDrawOverride::disableInternalBoundingBoxDraw() const { return false; }
MMatrix MPxDrawOverride::transform(const MDagPath& objPath, const MDagPath&) const { return objPath.inclusiveMatrix(); }

void MPxDrawOverride::addUIDrawables(const MDagPath&, MUIDrawManager&, const MFrameContext&, const MUserData*) {}

} // namespace MHWRender
