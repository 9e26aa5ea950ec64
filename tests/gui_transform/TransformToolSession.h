#pragma once
// The transform tool in a GUI host in the test's process, over a frame
// holding a known drawing: an opaque blue block with a red corner mark, so
// that moves, turns and flips show in the frame's pixels. The pointer and
// keys are driven with xdotool, as in the draw tool's tests.

#include "gui_tools/DrawToolSession.h"
#include "tools/TransformContext.h"
#include "tools/TransformContextInputHandler.h"

#include "tools/ContextRegistry.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

namespace transformtest {

class TransformToolTest : public drawtest::DrawToolTest
{
protected:
    // The drawing, in frame-image pixels.
    static constexpr int BLOCK_LEFT = 400;
    static constexpr int BLOCK_TOP = 400;
    static constexpr int BLOCK_WIDTH = 100;
    static constexpr int BLOCK_HEIGHT = 60;
    static constexpr int MARK = 16;

    void SetUp() override
    {
        DrawToolTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_GE(Node().InsertLayer("persp", 0, QStringLiteral("drawing")), 0);
        ASSERT_TRUE(Node().SetActiveLayer("persp", 0, true));
        if (!Node().FrameExists("persp")) {
            ASSERT_GE(Node().AddFrame("persp"), 0);
        }
        Node().GetActiveLayer("persp")->SetImage(Drawing());
        original = Frame();
        UseTransformTool();
    }

    void UseTransformTool()
    {
        ASSERT_TRUE(eval("setToolTo `vxNbTransformCtx`").ok) << output().errors();
        context = dynamic_cast<TransformContext*>(nbhost::ContextRegistry::instance().current());
        ASSERT_NE(context, nullptr);
        Node().RefreshActiveView();
        // The first paint places the drawing over the view.
        ASSERT_TRUE(nbtest::processEvents([&] { return Node().TextureToScreenScale() > 0.0f; }));
        nbtest::processEvents();
    }

    static QImage Drawing()
    {
        QImage image(Settings::FINAL_IMAGE_WIDTH, Settings::FINAL_IMAGE_WIDTH, QImage::Format_RGBA8888);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.fillRect(QRect(BLOCK_LEFT, BLOCK_TOP, BLOCK_WIDTH, BLOCK_HEIGHT), QColor(0, 0, 255));
        painter.fillRect(QRect(BLOCK_LEFT, BLOCK_TOP, MARK, MARK), QColor(255, 0, 0));
        return image;
    }
    static QImage Blank()
    {
        QImage image(Settings::FINAL_IMAGE_WIDTH, Settings::FINAL_IMAGE_WIDTH, QImage::Format_RGBA8888);
        image.fill(Qt::transparent);
        return image;
    }
    // The drawing moved by whole pixels.
    static QImage Moved(QPoint offset)
    {
        QImage image = Blank();
        QPainter painter(&image);
        painter.drawImage(offset, Drawing());
        return image;
    }
    QImage Frame(const QString& camera = "persp")
    {
        Layer* layer = Node().GetActiveLayer(camera);
        return layer ? layer->GetImage(0).convertToFormat(QImage::Format_RGBA8888) : QImage();
    }
    QColor FramePixel(QPoint p) { return Frame().pixelColor(p); }

    // Widget pixels (top left) of a frame-image pixel, the inverse of the
    // node's mapping from view to image.
    QPoint WidgetPoint(QPoint image)
    {
        const float scale = Node().TextureToScreenScale();
        const QPoint origin = Node().ScreenCoordsToTexCoords(QPoint(0, 0));
        const int x = qRound((image.x() - origin.x()) * scale);
        const int y = qRound((origin.y() - image.y()) * scale);
        return QPoint(x, Surface().height() - y);
    }
    // View pixels as the tool gets them (origin bottom left).
    QPoint ViewPoint(QPoint widget) { return QPoint(widget.x(), Surface().height() - widget.y()); }

    // A rubber band with margin around the block, from its bottom right to
    // its top left.
    void SelectBlock()
    {
        const QPoint from = WidgetPoint(QPoint(BLOCK_LEFT + BLOCK_WIDTH + 20, BLOCK_TOP + BLOCK_HEIGHT + 20));
        const QPoint to = WidgetPoint(QPoint(BLOCK_LEFT - 20, BLOCK_TOP - 20));
        ASSERT_TRUE(Xdo(StrokeArgs(Path(from, to))));
        selectFrom = from;
        selectTo = to;
    }
    void Key(const char* key)
    {
        Surface().setFocus();
        ASSERT_TRUE(Xdo({"key", key}));
    }
    // A drag of the given button, with Shift held when asked.
    void DragBy(QPoint from, QPoint by, int button = 1, bool shift = false)
    {
        QStringList args;
        if (shift)
            args << "keydown" << "shift";
        args << StrokeArgs(Path(from, from + by), button);
        if (shift)
            args << "keyup" << "shift";
        ASSERT_TRUE(Xdo(args));
    }
    QPoint BlockCentre() { return WidgetPoint(QPoint(BLOCK_LEFT + BLOCK_WIDTH / 2, BLOCK_TOP + BLOCK_HEIGHT / 2)); }

    // Opens the tool's menu with a right click and returns it.
    QMenu* OpenMenu(QPoint at)
    {
        // From a point nearby, so the press finds the view under the pointer
        // even where the last menu was opened at the same place.
        if (!Xdo(MoveArgs(Surface(), at + QPoint(8, 8)) << MoveArgs(Surface(), at) << "click" << "3"))
            return nullptr;
        nbtest::processEvents([] { return QApplication::activePopupWidget() != nullptr; });
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    static QStringList Items(QMenu& menu)
    {
        QStringList items;
        for (QAction* action : menu.actions())
            if (!action->isSeparator())
                items << action->text();
        return items;
    }
    static QAction* Item(QMenu& menu, const QString& text)
    {
        for (QAction* action : menu.actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }
    static void CloseMenu(QMenu* menu)
    {
        menu->close();
        nbtest::processEvents();
    }
    // Chooses the item of a menu opened at `at`.
    void Choose(QPoint at, const QString& text)
    {
        QMenu* menu = OpenMenu(at);
        ASSERT_NE(menu, nullptr);
        QAction* action = Item(*menu, text);
        ASSERT_NE(action, nullptr) << text.toStdString() << " in " << Items(*menu).join(",").toStdString();
        ASSERT_TRUE(action->isEnabled()) << text.toStdString();
        // As a click on the item does: the menu closes, then the item runs.
        menu->hide();
        action->trigger();
        CloseMenu(menu);
    }

    TransformContext* context = nullptr;
    QImage original;
    QPoint selectFrom;
    QPoint selectTo;
};

} // namespace transformtest
