// Cameras of the default scene, MFnCamera queries and the render settings.
#include "SceneFixture.h"

#include <maya/MDagPath.h>
#include <maya/MFnCamera.h>
#include <maya/MPlug.h>
#include <maya/MRenderUtil.h>

namespace scenetest {
namespace {

class CameraTest : public SceneFixture
{
protected:
    MFnCamera camera(const std::string& name)
    {
        MDagPath path;
        MDagPath::getAPathTo(node(name), path);
        return MFnCamera(path);
    }
};

TEST_F(CameraTest, DefaultCamerasHaveTheHostDefaults)
{
    for (const char* name : {"persp", "top", "front", "side"}) {
        SCOPED_TRACE(name);
        MStatus status;
        MFnCamera fn = camera(name);
        EXPECT_EQ(fn.filmFit(&status), MFnCamera::kFillFilmFit);
        EXPECT_TRUE(status);
        EXPECT_EQ(fn.overscan(), 1.0);
        EXPECT_NEAR(fn.horizontalFilmAperture(), 1.417, 0.001);
        EXPECT_NEAR(fn.verticalFilmAperture(), 0.945, 0.001);
        EXPECT_NEAR(fn.aspectRatio(), 1.5, 1e-9);
        EXPECT_FALSE(fn.panZoomEnabled());
        EXPECT_EQ(fn.zoom(), 1.0);
        EXPECT_EQ(fn.horizontalPan(), 0.0);
        EXPECT_EQ(fn.verticalPan(), 0.0);
        EXPECT_EQ(fn.isOrtho(), std::string(name) != "persp");
        EXPECT_EQ(fn.farClippingPlane(), 10000.0);
        EXPECT_TRUE(fn.isDefaultNode());
    }
}

TEST_F(CameraTest, EyeAndDirectionsFollowTheTransform)
{
    MFnCamera persp = camera("persp");
    EXPECT_TRUE(persp.eyePoint(MSpace::kObject).isEquivalent(MPoint(0, 0, 0)));
    EXPECT_TRUE(persp.eyePoint(MSpace::kWorld).isEquivalent(MPoint(28, 21, 28), 1e-9));
    MFnCamera top = camera("top");
    EXPECT_TRUE(top.viewDirection(MSpace::kWorld).isEquivalent(MVector(0, -1, 0), 1e-9));
    EXPECT_TRUE(top.upDirection(MSpace::kWorld).isEquivalent(MVector(0, 0, -1), 1e-9));
    MFnCamera side = camera("side");
    EXPECT_TRUE(side.viewDirection(MSpace::kWorld).isEquivalent(MVector(-1, 0, 0), 1e-9));
    EXPECT_TRUE(side.centerOfInterestPoint(MSpace::kWorld).isEquivalent(MPoint(0, 0, 0), 1e-9));
    // The perspective camera looks at the origin.
    MVector toOrigin = MPoint(0, 0, 0) - persp.eyePoint(MSpace::kWorld);
    EXPECT_NEAR(persp.viewDirection(MSpace::kWorld) * toOrigin.normal(), 1.0, 1e-4);
}

TEST_F(CameraTest, SettersChangeTheShapeAndCheckTheirInput)
{
    MFnCamera fn = camera("front");
    EXPECT_TRUE(fn.setFilmFit(MFnCamera::kOverscanFilmFit));
    EXPECT_EQ(fn.filmFit(), MFnCamera::kOverscanFilmFit);
    EXPECT_EQ(fn.setFilmFit(MFnCamera::kInvalid), MStatus::kInvalidParameter);
    EXPECT_TRUE(fn.setPanZoomEnabled(true));
    EXPECT_TRUE(fn.setZoom(0.0));
    EXPECT_EQ(fn.zoom(), 0.0);
    EXPECT_TRUE(fn.setAspectRatio(2.0));
    EXPECT_NEAR(fn.verticalFilmAperture(), fn.horizontalFilmAperture() / 2.0, 1e-12);
    EXPECT_EQ(fn.setAspectRatio(0.0), MStatus::kInvalidParameter);
    // A film fit stored out of range reads as invalid.
    fn.findPlug("filmFit", true).setInt(9);
    EXPECT_EQ(fn.filmFit(), MFnCamera::kInvalid);

    MStatus status;
    MFnCamera notCamera(node("defaultResolution"), &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    notCamera.zoom(&status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST_F(CameraTest, RenderSettingsReadTheDefaultResolutionNode)
{
    MCommonRenderSettingsData settings;
    MRenderUtil::getCommonRenderSettings(settings);
    EXPECT_EQ(settings.width, 960u);
    EXPECT_EQ(settings.height, 540u);
    MFnDependencyNode resolution(node("defaultResolution"));
    resolution.findPlug("width", true).setInt(1920);
    resolution.findPlug("height", true).setInt(0);
    MRenderUtil::getCommonRenderSettings(settings);
    EXPECT_EQ(settings.width, 1920u);
    EXPECT_EQ(settings.height, 1u);
}

TEST_F(CameraTest, CreatedCamerasStartWithTheSameDefaults)
{
    MFnCamera fn;
    MStatus status;
    MObject transform = fn.create(&status);
    ASSERT_TRUE(status);
    EXPECT_EQ(nameOf(transform), "camera1");
    EXPECT_EQ(nameOf(fn.object()), "cameraShape1");
    EXPECT_EQ(fn.orthoWidth(), 30.0);
    EXPECT_EQ(fn.focalLength(), 35.0);
    EXPECT_FALSE(fn.isOrtho());
}

} // namespace
} // namespace scenetest
