#include "ModelTest.h"
#include "ReferenceComposition.h"

#include "model/PixelSpan.h"
#include "model/PngBuffer.h"
#include "model/PngCodec.h"
#include "raster/Stroke.h"

#include <random>
#include <vector>

using CompositionTest = ModelTest;

namespace {

const QString CAMERA = QStringLiteral("top");

// An opaque white square whose place depends on the frame's time, so that
// ghosts of different frames do not overlap.
QImage Square(int time, int size = 20)
{
    QImage image = Frame::BlankImage();
    QPainter painter(&image);
    painter.fillRect(40 * time, 40, size, size, Qt::white);
    return image;
}

void AddFrame(LayerManager& manager, const QString& camera, int time, const QImage& image)
{
    auto* frame = new Frame(MTime(time, MTime::kFilm));
    frame->SetImage(image);
    ASSERT_GE(manager.InsertFrame(camera, frame), 0);
}

void AddPoints(Stroke& stroke, std::initializer_list<QPoint> points, int width = 9)
{
    for (const QPoint& point : points)
        stroke.points << StrokePoint{width, 1.0f, 1.0f, point};
    stroke.updated = true;
}

int Alpha(const QImage* image, int x, int y)
{
    return qAlpha(image->pixel(x, y));
}

} // namespace

TEST_F(CompositionTest, PixelArithmeticMatchesQtSourceOver)
{
    // The composition's own blending agrees with Qt's to rounding.
    QImage qt(256, 64, QImage::Format_RGBA8888_Premultiplied);
    qt.fill(Qt::transparent);
    QImage ours = qt;
    ours.detach();
    for (int layer = 0; layer < 3; ++layer) {
        QImage source(256, 64, QImage::Format_RGBA8888);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 256; ++x)
                source.setPixel(x, y, qRgba((x * 7 + layer * 50) % 256, (y * 13) % 256,
                                            (x + y) % 256, (x + layer * 90) % 256));
        const float opacity = 0.3f + 0.3f * layer;
        QPainter painter(&qt);
        painter.setOpacity(opacity);
        painter.drawImage(0, 0, source);
        painter.end();
        for (int y = 0; y < 64; ++y)
            PixelSpan::BlendStraight(ours.scanLine(y), source.constScanLine(y), 256,
                                     PixelSpan::ToOpacity(opacity));
    }
    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256 * 4; ++x)
            worst = std::max(worst, std::abs(qt.constScanLine(y)[x] - ours.constScanLine(y)[x]));
    EXPECT_LE(worst, 4);  // Qt rounds a little differently, per layer
}

TEST_F(CompositionTest, PremultipliedBlendIsSourceOverPerChannel)
{
    // The word-wide blend gives, channel by channel, the rounded source-over
    // of premultiplied pixels, wrapping as a byte where the source is not
    // validly premultiplied; runs of transparent source pixels are skipped.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    const int count = 4099;
    std::vector<uchar> src(count * 4), dst(count * 4);
    for (int i = 0; i < count * 4; ++i) {
        src[i] = static_cast<uchar>(byte(random));
        dst[i] = static_cast<uchar>(byte(random));
    }
    for (int i = 0; i < 64; ++i)
        src[(1000 + i) * 4 + 3] = 0;  // a transparent run
    for (const int opacity : {255, 200, 1}) {
        std::vector<uchar> ours = dst;
        PixelSpan::BlendPremultiplied(ours.data(), src.data(), count, opacity);
        for (int i = 0; i < count; ++i) {
            const uchar* s = &src[i * 4];
            const uchar* d = &dst[i * 4];
            const int alpha = PixelSpan::Div255(s[3] * opacity);
            for (int c = 0; c < 4; ++c) {
                const int expected = s[3] == 0 || alpha == 0
                    ? d[c]
                    : static_cast<uchar>(PixelSpan::Div255(s[c] * opacity)
                                         + PixelSpan::Div255(d[c] * (255 - alpha)));
                ASSERT_EQ(ours[i * 4 + c], expected) << "pixel " << i << " channel " << c
                                                     << " opacity " << opacity;
            }
        }
    }
}

TEST_F(CompositionTest, GhostOpacitiesFollowDistance)
{
    Settings::ghostPrev = true;
    LayerManager manager;
    manager.InsertLayer(CAMERA, -1, QString());
    for (int time = 1; time <= 4; ++time)
        AddFrame(manager, CAMERA, time, Square(time));
    SetTime(4);
    manager.OnPlaybackTimeChanged(4, false);
    const QImage* image = manager.GetFlattenedImage(CAMERA);
    EXPECT_EQ(Alpha(image, 45, 45), 34);    // three back: 0.1333
    EXPECT_EQ(Alpha(image, 85, 45), 68);    // two back: 0.2667
    EXPECT_EQ(Alpha(image, 125, 45), 102);  // one back: 0.4
    EXPECT_EQ(Alpha(image, 165, 45), 255);  // the current frame

    // Fewer frames before the current one: fewer ghosts, same opacities.
    SetTime(2);
    manager.OnPlaybackTimeChanged(2, false);
    image = manager.GetFlattenedImage(CAMERA);
    EXPECT_EQ(Alpha(image, 45, 45), 102);
    EXPECT_EQ(Alpha(image, 125, 45), 0);

    // Next ghosts only; the previous ones go at the next composition.
    Settings::ghostPrev = false;
    Settings::ghostNext = true;
    manager.QueueMasterCacheUpdate(CAMERA);
    image = manager.GetFlattenedImage(CAMERA);
    EXPECT_EQ(Alpha(image, 45, 45), 0);
    EXPECT_EQ(Alpha(image, 125, 45), 102);
    EXPECT_EQ(Alpha(image, 165, 45), 68);

    // A hidden active layer gives no ghosts.
    manager.SetLayerVisible(CAMERA, 0, false);
    image = manager.GetFlattenedImage(CAMERA);
    EXPECT_EQ(Alpha(image, 125, 45), 0);
    EXPECT_EQ(Alpha(image, 85, 45), 0);
}

TEST_F(CompositionTest, GhostColourOverridePerDirectionNextOverPrevious)
{
    Settings::ghostPrev = Settings::ghostNext = true;
    Settings::ghostPrevCount = Settings::ghostNextCount = 1;
    Settings::ghostColorOverride = true;
    Settings::ghostColorOverridePrev = QColor(255, 0, 0);
    Settings::ghostColorOverrideNext = QColor(0, 0, 255);
    LayerManager manager;
    manager.InsertLayer(CAMERA, -1, QString());
    // Previous and next frames overlap at x 80..99; the current frame is empty.
    QImage previous = Frame::BlankImage();
    QPainter(&previous).fillRect(60, 40, 40, 20, QColor(10, 200, 10));
    QImage next = Frame::BlankImage();
    QPainter(&next).fillRect(80, 40, 40, 20, QColor(10, 200, 10));
    AddFrame(manager, CAMERA, 1, previous);
    AddFrame(manager, CAMERA, 2, Frame::BlankImage());
    AddFrame(manager, CAMERA, 3, next);
    SetTime(2);
    manager.OnPlaybackTimeChanged(2, false);
    const QImage* image = manager.GetFlattenedImage(CAMERA);
    EXPECT_EQ(image->pixel(65, 45), qRgba(255, 0, 0, 102));
    EXPECT_EQ(image->pixel(110, 45), qRgba(0, 0, 255, 102));
    const QRgb overlap = image->pixel(90, 45);  // next lies over previous
    EXPECT_GT(qBlue(overlap), qRed(overlap));
    EXPECT_EQ(qAlpha(overlap), 163);
}

TEST_F(CompositionTest, NoGhostsWhilePlayingWhenConfigured)
{
    Settings::ghostPrev = true;
    Settings::disableGhostingDuringPlayback = true;
    LayerManager manager;
    manager.InsertLayer(CAMERA, -1, QString());
    AddFrame(manager, CAMERA, 1, Square(1));
    AddFrame(manager, CAMERA, 2, Square(2));
    SetTime(2);
    manager.OnPlaybackTimeChanged(2, false);
    EXPECT_EQ(Alpha(manager.GetFlattenedImage(CAMERA), 45, 45), 102);

    // Starting playback forces a rebuild, which leaves the ghosts out.
    SetPlaying(true);
    manager.OnPlaybackTimeChanged(2, false);
    EXPECT_TRUE(manager.MasterCacheUpdateRequired(CAMERA));
    EXPECT_EQ(Alpha(manager.GetFlattenedImage(CAMERA), 45, 45), 0);
    EXPECT_EQ(Alpha(manager.GetFlattenedImage(CAMERA), 85, 45), 255);

    SetPlaying(false);
    Settings::disableGhostingDuringPlayback = false;
    SetPlaying(true);
    manager.QueueMasterCacheUpdate(CAMERA);
    EXPECT_EQ(Alpha(manager.GetFlattenedImage(CAMERA), 45, 45), 102);
}

TEST_F(CompositionTest, NothingChangedDoesNoWork)
{
    LayerManager manager;
    manager.InsertLayer(CAMERA, -1, QString());
    AddFrame(manager, CAMERA, 1, Drawing(4));
    QImage* image = manager.GetFlattenedImage(CAMERA);
    ASSERT_NE(image, nullptr);
    const qint64 key = image->cacheKey();  // any write to the image changes it
    EXPECT_FALSE(manager.CacheUpdateRequired(CAMERA));
    EXPECT_EQ(manager.GetFlattenedImage(CAMERA), image);
    EXPECT_EQ(image->cacheKey(), key);
    manager.ForceCacheUpdate(CAMERA, 0);
    manager.GetFlattenedImage(CAMERA);
    EXPECT_NE(image->cacheKey(), key);
    EXPECT_EQ(manager.GetFlattenedImage("persp"), nullptr);
}

TEST_F(CompositionTest, LayerOpacityShows)
{
    LayerManager manager;
    manager.InsertLayer(CAMERA, -1, QString());
    AddFrame(manager, CAMERA, 1, Square(1));
    manager.SetLayerOpacity(CAMERA, 0, 0.5f);
    EXPECT_EQ(manager.GetFlattenedImage(CAMERA)->pixel(45, 45), qRgba(255, 255, 255, 128));
}

TEST_F(CompositionTest, EraserShowsTheErasedCopyAndCancelKeepsTheFrame)
{
    Settings::activeTool = TOOL_ERASER;
    LayerManager manager;
    manager.InsertLayer(CAMERA, -1, QString());
    AddFrame(manager, CAMERA, 1, Square(1, 100));  // x 40..139, y 40..139
    const QImage before = manager.GetLayer(CAMERA, 0)->GetImage(0);
    Stroke* stroke = manager.GetActiveStroke(CAMERA, false);
    ASSERT_NE(stroke, nullptr);
    stroke->tool = TOOL_ERASER;
    AddPoints(*stroke, {QPoint(50, 90), QPoint(130, 90)});
    const QImage* image = manager.GetFlattenedImage(CAMERA);
    EXPECT_EQ(Alpha(image, 90, 90), 0);
    EXPECT_EQ(Alpha(image, 90, 50), 255);
    EXPECT_EQ(Differences(manager.GetLayer(CAMERA, 0)->GetImage(0), before), 0);

    manager.CancelActiveStroke();
    EXPECT_FALSE(manager.HasActiveStroke());
    EXPECT_TRUE(manager.CacheUpdateRequired(CAMERA));
    EXPECT_EQ(Alpha(manager.GetFlattenedImage(CAMERA), 90, 90), 255);
    EXPECT_EQ(Differences(manager.GetLayer(CAMERA, 0)->GetImage(0), before), 0);
}

TEST_F(CompositionTest, CommitAndUndoSwapExactly)
{
    LayerManager manager;
    manager.InsertLayer(CAMERA, -1, QString());
    QByteArray undo;
    EXPECT_FALSE(manager.CommitActiveStroke(CAMERA, undo));  // no stroke
    const QImage drawing = Drawing(5, 20);  // semi-transparent antialiased edges
    AddFrame(manager, CAMERA, 1, drawing);
    Stroke* stroke = manager.GetActiveStroke(CAMERA, false);
    AddPoints(*stroke, {QPoint(200, 200), QPoint(400, 260)});
    manager.GetFlattenedImage(CAMERA);
    AddPoints(*stroke, {QPoint(600, 300)});  // arrives after the last redraw

    ASSERT_TRUE(manager.CommitActiveStroke(CAMERA, undo));
    EXPECT_FALSE(manager.HasActiveStroke());
    const QImage stroked = manager.GetLayer(CAMERA, 0)->GetImage(0);
    EXPECT_EQ(qAlpha(stroked.pixel(300, 230)), 255);
    EXPECT_EQ(qRed(stroked.pixel(300, 230)), 200);  // the active colour
    EXPECT_EQ(qAlpha(stroked.pixel(500, 280)), 255);
    // Pixels the stroke did not cover keep their exact bytes.
    int changedOutside = 0;
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            if ((y < 150 || y > 350) && stroked.pixel(x, y) != drawing.pixel(x, y))
                ++changedOutside;
    EXPECT_EQ(changedOutside, 0);

    QImage decoded;
    ASSERT_TRUE(PngCodec::Unpack(undo, decoded));
    EXPECT_EQ(Differences(decoded, drawing), 0);
    ASSERT_TRUE(manager.UndoStroke(CAMERA, undo));
    EXPECT_EQ(Differences(manager.GetLayer(CAMERA, 0)->GetImage(0), drawing), 0);
    ASSERT_TRUE(manager.UndoStroke(CAMERA, undo));  // redo
    EXPECT_EQ(Differences(manager.GetLayer(CAMERA, 0)->GetImage(0), stroked), 0);

    // The same through the background encoder.
    stroke = manager.GetActiveStroke(CAMERA, false);
    AddPoints(*stroke, {QPoint(10, 900), QPoint(300, 900)});
    PngBuffer buffer;
    ASSERT_TRUE(manager.CommitActiveStroke(CAMERA, buffer));
    const QImage twice = manager.GetLayer(CAMERA, 0)->GetImage(0);
    ASSERT_TRUE(manager.UndoStroke(CAMERA, buffer));
    EXPECT_EQ(Differences(manager.GetLayer(CAMERA, 0)->GetImage(0), stroked), 0);
    ASSERT_TRUE(manager.UndoStroke(CAMERA, buffer));
    EXPECT_EQ(Differences(manager.GetLayer(CAMERA, 0)->GetImage(0), twice), 0);
}

TEST_F(CompositionTest, UndoWithoutACurrentFrameKeepsTheBytes)
{
    LayerManager manager;
    QByteArray data("bytes");
    EXPECT_FALSE(manager.UndoStroke(CAMERA, data));
    manager.InsertLayer(CAMERA, -1, QString());
    AddFrame(manager, CAMERA, 10, Drawing(6));
    SetTime(5);
    manager.OnPlaybackTimeChanged(5, false);
    EXPECT_FALSE(manager.UndoStroke(CAMERA, data));
    EXPECT_EQ(data, QByteArray("bytes"));
    // Nor can a stroke be drawn or committed there.
    EXPECT_EQ(manager.GetActiveStroke(CAMERA, false), nullptr);
    ASSERT_NE(manager.GetActiveStroke(CAMERA, true), nullptr);
    EXPECT_FALSE(manager.CommitActiveStroke(CAMERA, data));
    EXPECT_FALSE(manager.HasActiveStroke());
}

TEST_F(CompositionTest, TransformCaptureCopyCutAndPaste)
{
    LayerManager manager;
    manager.InsertLayer(CAMERA, -1, QString());
    AddFrame(manager, CAMERA, 1, Square(1, 100));  // x, y 40..139
    const QRect region(40, 40, 50, 50);
    auto transform = [&](bool copy, bool cut, bool paste, QPoint offset) {
        Stroke* stroke = manager.GetActiveStroke(CAMERA, true);
        stroke->tool = TOOL_TRANSFORM;
        stroke->region = region;
        stroke->captureRegion = true;
        stroke->copy = copy;
        stroke->cut = cut;
        stroke->paste = paste;
        stroke->offset = offset;
        stroke->updated = true;
        return manager.GetFlattenedImage(CAMERA);
    };

    // Copy: the frame keeps the region and a copy floats, moved.
    const QImage* image = transform(true, false, false, QPoint(300, 0));
    EXPECT_EQ(Alpha(image, 60, 60), 255);
    EXPECT_EQ(Alpha(image, 360, 60), 255);
    EXPECT_TRUE(manager.PasteTransformImageAvailable());
    EXPECT_EQ(manager.GetPasteImage().size(), region.size());
    QByteArray undo;
    ASSERT_TRUE(manager.CommitActiveStroke(CAMERA, undo));
    EXPECT_EQ(qAlpha(manager.GetLayer(CAMERA, 0)->GetImage(0).pixel(360, 60)), 255);

    // Cut: the region is cleared and nothing floats.
    image = transform(true, true, false, QPoint(500, 0));
    EXPECT_EQ(Alpha(image, 60, 60), 0);
    EXPECT_EQ(Alpha(image, 560, 60), 0);
    EXPECT_TRUE(manager.GetTransformImage().isNull());
    manager.CancelActiveStroke();
    EXPECT_EQ(Alpha(manager.GetFlattenedImage(CAMERA), 60, 60), 255);

    // Paste: the buffer floats and the frame keeps its region.
    image = transform(false, false, true, QPoint(0, 600));
    EXPECT_EQ(Alpha(image, 60, 60), 255);
    EXPECT_EQ(Alpha(image, 60, 660), 255);
    manager.CancelActiveStroke();

    // Applied without a redraw in between (batch mode), the region is still
    // lifted and moved instead of the frame being replaced by nothing.
    Stroke* stroke = manager.GetActiveStroke(CAMERA, true);
    stroke->tool = TOOL_TRANSFORM;
    stroke->region = QRect(40, 100, 40, 40);
    stroke->captureRegion = true;
    stroke->offset = QPoint(0, 500);
    ASSERT_TRUE(manager.CommitActiveStroke(CAMERA, undo));
    const QImage result = manager.GetLayer(CAMERA, 0)->GetImage(0);
    EXPECT_EQ(qAlpha(result.pixel(60, 120)), 0);
    EXPECT_EQ(qAlpha(result.pixel(60, 620)), 255);
    EXPECT_EQ(qAlpha(result.pixel(120, 120)), 255);
}

TEST_F(CompositionTest, StrokeShowsOnlyInItsCamera)
{
    LayerManager manager;
    manager.InsertLayer(CAMERA, -1, QString());
    manager.InsertLayer("persp", -1, QString());
    AddFrame(manager, CAMERA, 1, Frame::BlankImage());
    AddFrame(manager, "persp", 1, Frame::BlankImage());
    manager.GetFlattenedImage("persp");
    Stroke* stroke = manager.GetActiveStroke(CAMERA, false);
    AddPoints(*stroke, {QPoint(100, 100), QPoint(200, 100)});
    EXPECT_EQ(Alpha(manager.GetFlattenedImage("persp"), 150, 100), 0);
    EXPECT_EQ(Alpha(manager.GetFlattenedImage(CAMERA), 150, 100), 255);
}

// The optimised composition gives exactly the straightforward one's pixels,
// through time changes, every tool's live stroke, ghosts, hidden layers and
// opacities, and incremental redraws.
TEST_F(CompositionTest, OptimisedMatchesStraightforward)
{
    Settings::ghostPrev = Settings::ghostNext = true;
    LayerManager manager;
    for (int l = 0; l < 4; ++l) {
        manager.InsertLayer(CAMERA, -1, QString());
        manager.SetActiveLayer(CAMERA, l, true);
        for (int time = 1; time <= 5; ++time)
            AddFrame(manager, CAMERA, time, Drawing(l * 10 + time, 4));
    }
    manager.SetActiveLayer(CAMERA, 2, true);
    manager.SetLayerOpacity(CAMERA, 1, 0.6f);
    manager.SetLayerOpacity(CAMERA, 2, 0.8f);
    manager.SetLayerVisible(CAMERA, 3, false);

    auto check = [&](const char* what) {
        const QImage* image = manager.GetFlattenedImage(CAMERA);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(Differences(*image, reference::Flatten(manager, CAMERA, true)), 0) << what;
    };
    for (int time : {3, 4, 1, 5}) {
        SetTime(time);
        manager.OnPlaybackTimeChanged(time, false);
        check("time change");
    }
    Settings::ghostColorOverride = true;
    manager.QueueMasterCacheUpdate(CAMERA);
    check("colour override");
    SetTime(3);
    manager.OnPlaybackTimeChanged(3, false);

    const ToolType tools[] = {TOOL_PENCIL, TOOL_BRUSH,   TOOL_ERASER,    TOOL_LINE,
                              TOOL_ARROW,  TOOL_ELLIPSE, TOOL_RECTANGLE, TOOL_TEXT};
    for (ToolType tool : tools) {
        Settings::activeTool = tool;
        Stroke* stroke = manager.GetActiveStroke(CAMERA, false);
        ASSERT_NE(stroke, nullptr);
        stroke->tool = tool;
        stroke->text = QStringLiteral("Note");
        stroke->color = QColor(20, 200, 90);
        const bool shape = tool >= TOOL_TEXT;
        QPoint point(300, 300);
        for (int step = 0; step < 4; ++step) {
            if (shape) {
                stroke->points = {StrokePoint{12, 0.8f, 1.0f, QPoint(300, 300)},
                                  StrokePoint{12, 0.8f, 1.0f, point}};
                stroke->updated = true;
            } else {
                AddPoints(*stroke, {point}, 15);
            }
            point += QPoint(70, 25 * step);
            check(qPrintable(QStringLiteral("tool %1 step %2").arg(tool).arg(step)));
        }
        if (!shape) {
            EXPECT_LT(manager.LastComposedTileCount(), 200) << "redraw of one segment";
        }
        QByteArray undo;
        ASSERT_TRUE(manager.CommitActiveStroke(CAMERA, undo));
        check("after commit");
    }

    Stroke* stroke = manager.GetActiveStroke(CAMERA, true);
    stroke->tool = TOOL_TRANSFORM;
    stroke->region = QRect(200, 200, 300, 250);
    stroke->captureRegion = true;
    stroke->updated = true;
    check("transform capture");
    stroke->captureRegion = false;
    // Several moves: the later ones reuse what lies under the layer and
    // redo only the tiles the region leaves and reaches.
    const QPoint offsets[] = {QPoint(90, -40), QPoint(-150, 120), QPoint(400, 300)};
    for (int move = 0; move < 3; ++move) {
        stroke->rotation = 30.0f + 25.0f * move;
        stroke->scaleX = -1.3 + 0.4 * move;
        stroke->offset = offsets[move];
        stroke->updated = true;
        check(qPrintable(QStringLiteral("transform move %1").arg(move)));
    }
    manager.SetLayerVisible(CAMERA, 3, true);
    check("layer shown");
    stroke->offset = QPoint(10, 10);
    stroke->updated = true;
    check("transform moved over the shown layer");
    manager.SetLayerOpacity(CAMERA, 1, 0.3f);
    check("a layer under the region changed");
    stroke->offset = QPoint(-20, 30);
    stroke->updated = true;
    check("transform moved over the changed layer");
    manager.CancelActiveStroke();
    check("transform cancelled");
}
