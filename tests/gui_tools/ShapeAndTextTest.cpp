// The shape tools drawn by hand keep the press as their anchor and the
// release as their end; the text tool takes typed keys after its release.
#include "gui_tools/DrawToolSession.h"

#include "raster/Stroke.h"

namespace {

using drawtest::DrawToolTest;

const QPoint ANCHOR(250, 250);
const QPoint END(400, 350);
const QPoint MIDDLE(325, 300);
const QPoint TOP_MIDDLE(325, 250);

struct ShapeCase
{
    ToolType tool;
    bool middle;     // the middle of the drag is drawn
    bool topMiddle;  // the middle of the box's top edge is drawn
};

class ShapeToolTest : public DrawToolTest, public ::testing::WithParamInterface<ShapeCase>
{
};

TEST_P(ShapeToolTest, DrawsFromThePressToTheReleaseAsOneUndoStep)
{
    Settings::activeTool = GetParam().tool;
    // A detour on the way: only the last position counts.
    std::vector<QPoint> path = Path(ANCHOR, QPoint(450, 150));
    for (const QPoint& p : Path(QPoint(450, 150), END))
        path.push_back(p);
    ASSERT_TRUE(Draw(path));
    EXPECT_EQ(output().errors(), "");
    EXPECT_EQ(AlphaAt(MIDDLE) > 0, GetParam().middle);
    EXPECT_EQ(AlphaAt(TOP_MIDDLE) > 0, GetParam().topMiddle);
    EXPECT_EQ(AlphaAt(QPoint(450, 150)), 0);
    EXPECT_FALSE(Node().HasActiveStroke());
    ASSERT_TRUE(eval("undo").ok);
    EXPECT_EQ(Node().LayerCount("persp"), 0);
    ASSERT_TRUE(eval("redo").ok);
    EXPECT_EQ(AlphaAt(TOP_MIDDLE) > 0, GetParam().topMiddle);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapeToolTest,
                         ::testing::Values(ShapeCase{TOOL_LINE, true, false}, ShapeCase{TOOL_ARROW, true, false},
                                           ShapeCase{TOOL_ELLIPSE, false, true},
                                           ShapeCase{TOOL_RECTANGLE, false, true}));

TEST_F(DrawToolTest, TypedKeysEditTheTextUntilEscapeCommitsIt)
{
    Settings::activeTool = TOOL_TEXT;
    const size_t steps = UndoSteps();
    ASSERT_TRUE(Draw({QPoint(300, 300)}));
    EXPECT_EQ(UndoSteps(), steps) << "the text waits for keys";
    ASSERT_TRUE(Keys({"type", "--delay", "40", "Hib"}));
    ASSERT_TRUE(Keys({"key", "--delay", "40", "Return", "BackSpace", "BackSpace", "x"}));
    Stroke* stroke = Node().GetActiveStroke("persp", false);
    ASSERT_TRUE(stroke);
    EXPECT_EQ(stroke->text, QString("Hix"));
    const size_t waiting = UndoSteps();
    ASSERT_TRUE(Keys({"key", "Escape"}));
    EXPECT_EQ(UndoSteps(), waiting + 1);
    EXPECT_FALSE(Node().HasActiveStroke());
    EXPECT_GT(AlphaInBox(QPoint(300, 300), QPoint(380, 350)), 100);
    ASSERT_TRUE(eval("undo").ok);
    EXPECT_EQ(AlphaInBox(QPoint(300, 300), QPoint(380, 350)), 0);
}

TEST_F(DrawToolTest, AWaitingTextIsCommittedByTheNextPressAndByAToolChange)
{
    Settings::activeTool = TOOL_TEXT;
    ASSERT_TRUE(Draw({QPoint(300, 300)}));
    ASSERT_TRUE(Keys({"type", "A"}));
    const size_t waiting = UndoSteps();
    // The next press commits the text first, then starts its own.
    ASSERT_TRUE(Draw({QPoint(200, 200)}));
    EXPECT_EQ(UndoSteps(), waiting + 1);
    EXPECT_GT(AlphaInBox(QPoint(300, 300), QPoint(360, 350)), 100);
    ASSERT_TRUE(Node().HasActiveStroke());
    ASSERT_TRUE(eval("setToolTo selectSuperContext").ok);
    EXPECT_EQ(UndoSteps(), waiting + 2);
    EXPECT_FALSE(Node().HasActiveStroke());
}

} // namespace
