#pragma once
// A 3D view of the host: a model panel looking through one camera. View
// coordinates are pixels with the origin at the bottom left.

#include <maya/MTypes.h>
#include <maya/MColor.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

class MDagPath;
class MMatrix;
class MPoint;
class MVector;
class QWidget;

namespace nbhost {
class View3d;
}

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

    enum LineStipplePattern
    {
        kStippleNone,
        kStippleDashed
    };

    M3dView();
    virtual ~M3dView();

    // The view that has the focus; fails when there is none (batch mode).
    static M3dView active3dView(MStatus* ReturnStatus = nullptr);
    static unsigned int numberOf3dViews();
    static MStatus get3dView(const unsigned int index, M3dView& view);
    static MStatus getM3dViewFromModelPanel(const MString& modelPaneName, M3dView& view);
    static void scheduleRefreshAllViews();

    // Every call fails (or answers 0) once the view is gone.
    QWidget* widget(MStatus* ReturnStatus = nullptr) const;
    int portWidth(MStatus* ReturnStatus = nullptr);
    int portHeight(MStatus* ReturnStatus = nullptr);
    MStatus viewport(unsigned int& x, unsigned int& y, unsigned int& width, unsigned int& height) const;
    MStatus getCamera(MDagPath& camera);
    MStatus setCamera(MDagPath& camera);
    DisplayStyle displayStyle(MStatus* ReturnStatus = nullptr) const;

    MStatus refresh(bool all = false, bool force = false);
    MStatus scheduleRefresh();

    // True when the point lies in front of the camera and inside the view;
    // the position is written either way.
    bool worldToView(const MPoint& worldPt, short& x_pos, short& y_pos, MStatus* ReturnStatus = nullptr) const;
    // The ray under a view position, as its points on the near and far
    // clipping planes, or as the near point and a unit direction.
    MStatus viewToWorld(short x_pos, short y_pos, MPoint& nearClipPt, MPoint& farClipPt) const;
    MStatus viewToWorld(short x_pos, short y_pos, MPoint& worldPt, MVector& worldVector) const;
    MStatus projectionMatrix(MMatrix& projectionMatrix) const;
    MStatus modelViewMatrix(MMatrix& modelViewMatrix) const;

    // Direct OpenGL drawing; only a view showing the legacy viewport has
    // an OpenGL context, the others fail.
    MStatus beginGL();
    MStatus endGL();
    // Drawing that inverts what is under it, so that drawing the same
    // shape again removes it (legacy viewport only). Orthographic drawing
    // works in view pixels.
    MStatus beginXorDrawing(bool drawOrthographic = true, bool disableDepthTesting = true,
                            float lineWidth = 1.0f, LineStipplePattern stipplePattern = kStippleNone,
                            const MColor& xorColor = MColor(1.f, 1.f, 1.f));
    MStatus endXorDrawing();

private:
    friend class nbhost::View3d;

    // The host's view behind this handle, by its number; 0 refers to no
    // view. A number is never reused, so a handle to a closed view fails.
    unsigned int fViewId;
};
