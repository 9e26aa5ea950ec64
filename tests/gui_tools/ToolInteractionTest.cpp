// What the draw tool does besides drawing: refusals, the B and M size and
// opacity drags, the context menus and who gets the right click, the middle
// click that changes the active camera, and tablet pressure.
#include "gui_tools/DrawToolSession.h"

#include "tools/DrawContextMenu.h"

#include <QAction>
#include <QMenu>
#include <QTabletEvent>

namespace {

using drawtest::DrawToolTest;

QMenu* OpenPopup()
{
    nbtest::processEvents([] { return QApplication::activePopupWidget() != nullptr; }, 2000);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void ClosePopup()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    nbtest::processEvents();
}

TEST_F(DrawToolTest, APressOnALockedLayerIsRefusedWithItsMessage)
{
    ASSERT_TRUE(eval("vxNiblineLayer -add persp; vxNiblineLayer -es 2 0 persp").ok) << output().errors();
    const size_t steps = UndoSteps();
    output().clear();
    ASSERT_TRUE(Draw(Path(QPoint(200, 300), QPoint(300, 300))));
    EXPECT_NE(output().errors().find("Active layer is locked."), std::string::npos) << output().errors();
    EXPECT_EQ(UndoSteps(), steps);
    EXPECT_FALSE(Node().HasActiveStroke());
    EXPECT_EQ(AlphaAt(QPoint(250, 300)), 0);
}

TEST_F(DrawToolTest, DraggingWithBHeldChangesTheSizeByATenthOfTheDistance)
{
    Settings::pencilSize = 10;
    ASSERT_TRUE(FocusView());
    const size_t steps = UndoSteps();
    QStringList args = QStringList{"keydown", "b", "sleep", "0.05"} + StrokeArgs(Path(QPoint(300, 300), QPoint(325, 300)));
    const int release = args.indexOf("mouseup");
    ASSERT_TRUE(Xdo(args.mid(0, release - 2)));
    EXPECT_FALSE(Panel().transient().empty()) << "the size circle shows while dragging";
    ASSERT_TRUE(Xdo(args.mid(release - 2) + QStringList{"keyup", "b"}));
    EXPECT_EQ(Settings::pencilSize, 12);
    EXPECT_TRUE(Panel().transient().empty()) << "and goes at the release";
    EXPECT_EQ(UndoSteps(), steps);
    EXPECT_EQ(AlphaAt(QPoint(310, 300)), 0) << "nothing is drawn";

    ASSERT_TRUE(Xdo(QStringList{"keydown", "b"} + StrokeArgs(Path(QPoint(300, 300), QPoint(291, 300)))
                    + QStringList{"keyup", "b"}));
    EXPECT_EQ(Settings::pencilSize, 12);
}

TEST_F(DrawToolTest, MHeldAdjustsTheOpacityButTheEraserStillErases)
{
    Settings::pencilOpacity = 50;
    ASSERT_TRUE(FocusView());
    ASSERT_TRUE(Xdo(QStringList{"keydown", "m"} + StrokeArgs(Path(QPoint(300, 300), QPoint(400, 300)))
                    + QStringList{"keyup", "m"}));
    EXPECT_EQ(Settings::pencilOpacity, 60);
    Settings::pencilOpacity = 100;
    Settings::pencilSize = 10;
    ASSERT_TRUE(Draw(Path(QPoint(200, 300), QPoint(420, 300))));

    Settings::activeTool = TOOL_ERASER;
    const int eraserOpacity = Settings::eraserOpacity;
    const size_t steps = UndoSteps();
    ASSERT_TRUE(Xdo(QStringList{"keydown", "m"} + StrokeArgs(Path(QPoint(310, 240), QPoint(310, 360)))
                    + QStringList{"keyup", "m"}));
    EXPECT_EQ(Settings::eraserOpacity, eraserOpacity);
    EXPECT_EQ(UndoSteps(), steps + 1);
    EXPECT_EQ(AlphaAt(QPoint(310, 300)), 0);
}

TEST_F(DrawToolTest, ARightClickOpensTheToolMenuWithTheLayersTopFirst)
{
    ASSERT_TRUE(eval("vxNiblineLayer -add -n \"Low\" persp; vxNiblineLayer -add -n \"High\" persp;"
                     "vxNiblineLayer -e -act 0 persp")
                    .ok)
        << output().errors();
    ASSERT_TRUE(Xdo(MoveArgs(Surface(), QPoint(300, 300)) + QStringList{"click", "3"}));
    QMenu* menu = OpenPopup();
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->objectName(), QString(DrawContextMenu::DRAW_MENU_NAME));
    const QList<QAction*> items = menu->actions();
    ASSERT_GE(items.size(), 4);
    EXPECT_EQ(items[0]->text(), QString("High"));
    EXPECT_EQ(items[1]->text(), QString("Low (active)"));
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text(), QString("Transform"));
    // A layer item makes its layer active through the layer command.
    items[0]->trigger();
    ClosePopup();
    EXPECT_EQ(Node().GetActiveLayerIndex("persp"), 1);
}

TEST_F(DrawToolTest, RightClicksWithAModifierOrBackslashHeldReachTheHost)
{
    for (const char* key : {"shift", "ctrl", "backslash"}) {
        ASSERT_TRUE(Xdo(MoveArgs(Surface(), QPoint(300, 300))
                        + QStringList{"keydown", key, "click", "3", "keyup", key}));
        QMenu* menu = OpenPopup();
        ASSERT_TRUE(menu) << key;
        EXPECT_EQ(menu, &Panel().viewMenu()) << key;
        ClosePopup();
    }
}

TEST_F(DrawToolTest, ARightClickOnTheTimeSliderOpensTheFrameMenu)
{
    QWidget* slider = MayaUtil::GetTimeControlWidget();
    ASSERT_TRUE(slider);
    ASSERT_TRUE(Xdo(MoveArgs(*slider, QPoint(slider->width() / 2, slider->height() / 2))
                    + QStringList{"click", "3"}));
    QMenu* menu = OpenPopup();
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->objectName(), QString(DrawContextMenu::TIME_CONTROL_MENU_NAME));
    EXPECT_FALSE(menu->actions().front()->isEnabled());
    // A frame item runs the frame command as one undo step.
    ASSERT_TRUE(eval("vxNiblineLayer -add persp").ok);
    const size_t steps = UndoSteps();
    for (QAction* item : menu->actions())
        if (item->text() == "Insert Frame(s)")
            item->trigger();
    ClosePopup();
    EXPECT_EQ(UndoSteps(), steps + 1) << output().errors();
}

TEST_F(DrawToolTest, AMiddleClickInAnotherViewMakesItsCameraActive)
{
    for (const char* step : {"vxNiblineLayer -add top", "vxNiblineLayer -add persp"})
        ASSERT_TRUE(eval(step).ok) << step << output().errors();
    for (QAction* action : Panel().viewMenu().actions())
        if (action->text() == "Four Views")
            action->trigger();
    nbtest::processEvents();
    ASSERT_EQ(Node().GetActiveCamera(), QString("persp"));
    QWidget& top = Surface("modelPanel1");
    ASSERT_TRUE(top.isVisible());
    ASSERT_TRUE(Xdo(MoveArgs(top, QPoint(40, 40)) + QStringList{"click", "2"}));
    EXPECT_EQ(Node().GetActiveCamera(), QString("top"));
    EXPECT_EQ(output().errors(), "");
}

TEST_F(DrawToolTest, TabletEventsSetThePressureAndTheEraserEnd)
{
    // The view is filtered once the tool has been used in it.
    ASSERT_TRUE(Draw({QPoint(300, 300)}));
    const auto tablet = [&](qreal pressure, QTabletEvent::PointerType pointer) {
        QTabletEvent event(QEvent::TabletMove, QPointF(10, 10), QPointF(Surface().mapToGlobal(QPoint(10, 10))),
                           QTabletEvent::Stylus, pointer, pressure, 0, 0, 0, 0, 0, Qt::NoModifier, 1,
                           Qt::LeftButton, Qt::LeftButton);
        QCoreApplication::sendEvent(&Surface(), &event);
    };
    tablet(0.75, QTabletEvent::Pen);
    EXPECT_FLOAT_EQ(Settings::tabletPressure.load(), 0.875f);
    EXPECT_FALSE(Settings::tabletEraserEnabled);
    tablet(0.3, QTabletEvent::Eraser);
    EXPECT_FLOAT_EQ(Settings::tabletPressure.load(), 0.3f);
    EXPECT_TRUE(Settings::tabletEraserEnabled);
    tablet(0.0, QTabletEvent::Pen);
    EXPECT_FLOAT_EQ(Settings::tabletPressure.load(), 0.3f) << "a pressure of 0 changes nothing";
    EXPECT_TRUE(Settings::tabletEraserEnabled);
}

} // namespace
