// Views made by the commands, inside windows made by `window`, and the
// views as M3dView sees them.
#include "host_views/ViewTestSupport.h"

#include "viewport/PaneLayout.h"

#include <maya/M3dView.h>
#include <maya/MDagPath.h>

#include <QAction>

namespace {

using viewtest::ViewTest;

class PanelCommandsTest : public ViewTest
{
};

TEST_F(PanelCommandsTest, MainWindowHasFourPanelsShowingPerspAlone)
{
    EXPECT_EQ(M3dView::numberOf3dViews(), 4u);
    EXPECT_EQ(str("modelPanel -q -camera modelPanel1"), "top");
    EXPECT_EQ(str("modelPanel -q -camera modelPanel4"), "persp");
    EXPECT_EQ(str("paneLayout -q -configuration viewPanes"), "single");
    EXPECT_TRUE(persp().isVisible());

    MStatus status;
    M3dView active = M3dView::active3dView(&status);
    ASSERT_TRUE(status);
    MDagPath camera;
    ASSERT_TRUE(active.getCamera(camera));
    EXPECT_STREQ(camera.partialPathName().asChar(), "perspShape");
    EXPECT_EQ(active.widget(), persp().widget());
    EXPECT_EQ(active.portWidth(), persp().widget()->width());
    EXPECT_EQ(active.portHeight(), persp().widget()->height());

    str("paneLayout -e -configuration quad viewPanes");
    nbtest::processEvents();
    for (const char* name : {"modelPanel1", "modelPanel2", "modelPanel3", "modelPanel4"})
        EXPECT_TRUE(nbhost::ControlRegistry::find(name)->isVisible()) << name;
    EXPECT_TRUE(fails("paneLayout -e -configuration triangle viewPanes"));
}

// The panel's View menu turns the grid and the resolution gate off and on,
// each without touching the other.
TEST_F(PanelCommandsTest, ViewMenuTogglesGridAndGate)
{
    auto entry = [](const QString& label) -> QAction* {
        for (QAction* action : persp().findChildren<QAction*>())
            if (action->text() == label)
                return action;
        return nullptr;
    };
    QAction* grid = entry("Grid");
    QAction* gate = entry("Resolution Gate");
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(gate, nullptr);
    EXPECT_TRUE(grid->isChecked() && gate->isChecked());
    grid->trigger();
    EXPECT_FALSE(persp().options().grid);
    EXPECT_TRUE(persp().options().resolutionGate);
    gate->trigger();
    EXPECT_FALSE(persp().options().resolutionGate);
    grid->trigger();
    gate->trigger();
    EXPECT_TRUE(persp().options().grid && persp().options().resolutionGate);
}

TEST_F(PanelCommandsTest, PanelsInAWindowLookThroughCameras)
{
    // As the plug-in's floating viewport builds one.
    str("window -title \"Floating\" -widthHeight 300 280 nbWindow");
    EXPECT_EQ(str("paneLayout -exists nbPanes"), "0");
    const std::string panes = str("paneLayout -parent nbWindow nbPanes");
    EXPECT_EQ(panes, "nbWindow|nbPanes");
    EXPECT_EQ(str("paneLayout -exists nbPanes"), "1");
    EXPECT_EQ(str("modelPanel -parent nbPanes nbPanel"), "nbPanel");
    EXPECT_EQ(str("modelPanel -exists nbPanel"), "1");
    const std::string shotCam = eval("camera").value.asStringArray().at(0);
    str("lookThroughModelPanel " + shotCam + " nbPanel");
    EXPECT_EQ(str("modelPanel -q -camera nbPanel"), shotCam);
    str("modelPanel -e -camera topShape nbPanel");
    EXPECT_EQ(str("modelPanel -q -camera nbPanel"), "top");
    str("showWindow nbWindow");
    nbtest::processEvents();

    MDagPath camera;
    M3dView view;
    ASSERT_TRUE(M3dView::getM3dViewFromModelPanel("nbPanel", view));
    ASSERT_TRUE(view.getCamera(camera));
    EXPECT_EQ(M3dView::numberOf3dViews(), 5u);
    EXPECT_TRUE(view.widget()->isVisible());

    // Without -parent the panel goes into the current parent (the layout).
    str("modelPanel nbSecond");
    auto* layout = qobject_cast<nbhost::PaneLayout*>(nbhost::ControlRegistry::find("nbPanes"));
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->panes().size(), 2u);

    // Deleting the window takes the views with it.
    str("deleteUI nbWindow");
    nbtest::processEvents();
    EXPECT_EQ(M3dView::numberOf3dViews(), 4u);
    EXPECT_FALSE(view.widget());
    EXPECT_FALSE(view.getCamera(camera));
}

TEST_F(PanelCommandsTest, BadNamesAndCamerasFailWithAMessage)
{
    EXPECT_TRUE(fails("lookThroughModelPanel noSuchCamera modelPanel4"));
    EXPECT_NE(output().errors().find("'noSuchCamera' is not a camera"), std::string::npos);
    EXPECT_TRUE(fails("lookThroughModelPanel persp noSuchPanel"));
    EXPECT_TRUE(fails("modelPanel -parent noSuchLayout"));
    EXPECT_TRUE(fails("modelPanel -parent MayaWindow stray"));
    EXPECT_EQ(str("modelPanel -exists stray"), "0");
    EXPECT_EQ(M3dView::numberOf3dViews(), 4u);
    EXPECT_TRUE(fails("modelPanel -camera defaultResolution"));
    EXPECT_TRUE(fails("modelPanel modelPanel4"));      // taken name
    EXPECT_TRUE(fails("modelPanel -q -camera noSuchPanel"));
    EXPECT_EQ(str("modelPanel -q -camera modelPanel4"), "persp"); // unchanged
}

TEST(ViewsInBatchTest, InterfaceCommandsFailAndThereIsNoView)
{
    nbtest::ScopedHost host;
    EXPECT_FALSE(host.eval("modelPanel").ok);
    EXPECT_FALSE(host.eval("paneLayout").ok);
    EXPECT_FALSE(host.eval("playblast -v 0").ok);
    EXPECT_NE(host.output()->errors().find("batch mode"), std::string::npos);
    MStatus status;
    M3dView::active3dView(&status);
    EXPECT_FALSE(status);
    EXPECT_EQ(M3dView::numberOf3dViews(), 0u);
    // The tool commands work in both modes.
    EXPECT_EQ(host.eval("currentCtx").value.asString(), "selectSuperContext");
}

} // namespace
