// Drawing by hand with the freehand tools: the stroke shows while the pen
// moves, becomes one undo step at release, and undo and redo take it back
// and bring it again, with the first layer and frame it made.
#include "gui_tools/DrawToolSession.h"

namespace {

using drawtest::DrawToolTest;

TEST_F(DrawToolTest, APencilStrokeMakesTheFirstLayerAndFrameAndUndoTakesThemBack)
{
    ASSERT_EQ(Node().LayerCount("persp"), 0);
    const size_t steps = UndoSteps();
    const QPoint from(200, 300);
    const QPoint to(420, 300);
    // Press and drag, then look at the view before the release.
    QStringList args = StrokeArgs(Path(from, to));
    const int release = args.indexOf("mouseup");
    ASSERT_TRUE(Xdo(args.mid(0, release - 2)));
    const QImage live = Surface().grab().toImage();
    const QColor shown = live.pixelColor(QPoint(310, 300));
    EXPECT_GT(shown.red(), 200) << "the stroke shows while the pen moves";
    EXPECT_LT(shown.green(), 80);
    ASSERT_TRUE(Xdo(args.mid(release - 2)));

    EXPECT_EQ(output().errors(), "");
    EXPECT_EQ(UndoSteps(), steps + 1);
    ASSERT_EQ(Node().LayerCount("persp"), 1);
    for (int x = from.x() + 10; x <= to.x() - 10; x += 20)
        EXPECT_GT(AlphaAt(QPoint(x, 300)), 200) << x;
    EXPECT_EQ(AlphaAt(QPoint(300, 200)), 0);

    ASSERT_TRUE(eval("undo").ok) << output().errors();
    EXPECT_EQ(Node().LayerCount("persp"), 0);
    ASSERT_TRUE(eval("redo").ok) << output().errors();
    ASSERT_EQ(Node().LayerCount("persp"), 1);
    EXPECT_GT(AlphaAt(QPoint(310, 300)), 200);
}

} // namespace
