#pragma once
// A 3D view of the host: one camera looking at the scene.

#include <maya/MTypes.h>
#include <maya/MStatus.h>

class MDagPath;

class OPENMAYAUI_EXPORT M3dView
{
public:
    enum DisplayStyle
    {
        kBoundingBox,
        kFlatShaded,
        kGouraudShaded,
        kWireFrame,
        kPoints
    };

    enum DisplayStatus
    {
        kActive,
        kLive,
        kDormant,
        kInvisible,
        kHilite,
        kTemplate,
        kActiveTemplate,
        kActiveComponent,
        kLead,
        kIntermediateObject,
        kActiveAffected,
        kNoStatus
    };

    M3dView();
    virtual ~M3dView();

    // The view that has the focus; fails when there is none (batch mode).
    static M3dView active3dView(MStatus* ReturnStatus = nullptr);

    MStatus getCamera(MDagPath& camera);

private:
    // The host's view behind this handle (an nbhost::View3d); null for a
    // handle that refers to no view.
    void* fPtr;
};
