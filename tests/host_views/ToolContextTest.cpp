// Tool contexts: made by their command, made current by setToolTo, and
// receiving the views' mouse and key input in view coordinates.
#include "host_views/ViewTestSupport.h"

#include "viewport/ViewArea.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace {

using viewtest::RecordingContext;
using viewtest::RecordingContextCommand;
using viewtest::ViewTest;

class ToolContextTest : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        RecordingContext::calls.clear();
        RecordingContext::vp2Forms = true;
        RecordingContext::edits = 0;
        RecordingContext::queries = 0;
        ASSERT_TRUE(nbhost::ContextRegistry::instance().addCommand(host(), "nbRecordCtx",
                                                                   &RecordingContextCommand::creator, ""));
    }
    void TearDown() override
    {
        nbhost::ContextRegistry::instance().removeCommand(host(), "nbRecordCtx", "");
        ViewTest::TearDown();
    }

    QWidget& surface() { return *persp().widget(); }
    void key(int code)
    {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QCoreApplication::sendEvent(&surface(), &press);
    }
};

TEST_F(ToolContextTest, CommandMakesContextsThatSetToToolSwitches)
{
    EXPECT_EQ(str("nbRecordCtx"), "nbRecordCtx1");
    EXPECT_EQ(str("nbRecordCtx"), "nbRecordCtx2");
    EXPECT_EQ(str("nbRecordCtx named"), "named");
    EXPECT_TRUE(fails("nbRecordCtx named"));
    EXPECT_EQ(str("contextInfo -exists nbRecordCtx1"), "1");
    EXPECT_EQ(str("contextInfo -exists nothing"), "0");
    EXPECT_EQ(str("contextInfo -title nbRecordCtx1"), "Recording");

    // Edits and queries reach the command object that made the context.
    str("nbRecordCtx -e nbRecordCtx1");
    EXPECT_EQ(RecordingContext::edits, 1);
    EXPECT_EQ(str("nbRecordCtx -q nbRecordCtx1"), "42");
    EXPECT_TRUE(fails("nbRecordCtx -e nothing"));
    EXPECT_TRUE(fails("nbRecordCtx -badFlag"));

    str("setToolTo nbRecordCtx1");
    EXPECT_EQ(str("currentCtx"), "nbRecordCtx1");
    EXPECT_EQ(persp().widget()->cursor().shape(), Qt::CrossCursor);
    auto* help = mainWindow().findChild<QLabel*>("helpLine");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->text(), "Record the events");
    // Setting the current tool again restarts it.
    str("setToolTo nbRecordCtx1");
    str("setToolTo selectSuperContext");
    EXPECT_EQ(RecordingContext::names(),
              std::vector<std::string>({"setup", "cleanup", "setup", "cleanup"}));
    EXPECT_TRUE(fails("setToolTo nothing"));
    EXPECT_EQ(str("currentCtx"), "selectSuperContext");

    // Removing the command ends its contexts; the current one cleans up.
    str("setToolTo named");
    RecordingContext::calls.clear();
    nbhost::ContextRegistry::instance().removeCommand(host(), "nbRecordCtx", "");
    EXPECT_EQ(RecordingContext::names(), std::vector<std::string>({"cleanup"}));
    EXPECT_EQ(str("currentCtx"), "selectSuperContext");
    EXPECT_EQ(str("contextInfo -exists named"), "0");
    EXPECT_TRUE(fails("nbRecordCtx"));
}

TEST_F(ToolContextTest, ViewInputArrivesInViewCoordinates)
{
    str("setToolTo `nbRecordCtx`");
    RecordingContext::calls.clear();
    const int height = surface().height();
    nbtest::drag(surface(), QPoint(10, 20), QPoint(50, 30), Qt::ShiftModifier, 2);
    nbtest::mouse(surface(), QEvent::MouseButtonPress, QPoint(5, 6), Qt::ControlModifier, Qt::MiddleButton);
    nbtest::mouse(surface(), QEvent::MouseButtonRelease, QPoint(5, 6), Qt::ControlModifier, Qt::MiddleButton);
    // The right button stays with the menus: it opens the view's menu.
    nbtest::mouse(surface(), QEvent::MouseButtonPress, QPoint(5, 6), Qt::NoModifier, Qt::RightButton);
    ASSERT_EQ(QApplication::activePopupWidget(), static_cast<QWidget*>(&persp().viewMenu()));
    persp().viewMenu().close();

    const auto& calls = RecordingContext::calls;
    ASSERT_EQ(RecordingContext::names(),
              std::vector<std::string>({"press", "drag", "drag", "release", "press", "release"}));
    EXPECT_EQ(calls[0].x, 10);
    EXPECT_EQ(calls[0].y, height - 20);
    EXPECT_EQ(calls[0].button, MEvent::kLeftMouse);
    EXPECT_TRUE(calls[0].shift);
    EXPECT_FALSE(calls[0].control);
    EXPECT_TRUE(calls[0].withDrawManager);
    EXPECT_EQ(calls[2].x, 50);
    EXPECT_EQ(calls[2].y, height - 30);
    EXPECT_EQ(calls[4].button, MEvent::kMiddleMouse);
    EXPECT_TRUE(calls[4].control);
    // The transient drawing of the last event is in the view.
    EXPECT_FALSE(persp().transient().empty());

    // Contexts without the Viewport 2.0 forms get the plain ones.
    RecordingContext::vp2Forms = false;
    RecordingContext::calls.clear();
    nbtest::drag(surface(), QPoint(1, 1), QPoint(2, 2), Qt::NoModifier, 1);
    ASSERT_EQ(RecordingContext::calls.size(), 3u);
    EXPECT_FALSE(RecordingContext::calls[0].withDrawManager);
}

TEST_F(ToolContextTest, KeysBecomeActions)
{
    str("setToolTo `nbRecordCtx`");
    RecordingContext::calls.clear();
    key(Qt::Key_Return);
    key(Qt::Key_Enter);
    key(Qt::Key_Backspace);
    key(Qt::Key_Escape);
    key(Qt::Key_A);
    EXPECT_EQ(RecordingContext::names(), std::vector<std::string>({"complete", "complete", "delete", "abort"}));
}

TEST_F(ToolContextTest, AltDragNavigatesTheCameraInsteadOfTheTool)
{
    str("setToolTo `nbRecordCtx`");
    RecordingContext::calls.clear();
    const auto values = [this](const char* attr) { return str(std::string("getAttr persp.") + attr); };
    const std::string rotateY = values("rotateY");
    const std::string translateX = values("translateX");
    nbtest::drag(surface(), QPoint(100, 100), QPoint(140, 100), Qt::AltModifier, 4);
    EXPECT_NE(values("rotateY"), rotateY);
    EXPECT_NE(values("translateX"), translateX);
    EXPECT_TRUE(RecordingContext::calls.empty());

    // Orbiting keeps the distance to the centre of interest.
    const std::string coi = str("getAttr perspShape.centerOfInterest");
    nbtest::mouse(surface(), QEvent::MouseButtonPress, QPoint(100, 100), Qt::AltModifier, Qt::RightButton);
    nbtest::mouse(surface(), QEvent::MouseMove, QPoint(150, 100), Qt::AltModifier, Qt::RightButton);
    nbtest::mouse(surface(), QEvent::MouseButtonRelease, QPoint(150, 100), Qt::AltModifier, Qt::RightButton);
    EXPECT_LT(std::stod(str("getAttr perspShape.centerOfInterest")), std::stod(coi));

    const std::string translateY = values("translateY");
    nbtest::mouse(surface(), QEvent::MouseButtonPress, QPoint(100, 100), Qt::AltModifier, Qt::MiddleButton);
    nbtest::mouse(surface(), QEvent::MouseMove, QPoint(100, 140), Qt::AltModifier, Qt::MiddleButton);
    nbtest::mouse(surface(), QEvent::MouseButtonRelease, QPoint(100, 140), Qt::AltModifier, Qt::MiddleButton);
    EXPECT_NE(values("translateY"), translateY);
    EXPECT_EQ(str("getAttr perspShape.centerOfInterest").substr(0, 6),
              str("getAttr perspShape.centerOfInterest").substr(0, 6));
}

TEST_F(ToolContextTest, SelectionToolPicksTheClickedObjectOrClears)
{
    const std::string cam = eval("camera").value.asStringArray().at(0);
    str("move -a 0 0 0 " + cam);
    str("select -cl");
    EXPECT_EQ(str("currentCtx"), "selectSuperContext");
    M3dView view = M3dView::active3dView();
    short x = 0, y = 0;
    ASSERT_TRUE(view.worldToView(MPoint(0.0, 0.0, 0.0), x, y));
    const QPoint at(x, surface().height() - y);
    nbtest::mouse(surface(), QEvent::MouseButtonPress, at);
    nbtest::mouse(surface(), QEvent::MouseButtonRelease, at);
    EXPECT_EQ(eval("ls -sl").value.asStringArray(), std::vector<std::string>({cam}));
    nbtest::mouse(surface(), QEvent::MouseButtonPress, QPoint(3, 3));
    nbtest::mouse(surface(), QEvent::MouseButtonRelease, QPoint(3, 3));
    EXPECT_TRUE(eval("ls -sl").value.asStringArray().empty());
}

} // namespace
