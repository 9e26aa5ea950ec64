#include "node/OverlayPlacement.h"

#include <gtest/gtest.h>

namespace {

OverlayPlacement::CameraValues Camera(MFnCamera::FilmFit fit, double overscan = 1.0,
                                      bool ortho = false, double zoom = 0.0)
{
    OverlayPlacement::CameraValues camera;
    camera.filmFit = fit;
    camera.overscan = overscan;
    camera.orthographic = ortho;
    camera.aspectRatio = 1.5;
    camera.resolutionAspectRatio = 1920.0 / 1080.0;
    camera.panZoomEnabled = zoom != 0.0;
    camera.zoom = zoom;
    return camera;
}

TEST(OverlayPlacement, SquareSizeFollowsFilmFitOverscanAndResolution)
{
    OverlayPlacement p;
    p.Update(Camera(MFnCamera::kHorizontalFilmFit), 1000, 600, false);
    EXPECT_EQ(p.overlaySize, 1000);
    EXPECT_EQ(p.overlayCentre, MPoint(500.0, 300.0, 0.0, 1.0));
    p.Update(Camera(MFnCamera::kVerticalFilmFit, 1.3), 1200, 650, false);
    EXPECT_EQ(p.overlaySize, 888);
    // Fill fit: the horizontal rule on an orthographic camera; on a
    // perspective one k = ra / ca for a wide view, min(ra, ca) / va else.
    EXPECT_DOUBLE_EQ(OverlayPlacement::SquareSide(Camera(MFnCamera::kFillFilmFit, 2.0, true), 800, 600), 400.0);
    OverlayPlacement::CameraValues fill = Camera(MFnCamera::kFillFilmFit);
    fill.aspectRatio = 2.0;
    fill.resolutionAspectRatio = 1.5;
    EXPECT_DOUBLE_EQ(OverlayPlacement::SquareSide(fill, 900, 300), 0.75 * 900.0);
    EXPECT_DOUBLE_EQ(OverlayPlacement::SquareSide(fill, 600, 600), 1.5 * 600.0);
}

TEST(OverlayPlacement, PanAndZoomMoveTheSquareUnlessIgnored)
{
    OverlayPlacement zoomed;
    zoomed.Update(Camera(MFnCamera::kHorizontalFilmFit, 1.0, false, 2.0), 1000, 600, false);
    EXPECT_FLOAT_EQ(zoomed.quadSize, 500.0f);
    EXPECT_FLOAT_EQ(zoomed.overlayHalfSize, 250.0f);
    zoomed.ApplyPan(400.0, 350.0);
    EXPECT_EQ(zoomed.overlayCentre, MPoint(400.0, 350.0, 0.0, 1.0));
    // The square's corners are the image's corners, y flipped.
    EXPECT_EQ(zoomed.ScreenToTexture(QPoint(150, 100)), QPoint(0, 1024));
    EXPECT_EQ(zoomed.ScreenToTexture(QPoint(650, 600)), QPoint(1024, 0));
    EXPECT_FLOAT_EQ(zoomed.TextureToScreenScale(), 500.0f / 1024.0f);

    OverlayPlacement ignored;
    ignored.Update(Camera(MFnCamera::kHorizontalFilmFit, 1.0, false, 2.0), 1000, 600, true);
    ignored.ApplyPan(400.0, 350.0);
    EXPECT_FLOAT_EQ(ignored.quadSize, 1000.0f);
    EXPECT_EQ(ignored.overlayCentre, MPoint(500.0, 300.0, 0.0, 1.0));
}

TEST(OverlayPlacement, DegenerateCamerasAndViewsStayFinite)
{
    OverlayPlacement::CameraValues zero = Camera(MFnCamera::kHorizontalFilmFit, 1.0, false, 1.0);
    zero.zoom = 0.0;
    OverlayPlacement p;
    p.Update(zero, 1000, 600, false);
    EXPECT_FLOAT_EQ(p.quadSize, 1000.0f / 0.001f);
    p.Update(Camera(MFnCamera::kHorizontalFilmFit, 0.0), 1000, 600, false);
    EXPECT_EQ(p.overlaySize, 0);
    EXPECT_EQ(p.ScreenToTexture(QPoint(10, 10)), QPoint());
    p.Update(Camera(MFnCamera::kFillFilmFit), 0, 0, false);
    EXPECT_EQ(p.overlaySize, 0);
}

} // namespace
