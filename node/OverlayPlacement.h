#pragma once

#include <maya/MFnCamera.h>
#include <maya/MPoint.h>

#include <QPoint>

class M3dView;
class MDagPath;
namespace MHWRender {
class MFrameContext;
}

// Where the square drawing image sits in a camera view: its size from the
// camera's film fit, overscan and the render resolution, its centre, and the
// camera's 2D pan and zoom. Every draw recomputes it; the tools read it
// between draws to map viewport pixels to image pixels. Viewport pixels have
// their origin at the bottom left, image pixels at the top left.
class OverlayPlacement
{
public:
    // What the size step reads from the camera and the render settings.
    struct CameraValues
    {
        MFnCamera::FilmFit filmFit = MFnCamera::kHorizontalFilmFit;
        bool orthographic = false;
        double overscan = 1.0;
        double aspectRatio = 1.0;           // of the camera's film back
        double resolutionAspectRatio = 1.0; // render width / render height
        bool panZoomEnabled = false;
        double zoom = 1.0;
    };

    // Reads the camera and the render settings; false when the path is not
    // a camera.
    static bool ReadCamera(const MDagPath& camera, CameraValues& values);

    // Side of the square in viewport pixels, before 2D zoom.
    static double SquareSide(const CameraValues& camera, double width, double height);

    // Size and centre for a view of width x height pixels.
    void Update(const CameraValues& camera, int width, int height, bool ignorePanZoom);
    bool Update(const MDagPath& camera, int width, int height, bool ignorePanZoom);

    // Moves the centre to where the camera's 2D pan puts it, given that
    // reference point projected into the view. Call after Update.
    void ApplyPan(double viewX, double viewY);
    // The two host forms differ only in how the reference point is projected.
    void UpdatePan(const MDagPath& camera, const MHWRender::MFrameContext& context);
    void UpdatePan(const MDagPath& camera, const M3dView& view);

    // Viewport pixel to image pixel.
    QPoint ScreenToTexture(const QPoint& p) const;
    // Viewport pixels per image pixel.
    float TextureToScreenScale() const;
    // Bottom-left corner of the drawn quad.
    float QuadLeft() const;
    float QuadBottom() const;

    int portWidth = 0;
    int portHeight = 0;
    int overlaySize = 0;
    float overlayHalfSize = 0.0f;
    MPoint overlayCentre;
    bool panZoomActive = false;
    MPoint panOffset;
    float quadSize = 0.0f;

private:
    // The point whose projection is the pan centre.
    static MPoint PanReference(const MDagPath& camera);
};
