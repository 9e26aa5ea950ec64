// The views under a real X server: the legacy OpenGL renderer calling the
// locators' draw, XOR drawing, tool input and playblast.
#include "host_views/ViewTestSupport.h"

#include "viewport/LegacySurface.h"

#include <maya/M3dView.h>

#include <QFileInfo>

namespace {

using viewtest::OverlayLocator;
using viewtest::RecordingContext;
using viewtest::RecordingContextCommand;
using viewtest::ViewTest;

class GuiViewsTest : public ViewTest
{
protected:
    QImage grab()
    {
        auto* surface = qobject_cast<QOpenGLWidget*>(persp().widget());
        return surface ? surface->grabFramebuffer().convertToFormat(QImage::Format_RGB32) : QImage();
    }
};

TEST_F(GuiViewsTest, LegacyRendererCallsLocatorDrawAndShowsItsOpenGl)
{
    addOverlay();
    M3dView view = M3dView::active3dView();
    EXPECT_FALSE(view.beginXorDrawing()); // Viewport 2.0 has no OpenGL drawing
    EXPECT_FALSE(view.beginGL());

    persp().setLegacy(true);
    ASSERT_TRUE(nbtest::processEvents([] { return OverlayLocator::draws > 0; }));
    const QImage image = grab();
    ASSERT_FALSE(image.isNull());
    const int h = image.height();
    // The locator's green square at the bottom left; the backdrop elsewhere.
    EXPECT_EQ(image.pixelColor(10, h - 10), QColor(0, 255, 0));
    EXPECT_NE(image.pixelColor(80, h - 80), QColor(0, 255, 0));

    // XOR drawing inverts what is below and a second pass restores it.
    const QColor before = image.pixelColor(200, h - 100);
    ASSERT_TRUE(view.beginXorDrawing(true, true, 3.0f));
    QOpenGLFunctions_2_0* gl = QOpenGLContext::currentContext()->versionFunctions<QOpenGLFunctions_2_0>();
    ASSERT_NE(gl, nullptr);
    gl->glBegin(GL_LINES);
    gl->glVertex2i(100, 100);
    gl->glVertex2i(300, 100);
    gl->glEnd();
    ASSERT_TRUE(view.endXorDrawing());
    EXPECT_FALSE(view.endXorDrawing());
    const QColor inverted = grab().pixelColor(200, h - 100);
    EXPECT_EQ(inverted, QColor(255 - before.red(), 255 - before.green(), 255 - before.blue()));

    // Back to Viewport 2.0: the locator is drawn by its override instead.
    persp().setLegacy(false);
    EXPECT_EQ(persp().widget()->objectName(), "viewport2");
}

TEST_F(GuiViewsTest, ToolsGetRealMouseInputAndPlayblastWrites)
{
    ASSERT_TRUE(nbhost::ContextRegistry::instance().addCommand(host(), "nbRecordCtx",
                                                               &RecordingContextCommand::creator, ""));
    RecordingContext::vp2Forms = true;
    str("setToolTo `nbRecordCtx`");
    RecordingContext::calls.clear();
    QWidget& surface = *persp().widget();
    nbtest::drag(surface, QPoint(30, 40), QPoint(60, 45), Qt::NoModifier, 3);
    ASSERT_EQ(RecordingContext::names(), std::vector<std::string>({"press", "drag", "drag", "drag", "release"}));
    EXPECT_EQ(RecordingContext::calls.front().x, 30);
    EXPECT_EQ(RecordingContext::calls.front().y, surface.height() - 40);
    EXPECT_EQ(RecordingContext::calls.back().x, 60);
    nbhost::ContextRegistry::instance().removeCommand(host(), "nbRecordCtx", "");

    nbtest::TempDir dir("nbguiblast");
    const std::string pattern = str("playblast -v 0 -p 100 -wh 64 48 -fr 1 -fr 2 -f \"" + dir.file("x") + "\"");
    EXPECT_EQ(pattern, dir.file("x") + ".####.png");
    EXPECT_EQ(QImage(QString::fromStdString(dir.file("x.0002.png"))).size(), QSize(64, 48));
}

} // namespace
