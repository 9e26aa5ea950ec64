#pragma once
// Function set for camera shapes. A path to a camera's transform reaches
// its shape.

#include <maya/MFnDagNode.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

class OPENMAYA_EXPORT MFnCamera : public MFnDagNode
{
public:
    enum FilmFit
    {
        kFillFilmFit,
        kHorizontalFilmFit,
        kVerticalFilmFit,
        kOverscanFilmFit,
        kInvalid
    };

    MFnCamera();
    MFnCamera(MObject& object, MStatus* ReturnStatus = nullptr);
    MFnCamera(const MObject& object, MStatus* ReturnStatus = nullptr);
    MFnCamera(const MDagPath& path, MStatus* ReturnStatus = nullptr);
    MFn::Type type() const override;

    // Creates a camera shape under a new transform (or under parent) outside
    // any undo step; returns the transform and attaches to the shape.
    MObject create(MStatus* ReturnStatus = nullptr);
    MObject create(MObject& parent, MStatus* ReturnStatus = nullptr);

    // The camera sits at the origin of its transform and looks down its -Z
    // axis with +Y up.
    MPoint eyePoint(MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = nullptr) const;
    MVector viewDirection(MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = nullptr) const;
    MVector upDirection(MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = nullptr) const;
    MVector rightDirection(MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = nullptr) const;
    MPoint centerOfInterestPoint(MSpace::Space space = MSpace::kObject,
                                 MStatus* ReturnStatus = nullptr) const;

    bool isOrtho(MStatus* ReturnStatus = nullptr) const;
    MStatus setIsOrtho(bool orthoState, double useDist = 0.0);
    double orthoWidth(MStatus* ReturnStatus = nullptr) const;
    MStatus setOrthoWidth(double orthoWidth);
    double focalLength(MStatus* ReturnStatus = nullptr) const;
    MStatus setFocalLength(double focalLength);
    double horizontalFilmAperture(MStatus* ReturnStatus = nullptr) const;
    MStatus setHorizontalFilmAperture(double hFilmAperture);
    double verticalFilmAperture(MStatus* ReturnStatus = nullptr) const;
    MStatus setVerticalFilmAperture(double vFilmAperture);
    // Horizontal over vertical film aperture; setting it changes the
    // vertical aperture.
    double aspectRatio(MStatus* ReturnStatus = nullptr) const;
    MStatus setAspectRatio(double aspectRatio);
    double horizontalFieldOfView(MStatus* ReturnStatus = nullptr) const;
    double verticalFieldOfView(MStatus* ReturnStatus = nullptr) const;
    FilmFit filmFit(MStatus* ReturnStatus = nullptr) const;
    MStatus setFilmFit(FilmFit filmFit);
    double overscan(MStatus* ReturnStatus = nullptr) const;
    MStatus setOverscan(double overscan);
    double nearClippingPlane(MStatus* ReturnStatus = nullptr) const;
    MStatus setNearClippingPlane(double dNear);
    double farClippingPlane(MStatus* ReturnStatus = nullptr) const;
    MStatus setFarClippingPlane(double dFar);
    double centerOfInterest(MStatus* ReturnStatus = nullptr) const;
    MStatus setCenterOfInterest(double dist);

    bool panZoomEnabled(MStatus* ReturnStatus = nullptr) const;
    MStatus setPanZoomEnabled(bool enabled);
    bool renderPanZoom(MStatus* ReturnStatus = nullptr) const;
    MStatus setRenderPanZoom(bool render);
    double horizontalPan(MStatus* ReturnStatus = nullptr) const;
    MStatus setHorizontalPan(double hPan);
    double verticalPan(MStatus* ReturnStatus = nullptr) const;
    MStatus setVerticalPan(double vPan);
    double zoom(MStatus* ReturnStatus = nullptr) const;
    MStatus setZoom(double zoom);

private:
    double read(const char* attr, MStatus* ReturnStatus) const;
    MStatus write(const char* attr, double value);
    MMatrix worldMatrix(MSpace::Space space, MStatus* ReturnStatus) const;
};
