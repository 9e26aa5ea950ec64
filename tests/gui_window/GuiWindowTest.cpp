// The GUI host in a real X server (xvfb-run): the nbhost executable
// started in GUI mode, and the main window shown and driven by mouse input.
#include "support/GuiTestEnvironment.h"

#include "ui/ControlRegistry.h"
#include "ui/MainWindow.h"
#include "ui/TimeSlider.h"

#include <QMenu>
#include <QMenuBar>

#include <string>

namespace {

// The host alone: these check the window's start and quit, not the plug-in.
nbtest::ProcessResult runGuiHost(const std::string& script)
{
    nbtest::TempDir prefs("nbguiprefs");
    return nbtest::runHost({"-noplugin", "-prefs", prefs.path(), "-command", script});
}

} // namespace

TEST(GuiHostProcessTest, CommandRunsOnceTheWindowIsUpAndQuitEndsCleanly)
{
    const nbtest::ProcessResult run =
        runGuiHost("print(\"visible \" + `window -q -visible $gMainWindow` + \"\\n\");"
                   "print(\"slider \" + $gPlayBackSlider + \"\\n\"); quit -f;");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("visible 1\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("slider timeControl1\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.err.find("// Error"), std::string::npos) << run.err;
}

TEST(GuiHostProcessTest, ExitStatusAndDeferredWorkFollowTheScript)
{
    const nbtest::ProcessResult run =
        runGuiHost("evalDeferred(\"print(\\\"deferred\\\\n\\\"); quit -f -exitCode 4\"); print(\"first\\n\");");
    EXPECT_EQ(run.exitCode, 4) << run.err;
    EXPECT_NE(run.out.find("first\ndeferred\n"), std::string::npos) << run.out;
}

TEST(GuiHostProcessTest, ScriptErrorsAreReportedWithoutEndingTheHost)
{
    const nbtest::ProcessResult run = runGuiHost("evalDeferred(\"quit -f\"); menuItem -label \"no menu\";");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("// Error: menuItem: There is no menu to add the item to."), std::string::npos) << run.err;
}

class ShownWindowTest : public nbtest::GuiTest
{
protected:
    void SetUp() override
    {
        nbtest::GuiTest::SetUp();
        session().show();
        ASSERT_TRUE(nbtest::processEvents([this] { return mainWindow().windowHandle()->isExposed(); }));
    }
};

TEST_F(ShownWindowTest, ClickOnTheMenuBarOpensAMenuMadeByScript)
{
    eval("menu -label \"Scripted\"; menuItem -label \"Entry\";");
    QMenu* scripted = nbhost::ControlRegistry::findMenu("menu1");
    ASSERT_NE(scripted, nullptr);
    QMenuBar* bar = mainWindow().menuBar();
    const QPoint centre = bar->actionGeometry(scripted->menuAction()).center();
    nbtest::mouse(*bar, QEvent::MouseButtonPress, centre);
    nbtest::mouse(*bar, QEvent::MouseButtonRelease, centre);
    EXPECT_TRUE(nbtest::processEvents([scripted] { return scripted->isVisible(); }));
    scripted->close();
}

TEST_F(ShownWindowTest, TimeSliderFollowsDragsInTheShownWindow)
{
    nbhost::TimeSlider& slider = mainWindow().timeSlider();
    const auto at = [&slider](double frame) {
        return QPoint(static_cast<int>(slider.timeToX(frame) + slider.frameWidth() / 2), slider.height() / 2);
    };
    nbtest::drag(slider, at(10), at(14), Qt::ShiftModifier);
    EXPECT_EQ(eval("timeControl -q -rangeArray $gPlayBackSlider").value.asFloatArray(), std::vector<double>({10, 15}));
    nbtest::drag(slider, at(12), at(22));
    EXPECT_EQ(eval("timeControl -q -rangeArray $gPlayBackSlider").value.asFloatArray(), std::vector<double>({20, 25}));
    EXPECT_EQ(eval("currentTime -q").value.asFloat(), 11);
}
