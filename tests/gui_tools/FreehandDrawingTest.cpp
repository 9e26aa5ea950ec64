// Drawing by hand with the freehand tools: the stroke shows while the pen
// moves, becomes one undo step at release, and undo and redo take it back
// and bring it again, with the first layer and frame it made.
#include "gui_tools/DrawToolSession.h"

namespace {

using drawtest::DrawToolTest;

const QPoint LEFT(200, 300);
const QPoint RIGHT(420, 300);

TEST_F(DrawToolTest, APencilStrokeMakesTheFirstLayerAndFrameAndUndoTakesThemBack)
{
    ASSERT_EQ(Node().LayerCount("persp"), 0);
    const size_t steps = UndoSteps();
    // Press and drag, then look at the view before the release.
    QStringList args = StrokeArgs(Path(LEFT, RIGHT));
    const int release = args.indexOf("mouseup");
    ASSERT_TRUE(Xdo(args.mid(0, release - 2)));
    const QColor shown = Surface().grab().toImage().pixelColor(QPoint(310, 300));
    EXPECT_GT(shown.red(), 200) << "the stroke shows while the pen moves";
    EXPECT_LT(shown.green(), 80);
    ASSERT_TRUE(Xdo(args.mid(release - 2)));

    EXPECT_EQ(output().errors(), "");
    EXPECT_EQ(UndoSteps(), steps + 1);
    ASSERT_EQ(Node().LayerCount("persp"), 1);
    for (int x = LEFT.x() + 10; x <= RIGHT.x() - 10; x += 20)
        EXPECT_GT(AlphaAt(QPoint(x, 300)), 200) << x;
    EXPECT_EQ(AlphaAt(QPoint(300, 200)), 0);

    ASSERT_TRUE(eval("undo").ok) << output().errors();
    EXPECT_EQ(Node().LayerCount("persp"), 0);
    ASSERT_TRUE(eval("redo").ok) << output().errors();
    ASSERT_EQ(Node().LayerCount("persp"), 1);
    EXPECT_GT(AlphaAt(QPoint(310, 300)), 200);
}

TEST_F(DrawToolTest, ABrushStrokeAndAClickDotAreEachOneUndoStep)
{
    Settings::activeTool = TOOL_BRUSH;
    ASSERT_TRUE(Draw(Path(LEFT, RIGHT)));
    const size_t steps = UndoSteps();
    EXPECT_GT(AlphaAt(QPoint(310, 300)), 100);
    // A click without motion leaves a dot.
    ASSERT_TRUE(Draw({QPoint(300, 420)}));
    EXPECT_EQ(UndoSteps(), steps + 1);
    EXPECT_GT(AlphaAt(QPoint(300, 420)), 100);
    ASSERT_TRUE(eval("undo").ok);
    EXPECT_EQ(AlphaAt(QPoint(300, 420)), 0);
    EXPECT_GT(AlphaAt(QPoint(310, 300)), 100) << "the earlier stroke stays";
    ASSERT_TRUE(eval("redo").ok);
    EXPECT_GT(AlphaAt(QPoint(300, 420)), 100);
}

TEST_F(DrawToolTest, TheEraserClearsAnEarlierStrokeWhereItPasses)
{
    Settings::pencilSize = 10;
    ASSERT_TRUE(Draw(Path(LEFT, RIGHT)));
    Settings::activeTool = TOOL_ERASER;
    ASSERT_TRUE(Draw(Path(QPoint(310, 240), QPoint(310, 360))));
    EXPECT_EQ(output().errors(), "");
    EXPECT_EQ(AlphaAt(QPoint(310, 300)), 0);
    EXPECT_GT(AlphaAt(QPoint(230, 300)), 200);
    ASSERT_TRUE(eval("undo").ok);
    EXPECT_GT(AlphaAt(QPoint(310, 300)), 200);
    ASSERT_TRUE(eval("redo").ok);
    EXPECT_EQ(AlphaAt(QPoint(310, 300)), 0);
}

TEST_F(DrawToolTest, TheDrawingIsSavedWithTheScene)
{
    ASSERT_TRUE(Draw(Path(LEFT, RIGHT)));
    nbtest::TempDir dir("nbdraw");
    const std::string scene = dir.file("drawn.nba");
    ASSERT_TRUE(eval("file -rename \"" + scene + "\"; file -save; file -new -f; file -open -f \"" + scene + "\"").ok)
        << output().errors();
    ASSERT_TRUE(BaseNode::GetMaster());
    // The new node learns where the view shows the image when it is drawn.
    Surface().repaint();
    EXPECT_GT(AlphaAt(QPoint(310, 300)), 200);
}

// A drawing made by hand with several tools, as the playblast of the view
// shows it (the picture stays in the build's test folder).
TEST_F(DrawToolTest, ADrawingByHandShowsInThePlayblast)
{
    struct Mark
    {
        ToolType tool;
        QColor colour;
        QPoint from;
        QPoint to;
    };
    const Mark marks[] = {{TOOL_PENCIL, QColor(255, 0, 0), {150, 200}, {450, 260}},
                          {TOOL_BRUSH, QColor(40, 220, 40), {150, 330}, {450, 300}},
                          {TOOL_RECTANGLE, QColor(40, 90, 255), {520, 180}, {700, 320}},
                          {TOOL_ELLIPSE, QColor(255, 200, 0), {540, 360}, {720, 460}},
                          {TOOL_ARROW, QColor(255, 255, 255), {160, 460}, {440, 400}}};
    Settings::pencilSize = 8;
    for (const Mark& mark : marks) {
        Settings::activeTool = mark.tool;
        Settings::activeColor = mark.colour;
        ASSERT_TRUE(Draw(Path(mark.from, mark.to)));
    }
    EXPECT_EQ(output().errors(), "");

    const QString base = QString(NB_TEST_BINARY_DIR) + "/draw_tool_by_hand";
    const int width = Surface().width();
    const int height = Surface().height();
    ASSERT_TRUE(eval(QString("playblast -v 0 -fo -orn 0 -p 100 -wh %1 %2 -fr 1 -f \"%3\"")
                         .arg(width)
                         .arg(height)
                         .arg(base)
                         .toStdString())
                    .ok)
        << output().errors();
    const QImage shot(base + ".0001.png");
    ASSERT_EQ(shot.size(), QSize(width, height));
    const auto shows = [&](QPoint p, QColor colour) {
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx) {
                const QColor c = shot.pixelColor(p + QPoint(dx, dy));
                if (std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40
                    && std::abs(c.blue() - colour.blue()) < 40)
                    return true;
            }
        return false;
    };
    EXPECT_TRUE(shows(QPoint(300, 230), QColor(255, 0, 0)));
    EXPECT_TRUE(shows(QPoint(300, 315), QColor(40, 220, 40)));
    EXPECT_TRUE(shows(QPoint(610, 180), QColor(40, 90, 255)));
    EXPECT_TRUE(shows(QPoint(630, 360), QColor(255, 200, 0)));
    EXPECT_FALSE(shows(QPoint(610, 250), QColor(40, 90, 255))) << "shapes are outlines";
}

} // namespace
