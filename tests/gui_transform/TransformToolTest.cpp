// The transform tool by hand: a region is selected with a rubber band,
// lifted with Enter, moved, turned and scaled with the mouse and applied,
// reverted or cancelled; the frame's pixels show the outcome of each step.
#include "gui_transform/TransformToolSession.h"

#include <cmath>

namespace {

using transformtest::TransformToolTest;

TEST_F(TransformToolTest, ASelectedRegionMovesByTheDragAndUndoRestoresTheFrameExactly)
{
    EXPECT_EQ(context->helpString(), TransformContext::HELP_SELECT);
    SelectBlock();
    EXPECT_EQ(Frame(), original) << "selecting alone changes nothing";
    Key("Return");
    ASSERT_EQ(context->GetStage(), TransformContext::STAGE_TRANSFORM);
    EXPECT_EQ(context->helpString(), TransformContext::HELP_TRANSFORM);

    const size_t steps = UndoSteps();
    DragBy(BlockCentre(), QPoint(60, 40));
    const QPoint offset = context->ImageOffset();
    EXPECT_EQ(context->ViewOffset(), QPoint(60, -40));
    const QPoint expected = ViewPoint(BlockCentre() + QPoint(60, 40));
    EXPECT_EQ(offset, Node().ScreenCoordsToTexCoords(expected) - Node().ScreenCoordsToTexCoords(ViewPoint(BlockCentre())));
    EXPECT_EQ(Frame(), original) << "the frame changes only when the transform is applied";
    // The view shows the block at its new place and nothing at the old one.
    const QImage shown = Surface().grab().toImage();
    const QPoint farEnd = WidgetPoint(QPoint(BLOCK_LEFT + BLOCK_WIDTH - 8, BLOCK_TOP + BLOCK_HEIGHT - 8));
    const QColor block = shown.pixelColor(farEnd + QPoint(60, 40));
    EXPECT_TRUE(block.blue() > 200 && block.red() < 60) << block.name().toStdString();
    const QColor old = shown.pixelColor(WidgetPoint(QPoint(BLOCK_LEFT + 8, BLOCK_TOP + 8)));
    EXPECT_FALSE(old.red() > 200 && old.green() < 60) << "the red mark left its place";
    Key("Return");

    EXPECT_EQ(output().errors(), "");
    EXPECT_EQ(context->GetStage(), TransformContext::STAGE_SELECT);
    EXPECT_EQ(UndoSteps(), steps + 1);
    const QImage moved = Frame();
    EXPECT_EQ(moved, Moved(offset));
    EXPECT_FALSE(Node().HasActiveStroke());

    ASSERT_TRUE(eval("undo").ok) << output().errors();
    EXPECT_EQ(Frame(), original);
    ASSERT_TRUE(eval("redo").ok) << output().errors();
    EXPECT_EQ(Frame(), moved);
}

TEST_F(TransformToolTest, EnterWithoutASelectionMovesTheWholeImage)
{
    Key("Return");
    ASSERT_EQ(context->GetStage(), TransformContext::STAGE_TRANSFORM);
    DragBy(BlockCentre(), QPoint(-30, 50));
    const QPoint offset = context->ImageOffset();
    ASSERT_NE(offset, QPoint());
    Key("Return");
    EXPECT_EQ(Frame(), Moved(offset));
}

TEST_F(TransformToolTest, ShiftDragOfNinetyPixelsTurnsTheRegionClockwise)
{
    SelectBlock();
    Key("Return");
    DragBy(BlockCentre(), QPoint(90, 0), 1, true);
    EXPECT_FLOAT_EQ(context->Rotation(), 90.0f);
    Key("Return");
    // A quarter turn clockwise about the region's centre, in image pixels
    // (y down): (dx, dy) becomes (-dy, dx). The red mark goes from the top
    // left to the top right of the turned block.
    const QPoint centre = Node().ScreenCoordsToTexCoords(ViewPoint((selectFrom + selectTo) / 2));
    const auto turned = [&](QPoint p) { return centre + QPoint(-(p.y() - centre.y()), p.x() - centre.x()); };
    const QPoint mark = turned(QPoint(BLOCK_LEFT + MARK / 2, BLOCK_TOP + MARK / 2));
    const QPoint block = turned(QPoint(BLOCK_LEFT + BLOCK_WIDTH - 10, BLOCK_TOP + BLOCK_HEIGHT / 2));
    EXPECT_EQ(FramePixel(mark), QColor(255, 0, 0)) << mark.x() << "," << mark.y();
    EXPECT_EQ(FramePixel(block), QColor(0, 0, 255)) << block.x() << "," << block.y();
    EXPECT_EQ(qAlpha(Frame().pixel(QPoint(BLOCK_LEFT + BLOCK_WIDTH - 5, BLOCK_TOP + 5))), 0)
        << "the block's far end left its place";
}

TEST_F(TransformToolTest, AMiddleDragScalesAtEveryEventByTheDistanceFromTheAnchor)
{
    SelectBlock();
    Key("Return");
    // Hold the pointer 100 pixels right of the press (moving it up and down
    // a pixel so that every sample is an event): each event adds 101
    // ten-thousandths, the scale of 1 the drag began with counting as one
    // pixel of the distance.
    const QPoint press = BlockCentre();
    QStringList args = MoveArgs(Surface(), press);
    args << "mousedown" << "2" << "sleep" << "0.05";
    const int events = 12;
    for (int i = 0; i < events; ++i)
        args << MoveArgs(Surface(), press + QPoint(100, i % 2));
    args << "mouseup" << "2" << "sleep" << "0.05";
    ASSERT_TRUE(Xdo(args));
    // A loaded machine may merge pointer events; each one that arrives
    // adds the same step.
    const float step = 101 * 0.0001f;
    const float scale = context->ScaleX();
    const int received = qRound((scale - 1.0f) / step);
    EXPECT_GE(received, events / 2);
    EXPECT_LE(received, events);
    EXPECT_NEAR(scale, 1.0f + received * step, 1e-4);
    EXPECT_FLOAT_EQ(context->ScaleY(), scale);
    Key("Return");
    // Larger around the block's centre: the blue reaches past the old edges.
    const int grow = int(BLOCK_WIDTH * (scale - 1.0f) / 2.0f);
    ASSERT_GE(grow, 2);
    const QColor past = FramePixel(QPoint(BLOCK_LEFT + BLOCK_WIDTH + grow - 1, BLOCK_TOP + BLOCK_HEIGHT / 2));
    EXPECT_EQ(past, QColor(0, 0, 255));
}

TEST_F(TransformToolTest, TheScaleNeverDropsBelowATenth)
{
    SelectBlock();
    Key("Return");
    // Far left of the press, each event takes off almost a tenth.
    const QPoint press(Surface().width() - 20, BlockCentre().y());
    QStringList args = MoveArgs(Surface(), press);
    args << "mousedown" << "2";
    for (int i = 0; i < 20; ++i)
        args << MoveArgs(Surface(), QPoint(i % 2 ? 20 : 21, press.y()));
    args << "mouseup" << "2";
    ASSERT_TRUE(Xdo(args));
    EXPECT_FLOAT_EQ(context->ScaleX(), 0.1f);
    EXPECT_FLOAT_EQ(context->ScaleY(), 0.1f);
}

TEST_F(TransformToolTest, OneFlipMirrorsTheRegionAndTwoRestoreIt)
{
    SelectBlock();
    Key("Return");
    context->FlipHorizontal();
    Key("Return");
    const QPoint centre = Node().ScreenCoordsToTexCoords(ViewPoint((selectFrom + selectTo) / 2));
    const QPoint mirrored(2 * centre.x() - (BLOCK_LEFT + MARK / 2), BLOCK_TOP + MARK / 2);
    EXPECT_EQ(FramePixel(mirrored), QColor(255, 0, 0));
    ASSERT_TRUE(eval("undo").ok);
    ASSERT_EQ(Frame(), original);

    SelectBlock();
    Key("Return");
    context->FlipHorizontal();
    context->FlipHorizontal();
    context->FlipVertical();
    context->FlipVertical();
    Key("Return");
    EXPECT_EQ(Frame(), original);
}

TEST_F(TransformToolTest, RevertAndCancelLeaveTheFrameAsItWas)
{
    const size_t steps = UndoSteps();
    SelectBlock();
    Key("Return");
    DragBy(BlockCentre(), QPoint(50, 0));
    Key("BackSpace");
    EXPECT_EQ(context->GetStage(), TransformContext::STAGE_SELECT);
    EXPECT_FALSE(Node().HasActiveStroke());
    EXPECT_EQ(Frame(), original);
    EXPECT_FALSE(Node().DrawTransformOutline("persp")) << "the outline goes with the transform";

    SelectBlock();
    Key("Return");
    DragBy(BlockCentre(), QPoint(0, 50), 1, true);
    Key("Escape");
    EXPECT_FALSE(Node().HasActiveStroke());
    EXPECT_EQ(Frame(), original);
    EXPECT_EQ(UndoSteps(), steps);
    // Escape goes back to the draw tool, once the deferred command has run.
    EXPECT_TRUE(nbtest::processEvents([] {
        MString name;
        if (MPxContext* current = nbhost::ContextRegistry::instance().current())
            current->getClassName(name);
        return name == "vxNbDrawCtx";
    })) << output().errors();
}

TEST_F(TransformToolTest, ADragAfterTheTimeChangedIsIgnoredAndItsReleaseReverts)
{
    SelectBlock();
    Key("Return");
    ASSERT_TRUE(eval("currentTime 5").ok);
    DragBy(BlockCentre(), QPoint(50, 0));
    EXPECT_EQ(context->ViewOffset(), QPoint());
    EXPECT_EQ(context->GetStage(), TransformContext::STAGE_SELECT);
    EXPECT_FALSE(Node().HasActiveStroke());
    EXPECT_EQ(Frame(), original);
}

TEST_F(TransformToolTest, ADragInAnotherCamerasViewIsIgnoredAndItsReleaseReverts)
{
    ASSERT_TRUE(eval("paneLayout -e -configuration vertical2 viewPanes").ok) << output().errors();
    nbtest::processEvents();
    Node().RefreshActiveView();
    nbtest::processEvents();
    SelectBlock();
    Key("Return");
    ASSERT_EQ(context->GetStage(), TransformContext::STAGE_TRANSFORM);
    QWidget& other = Surface("modelPanel1");
    ASSERT_TRUE(other.isVisible());
    ASSERT_TRUE(Xdo(StrokeArgs(Path(QPoint(100, 100), QPoint(160, 100)), 1, &other)));
    EXPECT_EQ(context->ViewOffset(), QPoint());
    EXPECT_EQ(context->GetStage(), TransformContext::STAGE_SELECT);
    EXPECT_EQ(Frame(), original);
}

TEST_F(TransformToolTest, TheMenuOffersTheStagesItemsAndPasteOnlyAfterACutOrCopy)
{
    QMenu* menu = OpenMenu(QPoint(200, 200));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Items(*menu), QStringList({"Transform", "Transform Copy", "Cut", "Copy", "Paste",
                                         "Paste and Transform", "Cancel"}));
    EXPECT_FALSE(Item(*menu, "Paste")->isEnabled());
    EXPECT_FALSE(Item(*menu, "Paste and Transform")->isEnabled());
    CloseMenu(menu);

    SelectBlock();
    Choose(BlockCentre(), "Copy");
    EXPECT_EQ(context->GetStage(), TransformContext::STAGE_SELECT);
    EXPECT_EQ(Frame(), original) << "a copy leaves the frame alone";
    menu = OpenMenu(QPoint(200, 200));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(Item(*menu, "Paste")->isEnabled());
    CloseMenu(menu);

    Choose(QPoint(200, 200), "Transform");
    menu = OpenMenu(QPoint(200, 200));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Items(*menu), QStringList({"Apply Transform", "Revert Transform", "Flip Horizontal",
                                         "Flip Vertical", "Cancel"}));
    CloseMenu(menu);
}

TEST_F(TransformToolTest, TransformCopyMovesADuplicateAndLeavesTheRegionInPlace)
{
    SelectBlock();
    Choose(BlockCentre(), "Transform Copy");
    ASSERT_EQ(context->GetStage(), TransformContext::STAGE_TRANSFORM);
    DragBy(BlockCentre(), QPoint(0, 90));
    const QPoint offset = context->ImageOffset();
    Key("Return");
    QImage expected = original;
    QPainter(&expected).drawImage(QPoint(0, 0), Moved(offset));
    EXPECT_EQ(Frame(), expected);
}

TEST_F(TransformToolTest, CutThenPastePutsTheRegionsTopLeftCornerAtTheClick)
{
    SelectBlock();
    const QPoint regionTopLeft = Node().ScreenCoordsToTexCoords(
        ViewPoint(QPoint(std::min(selectFrom.x(), selectTo.x()), std::min(selectFrom.y(), selectTo.y()))));
    Choose(BlockCentre(), "Cut");
    EXPECT_EQ(Frame(), Blank()) << "the cut region is cleared";

    const QPoint click = BlockCentre() - QPoint(200, 120);
    Choose(click, "Paste");
    EXPECT_EQ(output().errors(), "");
    const QPoint pastedTopLeft = Node().ScreenCoordsToTexCoords(ViewPoint(click));
    EXPECT_EQ(Frame(), Moved(pastedTopLeft - regionTopLeft));
    ASSERT_TRUE(eval("undo").ok);
    EXPECT_EQ(Frame(), Blank());
    ASSERT_TRUE(eval("undo").ok);
    EXPECT_EQ(Frame(), original);
}

TEST_F(TransformToolTest, APasteOntoACameraWithoutLayersMakesTheLayerAndEscapeRemovesIt)
{
    SelectBlock();
    Choose(BlockCentre(), "Copy");
    ASSERT_TRUE(eval("lookThroughModelPanel top modelPanel4").ok) << output().errors();
    nbtest::processEvents();
    ASSERT_EQ(Node().LayerCount("top"), 0);
    Choose(QPoint(200, 200), "Paste and Transform");
    ASSERT_EQ(context->GetStage(), TransformContext::STAGE_TRANSFORM);
    EXPECT_EQ(Node().LayerCount("top"), 1);
    Key("Escape");
    EXPECT_EQ(Node().LayerCount("top"), 0);
    EXPECT_FALSE(Node().HasActiveStroke());
    EXPECT_EQ(Frame(), original);
}

} // namespace

namespace {

using transformtest::TransformToolTest;

bool HasRed(const QImage& image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                return true;
        }
    return false;
}

TEST_F(TransformToolTest, TheLegacyViewShowsTheOutlineThatFollowsTheSelectionAndDropsIt)
{
    Panel().setLegacy(true);
    nbtest::processEvents();
    SelectBlock();
    Key("Return");
    DragBy(BlockCentre(), QPoint(80, 0));
    nbtest::processEvents();
    // The outline's right edge moved with the region, past the old one.
    const int right = std::max(selectFrom.x(), selectTo.x()) + 80;
    const QRect edge(right - 3, BlockCentre().y() - 5, 7, 10);
    EXPECT_TRUE(HasRed(Surface().grab().toImage(), edge));
    Key("BackSpace");
    nbtest::processEvents();
    EXPECT_FALSE(HasRed(Surface().grab().toImage(), edge)) << "a revert takes the outline away";
    Panel().setLegacy(false);
}

} // namespace
