#pragma once
// Where plug-ins register the Viewport 2.0 drawing of their node types: a
// draw override creator per draw classification (the classification
// string given when the node type was registered, "drawdb/geometry/...").

#include <maya/MTypes.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

namespace MHWRender {

class MPxDrawOverride;

class OPENMAYARENDER_EXPORT MDrawRegistry
{
public:
    typedef MPxDrawOverride* (*DrawOverrideCreator)(const MObject& obj);

    // Fails for an empty classification or registrant, a null creator, or
    // a classification that already has a draw override.
    static MStatus registerDrawOverrideCreator(const MString& drawClassification, const MString& registrantId,
                                               DrawOverrideCreator creator);
    // Deletes the overrides the creator made. kNotFound when the pair is
    // not registered.
    static MStatus deregisterDrawOverrideCreator(const MString& drawClassification, const MString& registrantId);
};

} // namespace MHWRender
