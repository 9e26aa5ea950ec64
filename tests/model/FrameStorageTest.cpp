// Frames that keep their PNG bytes, the bounded cache of decoded frames, the
// worker pool and the decoding ahead of playback.

#include "ModelTest.h"

#include "model/FrameCache.h"
#include "model/ImageTask.h"
#include "model/PngCodec.h"
#include "model/WorkerPool.h"
#include "raster/Stroke.h"
#include "support/GuiTestEnvironment.h"

#include <QThread>

#include <atomic>
#include <memory>

namespace {

const QString CAMERA = QStringLiteral("persp");

QByteArray Encoded(const QImage& image)
{
    QByteArray bytes;
    EXPECT_TRUE(PngCodec::Pack(image, bytes));
    return bytes;
}

class FrameStorageTest : public ModelTest
{
protected:
    void SetUp() override
    {
        nbtest::guiApplication();
        ModelTest::SetUp();
        budget = FrameCache::Instance().Budget();
    }
    void TearDown() override
    {
        FrameCache::Instance().SetBudget(budget);
        ModelTest::TearDown();
    }
    // Lets every task of the pool finish and its landing run.
    static void Settle()
    {
        WorkerPool::Instance().Wait();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // A layer of frames at times 1..count holding drawings as bytes, four
    // distinct ones in turn (drawings[i] is frame i's).
    void AddStoredLayer(LayerManager& manager, int count)
    {
        auto* layer = new Layer();
        while (stored.size() < 4) {
            stored << Drawing(stored.size() + 1, 2);
            bytes << Encoded(stored.last());
        }
        drawings.clear();
        for (int time = 1; time <= count; ++time) {
            auto* frame = new Frame(At(time));
            drawings << stored[time % 4];
            frame->SetPackedImage(bytes[time % 4]);
            layer->InsertFrame(frame);
        }
        manager.InsertLayer(CAMERA, -1, layer);
    }
    int budget = 0;
    QVector<QImage> drawings;
    QVector<QImage> stored;
    QVector<QByteArray> bytes;
};

TEST_F(FrameStorageTest, UnchangedPixelsKeepTheirBytesAndChangedOnesAreEncodedExactly)
{
    const QImage drawing = Drawing(3);
    const QByteArray bytes = Encoded(drawing);
    Frame frame(At(1));
    frame.SetPackedImage(bytes);
    EXPECT_TRUE(frame.IsPacked());
    EXPECT_EQ(Differences(frame.GetImage(), drawing), 0);
    EXPECT_TRUE(frame.BytesCurrent());  // reading the pixels changes nothing
    EXPECT_EQ(frame.EncodedBytes(), bytes);
    Frame copy(frame);  // shares the bytes, no new encoding
    EXPECT_TRUE(copy.GetPackedImage().isSharedWith(bytes));

    frame.GetImage().setPixel(5, 5, qRgba(1, 2, 3, 255));  // painted through the reference
    EXPECT_FALSE(frame.BytesCurrent());
    EXPECT_FALSE(frame.DropImage());  // the bytes cannot recreate it
    const QImage painted = frame.GetImage();
    const QByteArray again = frame.EncodedBytes();
    EXPECT_NE(again, bytes);
    EXPECT_TRUE(frame.DropImage());
    EXPECT_EQ(Differences(frame.GetImage(), painted), 0);

    frame.SetImage(drawing);  // new pixels: the old bytes go
    EXPECT_FALSE(frame.BytesCurrent());
    EXPECT_TRUE(frame.GetPackedImage().isEmpty());
}

TEST_F(FrameStorageTest, WorkDoneAheadLandsOnTheGuiThreadAndIsNeverStale)
{
    const QImage drawing = Drawing(4);
    Frame frame(At(1));
    frame.SetPackedImage(Encoded(drawing));
    frame.DecodeAhead();
    Settle();
    EXPECT_TRUE(frame.IsDecoded());
    EXPECT_EQ(Differences(frame.GetImage(), drawing), 0);

    // Encoded ahead, then painted before the result is taken in: stale.
    frame.GetImage().setPixel(9, 9, qRgba(9, 9, 9, 255));
    frame.EncodeAhead();
    frame.GetImage().setPixel(10, 9, qRgba(9, 9, 9, 255));
    const QImage painted = frame.GetImage();
    Settle();
    EXPECT_FALSE(frame.BytesCurrent());
    frame.EncodeAhead();
    Settle();
    EXPECT_TRUE(frame.BytesCurrent());
    ASSERT_TRUE(frame.DropImage());
    EXPECT_EQ(Differences(frame.GetImage(), painted), 0);

    // A frame that goes while its work is in flight is left alone.
    auto doomed = std::make_unique<Frame>(At(2));
    doomed->SetPackedImage(Encoded(drawing));
    doomed->DecodeAhead();
    doomed.reset();
    Settle();
}

TEST_F(FrameStorageTest, PoolRunsEachTaskOnceAndLandsResultsOnTheGuiThread)
{
    WorkerPool pool(2);
    std::atomic<int> runs{0};
    std::atomic<int> onWorkers{0};
    int landings = 0;
    bool landedElsewhere = false;
    QThread* gui = QCoreApplication::instance()->thread();
    std::vector<std::shared_ptr<ImageTask>> tasks;
    for (int i = 0; i < 40; ++i) {
        auto task = std::make_shared<ImageTask>([&] {
            ++runs;
            onWorkers += QThread::currentThread() != gui;
            QThread::usleep(200);
        });
        tasks.push_back(task);
        pool.Submit(task, [&] {
            ++landings;
            landedElsewhere = landedElsewhere || QThread::currentThread() != gui;
        });
    }
    for (const auto& task : tasks)
        task->Finish();  // the GUI thread takes those no worker has begun
    pool.Wait();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs.load(), 40);
    EXPECT_GT(onWorkers.load(), 0);
    EXPECT_EQ(landings, onWorkers.load());  // work the GUI thread did itself does not land
    EXPECT_FALSE(landedElsewhere);
}

TEST_F(FrameStorageTest, ScrubbingKeepsTheCacheBoundedAndShownFramesDecoded)
{
    Settings::ghostPrev = Settings::ghostNext = true;
    Settings::ghostPrevCount = Settings::ghostNextCount = 2;
    FrameCache::Instance().SetBudget(6);
    LayerManager manager;
    AddStoredLayer(manager, 30);
    AddStoredLayer(manager, 30);
    manager.SetActiveLayer(CAMERA, 0, true);
    Layer* active = manager.GetLayer(CAMERA, 0);
    int peak = 0;
    const int times[] = {1, 5, 9, 14, 20, 26, 30, 24, 17, 11, 6, 2, 15, 29, 3};
    for (int time : times) {
        SetTime(time);
        manager.OnPlaybackTimeChanged(time, false);
        manager.GetFlattenedImage(CAMERA);
        Settle();
        peak = std::max(peak, FrameCache::Instance().DecodedCount());
        const int current = active->GetCurrentFrameIndex();
        for (int i = std::max(0, current - 2); i <= std::min(29, current + 2); ++i)
            EXPECT_TRUE(active->GetFrame(i)->IsDecoded()) << time << " " << i;
    }
    // Six in the budget, and seven in use (two current frames, four ghosts)
    // which the budget may not take away.
    EXPECT_LE(peak, 6 + 6);
    // Whatever was dropped comes back exactly.
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(Differences(active->GetFrame(i)->GetImage(), drawings[i]), 0) << i;
}

TEST_F(FrameStorageTest, PlaybackDecodesTheComingFramesAhead)
{
    LayerManager manager;
    AddStoredLayer(manager, 20);
    manager.SetActiveLayer(CAMERA, 0, true);
    Layer* layer = manager.GetLayer(CAMERA, 0);
    SetTime(10);
    manager.OnPlaybackTimeChanged(10, false);
    manager.GetFlattenedImage(CAMERA);
    SetTime(11);  // moving forward
    manager.OnPlaybackTimeChanged(11, false);
    Settle();
    EXPECT_TRUE(layer->GetFrame(11)->IsDecoded());  // time 12
    EXPECT_FALSE(layer->GetFrame(3)->IsDecoded());
    SetTime(8);  // and back
    manager.OnPlaybackTimeChanged(8, false);
    Settle();
    EXPECT_TRUE(layer->GetFrame(5)->IsDecoded());  // time 6

    // Playing wraps from the end of the range to its start.
    ASSERT_TRUE(eval("playbackOptions -min 1 -max 20").ok);
    SetPlaying(true);
    SetTime(19);
    manager.OnPlaybackTimeChanged(19, false);
    Settle();
    SetPlaying(false);
    EXPECT_TRUE(layer->GetFrame(0)->IsDecoded());
}

TEST_F(FrameStorageTest, StrokesUndoAndRedoOnFramesWhosePixelsWereDropped)
{
    FrameCache::Instance().SetBudget(0);
    LayerManager manager;
    AddStoredLayer(manager, 3);
    manager.SetActiveLayer(CAMERA, 0, true);
    SetTime(2);
    manager.OnPlaybackTimeChanged(2, false);
    Layer* layer = manager.GetLayer(CAMERA, 0);
    ASSERT_FALSE(layer->GetFrame(1)->IsDecoded());

    Stroke* stroke = manager.GetActiveStroke(CAMERA, false);
    stroke->points << StrokePoint{9, 1.0f, 1.0f, QPoint(100, 100)}
                   << StrokePoint{9, 1.0f, 1.0f, QPoint(300, 120)};
    stroke->updated = true;
    QByteArray undo;
    ASSERT_TRUE(manager.CommitActiveStroke(CAMERA, undo));
    const QImage stroked = layer->GetFrame(1)->GetImage();
    EXPECT_EQ(qAlpha(stroked.pixel(200, 110)), 255);

    // Nothing is shown, so the cache encodes the changed frame and drops it.
    FrameCache::Instance().Trim();
    Settle();
    EXPECT_FALSE(layer->GetFrame(1)->IsDecoded());
    ASSERT_TRUE(manager.UndoStroke(CAMERA, undo));
    EXPECT_EQ(Differences(layer->GetFrame(1)->GetImage(), drawings[1]), 0);
    FrameCache::Instance().Trim();
    Settle();
    ASSERT_TRUE(manager.UndoStroke(CAMERA, undo));  // redo
    EXPECT_EQ(Differences(layer->GetFrame(1)->GetImage(), stroked), 0);
}

} // namespace
