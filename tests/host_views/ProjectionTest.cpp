// How cameras map onto views: the resolution gate under film fit, overscan,
// render aspect and 2D pan/zoom, and projection both ways.
#include "support/HostTestEnvironment.h"

#include "viewport/ViewProjection.h"

#include <maya/MDagPath.h>
#include <maya/MSelectionList.h>
#include <maya/MVector.h>

#include <cmath>

using nbhost::ViewProjection;

namespace {

class ProjectionTest : public nbtest::HostTest
{
protected:
    static MDagPath camera(const char* name)
    {
        MSelectionList list;
        MDagPath path;
        list.add(name);
        list.getDagPath(0, path);
        return path;
    }
    void set(const std::string& script) { ASSERT_TRUE(eval(script).ok) << script << output().errors(); }
};

TEST_F(ProjectionTest, GateFollowsFilmFitOverscanAndRenderAspect)
{
    // Horizontal fit: the gate spans the view's width.
    set("setAttr perspShape.filmFit 1");
    ViewProjection view = ViewProjection::fromCamera(camera("persp"), 1000, 500);
    EXPECT_DOUBLE_EQ(view.resolutionGate().width(), 1000.0);
    EXPECT_DOUBLE_EQ(view.resolutionGate().center().x(), 500.0);
    EXPECT_DOUBLE_EQ(view.resolutionGate().center().y(), 250.0);
    EXPECT_NEAR(view.resolutionGate().height(), 1000.0 * 540.0 / 960.0, 1e-9);

    // Vertical fit, overscan 1.3, 1920 x 1080: (1920 / 1080) * (650 / 1.3).
    set("setAttr perspShape.filmFit 2; setAttr perspShape.overscan 1.3");
    set("setAttr defaultResolution.width 1920; setAttr defaultResolution.height 1080");
    view = ViewProjection::fromCamera(camera("persp"), 1000, 650);
    EXPECT_EQ(int(view.resolutionGate().width()), 888);

    // Fill on an orthographic camera matches the width whatever the aspects.
    set("setAttr topShape.filmFit 0");
    EXPECT_DOUBLE_EQ(ViewProjection::fromCamera(camera("top"), 800, 200).resolutionGate().width(), 800.0);

    // Fill on a perspective camera in a view wider than the film: the film
    // covers the view and the wider render gate fits inside it.
    set("setAttr perspShape.filmFit 0; setAttr perspShape.overscan 1");
    view = ViewProjection::fromCamera(camera("persp"), 1000, 400);
    EXPECT_NEAR(view.resolutionGate().width(), 1000.0, 1e-9);
    // Overscan in a narrow view: the film fits inside, the gate covers it.
    set("setAttr perspShape.filmFit 3");
    view = ViewProjection::fromCamera(camera("persp"), 400, 1000);
    const double filmHeight = 400.0 / (1.41732 / 0.94488);
    EXPECT_NEAR(view.resolutionGate().width(), (1920.0 / 1080.0) * filmHeight, 1e-6);
}

TEST_F(ProjectionTest, PanAndZoomMoveAndScaleTheGate)
{
    set("setAttr perspShape.filmFit 1; setAttr perspShape.panZoomEnabled 1; setAttr perspShape.zoom 2");
    ViewProjection view = ViewProjection::fromCamera(camera("persp"), 1000, 500);
    EXPECT_DOUBLE_EQ(view.resolutionGate().width(), 500.0);

    set("setAttr perspShape.zoom 0");
    view = ViewProjection::fromCamera(camera("persp"), 1000, 500);
    EXPECT_TRUE(std::isfinite(view.resolutionGate().width()));
    EXPECT_GT(view.resolutionGate().width(), 1000.0);

    // A pan of 0.1 film inches moves the picture left by that much film.
    set("setAttr perspShape.zoom 1; setAttr perspShape.horizontalPan 0.1; setAttr perspShape.verticalPan -0.05");
    view = ViewProjection::fromCamera(camera("persp"), 1000, 500);
    const double pixelsPerInch = 1000.0 / 1.41732;
    EXPECT_NEAR(view.resolutionGate().center().x(), 500.0 - 0.1 * pixelsPerInch, 1e-6);
    EXPECT_NEAR(view.resolutionGate().center().y(), 250.0 + 0.05 * pixelsPerInch, 1e-6);
    // The camera's axis lands on the gate's centre.
    MPoint axis = MPoint(0.0, 0.0, -10.0) * camera("persp").inclusiveMatrix();
    double x = 0, y = 0;
    ASSERT_TRUE(view.worldToView(axis, x, y));
    EXPECT_NEAR(x, view.resolutionGate().center().x(), 1e-6);
    EXPECT_NEAR(y, view.resolutionGate().center().y(), 1e-6);

    // Turned off, pan and zoom are ignored.
    set("setAttr perspShape.panZoomEnabled 0");
    EXPECT_DOUBLE_EQ(ViewProjection::fromCamera(camera("persp"), 1000, 500).resolutionGate().center().x(), 500.0);
}

TEST_F(ProjectionTest, WorldAndViewRoundTrip)
{
    for (const char* name : {"persp", "front"}) {
        const ViewProjection view = ViewProjection::fromCamera(camera(name), 640, 480);
        MPoint nearPoint, farPoint;
        view.viewToWorld(100.0, 300.0, nearPoint, farPoint);
        const MPoint between = nearPoint + (farPoint - nearPoint) * 0.25;
        double x = 0, y = 0;
        ASSERT_TRUE(view.worldToView(between, x, y)) << name;
        EXPECT_NEAR(x, 100.0, 1e-6) << name;
        EXPECT_NEAR(y, 300.0, 1e-6) << name;
    }
    // Behind a perspective camera nothing is in view.
    const ViewProjection persp = ViewProjection::fromCamera(camera("persp"), 640, 480);
    double x = 0, y = 0;
    EXPECT_FALSE(persp.worldToView(MPoint(0.0, 0.0, 10.0) * camera("persp").inclusiveMatrix(), x, y));
    // No camera, or an empty view: no projection.
    EXPECT_FALSE(ViewProjection::fromCamera(MDagPath(), 640, 480).isValid());
    EXPECT_FALSE(ViewProjection::fromCamera(camera("persp"), 0, 480).isValid());
}

} // namespace
