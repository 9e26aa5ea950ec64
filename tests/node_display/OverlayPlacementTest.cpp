#include "node/OverlayPlacement.h"

#include <gtest/gtest.h>

namespace {

OverlayPlacement::CameraValues Camera(MFnCamera::FilmFit fit, double overscan = 1.0)
{
    OverlayPlacement::CameraValues camera;
    camera.filmFit = fit;
    camera.overscan = overscan;
    camera.aspectRatio = 1.5;
    camera.resolutionAspectRatio = 1920.0 / 1080.0;
    return camera;
}

TEST(OverlayPlacement, HorizontalFitFillsTheViewWidthAndIsCentred)
{
    OverlayPlacement placement;
    placement.Update(Camera(MFnCamera::kHorizontalFilmFit), 1000, 600, false);
    EXPECT_EQ(placement.overlaySize, 1000);
    EXPECT_FLOAT_EQ(placement.overlayHalfSize, 500.0f);
    EXPECT_DOUBLE_EQ(placement.overlayCentre.x, 500.0);
    EXPECT_DOUBLE_EQ(placement.overlayCentre.y, 300.0);
    EXPECT_FLOAT_EQ(placement.quadSize, 1000.0f);
}

TEST(OverlayPlacement, VerticalFitFollowsOverscanAndRenderResolution)
{
    OverlayPlacement placement;
    placement.Update(Camera(MFnCamera::kVerticalFilmFit, 1.3), 1200, 650, false);
    EXPECT_EQ(placement.overlaySize, 888);
}

TEST(OverlayPlacement, FillFitUsesTheHorizontalRuleOnlyForOrthographicCameras)
{
    OverlayPlacement::CameraValues camera = Camera(MFnCamera::kFillFilmFit, 2.0);
    camera.orthographic = true;
    EXPECT_DOUBLE_EQ(OverlayPlacement::SquareSide(camera, 800.0, 600.0), 400.0);

    // Perspective with a wider view than the camera: k = ra / ca.
    camera.orthographic = false;
    camera.aspectRatio = 2.0;
    camera.resolutionAspectRatio = 1.5;
    EXPECT_DOUBLE_EQ(OverlayPlacement::SquareSide(camera, 900.0, 300.0), 0.75 * 450.0);
    // A narrower view than the camera: k = min(ra, ca) / va.
    EXPECT_DOUBLE_EQ(OverlayPlacement::SquareSide(camera, 600.0, 600.0), 1.5 * 300.0);
}

TEST(OverlayPlacement, ZoomShrinksTheSquareUnlessIgnored)
{
    OverlayPlacement::CameraValues camera = Camera(MFnCamera::kHorizontalFilmFit);
    camera.panZoomEnabled = true;
    camera.zoom = 2.0;

    OverlayPlacement zoomed;
    zoomed.Update(camera, 1000, 600, false);
    EXPECT_TRUE(zoomed.panZoomActive);
    EXPECT_FLOAT_EQ(zoomed.quadSize, 500.0f);
    EXPECT_FLOAT_EQ(zoomed.overlayHalfSize, 250.0f);
    zoomed.ApplyPan(300.0, 200.0);
    EXPECT_DOUBLE_EQ(zoomed.overlayCentre.x, 300.0);
    EXPECT_DOUBLE_EQ(zoomed.overlayCentre.y, 200.0);
    EXPECT_DOUBLE_EQ(zoomed.panOffset.x, 200.0);
    EXPECT_DOUBLE_EQ(zoomed.panOffset.y, 100.0);

    OverlayPlacement ignored;
    ignored.Update(camera, 1000, 600, true);
    EXPECT_FALSE(ignored.panZoomActive);
    EXPECT_FLOAT_EQ(ignored.quadSize, 1000.0f);
    ignored.ApplyPan(300.0, 200.0);
    EXPECT_DOUBLE_EQ(ignored.overlayCentre.x, 500.0);
    EXPECT_DOUBLE_EQ(ignored.panOffset.x, 0.0);
}

TEST(OverlayPlacement, DegenerateCamerasAndViewsStayFinite)
{
    OverlayPlacement::CameraValues camera = Camera(MFnCamera::kHorizontalFilmFit);
    camera.panZoomEnabled = true;
    camera.zoom = 0.0;
    OverlayPlacement placement;
    placement.Update(camera, 1000, 600, false);
    EXPECT_FLOAT_EQ(placement.quadSize, 1000.0f / 0.001f);

    camera.overscan = 0.0;
    placement.Update(camera, 1000, 600, false);
    EXPECT_EQ(placement.overlaySize, 0);
    EXPECT_EQ(placement.ScreenToTexture(QPoint(10, 10)), QPoint());

    placement.Update(Camera(MFnCamera::kFillFilmFit), 0, 0, false);
    EXPECT_EQ(placement.overlaySize, 0);
    EXPECT_FLOAT_EQ(placement.TextureToScreenScale(), 0.0f);
}

TEST(OverlayPlacement, SquareCornersMapToImageCorners)
{
    OverlayPlacement::CameraValues camera = Camera(MFnCamera::kHorizontalFilmFit);
    camera.panZoomEnabled = true;
    camera.zoom = 2.0;
    OverlayPlacement placement;
    placement.Update(camera, 1000, 600, false);
    placement.ApplyPan(400.0, 350.0);

    // The drawn quad: 500 pixels square, bottom-left corner at (150, 100).
    EXPECT_FLOAT_EQ(placement.QuadLeft(), 150.0f);
    EXPECT_FLOAT_EQ(placement.QuadBottom(), 100.0f);
    EXPECT_EQ(placement.ScreenToTexture(QPoint(150, 100)), QPoint(0, 1024));
    EXPECT_EQ(placement.ScreenToTexture(QPoint(650, 600)), QPoint(1024, 0));
    EXPECT_EQ(placement.ScreenToTexture(QPoint(400, 350)), QPoint(512, 512));
    EXPECT_FLOAT_EQ(placement.TextureToScreenScale(), 500.0f / 1024.0f);
}

} // namespace
