#include "ModelTest.h"

#include "raster/DrawUtil.h"

#include <memory>

using FrameTest = ModelTest;
using LayerTest = ModelTest;

namespace {

// A layer with frames at the given times (film frames), each drawn distinctly.
std::unique_ptr<Layer> LayerWithFrames(std::initializer_list<int> times)
{
    auto layer = std::make_unique<Layer>();
    for (int time : times) {
        auto* frame = new Frame(MTime(time, MTime::kFilm));
        frame->SetImage(ModelTest::Filled(QColor(time % 256, 10, 20)));
        layer->InsertFrame(frame);
    }
    return layer;
}

} // namespace

TEST_F(FrameTest, FormsAndCopies)
{
    Frame frame(At(5));
    EXPECT_TRUE(frame.IsBlank());
    EXPECT_EQ(frame.GetImage().pixel(120, 120), 0u);  // blank reads as transparent

    const QImage drawing = Drawing(1);
    frame.SetImage(drawing);
    Frame copy(frame);
    EXPECT_TRUE(copy.IsPacked());
    EXPECT_FALSE(frame.IsPacked());
    EXPECT_EQ(copy.GetTimeValue(), 5);
    EXPECT_EQ(Differences(copy.GetImage(), drawing), 0);
    EXPECT_FALSE(copy.IsPacked());

    frame.PackImage();
    EXPECT_TRUE(frame.IsPacked());
    Frame copyOfPacked(frame);
    EXPECT_EQ(copyOfPacked.GetPackedImage(), frame.GetPackedImage());
    EXPECT_EQ(Differences(frame.GetImage(), drawing), 0);
}

TEST_F(FrameTest, DamagedBytesAndOddImagesBecomeFrameImages)
{
    Frame source(At(1));
    source.SetImage(Drawing(2));
    source.PackImage();
    QByteArray damaged = source.GetPackedImage();
    damaged.truncate(damaged.size() / 2);

    Frame frame(At(1));
    frame.SetPackedImage(damaged);
    const QImage& image = frame.GetImage();
    EXPECT_EQ(image.size(), QSize(1024, 1024));
    EXPECT_EQ(image.format(), QImage::Format_RGBA8888);
    EXPECT_EQ(Differences(image, Frame::BlankImage()), 0);
    EXPECT_TRUE(frame.GetPackedImage().isEmpty());

    QImage small(10, 10, QImage::Format_ARGB32);
    small.fill(Qt::red);
    frame.SetImage(small);
    EXPECT_EQ(frame.GetImage().size(), QSize(1024, 1024));
    EXPECT_EQ(frame.GetImage().format(), QImage::Format_RGBA8888);
    EXPECT_EQ(frame.GetImage().pixel(5, 5), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(frame.GetImage().pixel(500, 500)), 0);
}

TEST_F(FrameTest, TimeValueFollowsTheUiUnit)
{
    Frame frame(MTime(-999.5, MTime::kFilm));
    EXPECT_EQ(frame.GetTimeValue(), -999);  // truncated toward zero
    frame.SetTimeValue(12);
    ASSERT_TRUE(host().time().setUIUnit(MTime::kNTSCFrame));
    EXPECT_EQ(frame.GetTimeValue(), 15);  // 12 film frames are 15 ntsc frames
    frame.SetTime(MTime(13, MTime::kFilm));
    EXPECT_EQ(frame.GetTimeValue(), 16);  // 16.25
    frame.SetTimeValue(12);
    EXPECT_DOUBLE_EQ(frame.GetTime().as(MTime::kFilm), 9.6);
    frame.SetTime(MTime(0.4, MTime::kSeconds));  // 12 ntsc frames, through a unit conversion
    EXPECT_EQ(frame.GetTimeValue(), 12);
}

TEST_F(LayerTest, InsertKeepsFramesSortedAndRefusesDuplicates)
{
    SetTime(15);
    auto layer = LayerWithFrames({20, 10});
    EXPECT_EQ(layer->GetFrame(0)->GetTimeValue(), 10);
    EXPECT_EQ(layer->GetCurrentFrameIndex(), 0);
    EXPECT_EQ(layer->InsertFrame(nullptr), -1);
    // The refused frame is destroyed (the sanitizer build checks it once).
    EXPECT_EQ(layer->InsertFrame(new Frame(At(20))), -1);
    EXPECT_EQ(layer->FrameCount(), 2);
    EXPECT_EQ(layer->GetCurrentFrameIndex(), 0);
    EXPECT_EQ(layer->AddFrame(), 1);  // at the playback time, 15
    EXPECT_EQ(layer->GetFrame(1)->GetTimeValue(), 15);
    EXPECT_EQ(layer->GetCurrentFrameIndex(), 1);
    EXPECT_EQ(layer->GetFrame(3), nullptr);
    EXPECT_EQ(layer->GetFrame(-1), nullptr);
}

TEST_F(LayerTest, CurrentFrameBeforeBetweenAndAfterFrames)
{
    auto layer = LayerWithFrames({10, 20});
    const struct { int time; int index; } cases[] = {{5, -1}, {10, 0}, {19, 0}, {20, 1}, {500, 1}};
    for (const auto& c : cases) {
        layer->UpdateCurrentFrameIndex(c.time);
        EXPECT_EQ(layer->GetCurrentFrameIndex(), c.index) << "time " << c.time;
    }
    layer->UpdateCurrentFrameIndex(5);
    EXPECT_TRUE(layer->GetImage(0).isNull());

    layer->UpdateCurrentFrameIndex(12);
    layer->GetImage(0);
    layer->UpdateCurrentFrameIndex(15);  // same frame: nothing to recompose
    EXPECT_FALSE(layer->CacheUpdateRequired());
    layer->UpdateCurrentFrameIndex(25);
    EXPECT_TRUE(layer->CacheUpdateRequired());
}

TEST_F(LayerTest, NeighboursWithAndWithoutWrap)
{
    auto layer = LayerWithFrames({10, 20});
    SetTime(15);
    EXPECT_EQ(layer->GetPreviousFrame(false)->GetTimeValue(), 10);
    EXPECT_EQ(layer->GetNextFrame(false)->GetTimeValue(), 20);
    SetTime(20);
    EXPECT_EQ(layer->GetNextFrame(false), nullptr);
    EXPECT_EQ(layer->GetNextFrame(true)->GetTimeValue(), 10);
    SetTime(10);
    EXPECT_EQ(layer->GetPreviousFrame(false), nullptr);
    EXPECT_EQ(layer->GetPreviousFrame(true)->GetTimeValue(), 20);

    auto single = LayerWithFrames({10});
    EXPECT_EQ(single->GetPreviousFrame(true)->GetTimeValue(), 10);
    EXPECT_EQ(single->GetNextFrame(true)->GetTimeValue(), 10);
    Layer empty;
    EXPECT_EQ(empty.GetPreviousFrame(true), nullptr);
    EXPECT_EQ(empty.GetNextFrame(true), nullptr);
}

TEST_F(LayerTest, StaticAndAnimFrameExists)
{
    auto staticLayer = LayerWithFrames({-999});
    staticLayer->SetState(LAYER_STATE_STATIC);
    auto animLayer = LayerWithFrames({-999});
    for (int time : {-999, 1, 50}) {
        SetTime(time);
        staticLayer->UpdateCurrentFrameIndex();
        animLayer->UpdateCurrentFrameIndex();
        EXPECT_TRUE(staticLayer->FrameExists()) << time;
        EXPECT_EQ(animLayer->FrameExists(), time == -999) << time;
    }
    SetTime(-1000);
    staticLayer->UpdateCurrentFrameIndex();
    EXPECT_FALSE(staticLayer->FrameExists());
    EXPECT_TRUE(staticLayer->FrameExists(-999));
    EXPECT_TRUE(staticLayer->FrameExists(At(-999)));
    EXPECT_FALSE(staticLayer->FrameExists(At(1)));
}

TEST_F(LayerTest, FrameTimesGetAndSet)
{
    auto layer = LayerWithFrames({3, 7, 9});
    QList<int> times{42};
    layer->GetFrameTimes(times);
    EXPECT_EQ(times, QList<int>({3, 7, 9}));
    layer->SetFrameTimes({4, 8});
    layer->GetFrameTimes(times);
    EXPECT_EQ(times, QList<int>({4, 8, 9}));
    layer->SetFrameTimes({});
    layer->GetFrameTimes(times);
    EXPECT_EQ(times, QList<int>({4, 8, 9}));
}

TEST_F(LayerTest, RemoveAndCopyFrames)
{
    SetTime(25);
    auto layer = LayerWithFrames({10, 20, 30});
    EXPECT_EQ(layer->GetCurrentFrameIndex(), 1);
    EXPECT_EQ(layer->RemoveFrame(At(99)), nullptr);

    // Removing a frame away from the playback time keeps showing the frame
    // at the playback time.
    std::unique_ptr<Frame> removed(layer->RemoveFrame(At(10)));
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(layer->GetCurrentFrameIndex(), 0);
    EXPECT_EQ(layer->GetFrame(0)->GetTimeValue(), 20);

    std::unique_ptr<Frame> copy(layer->GetFrameCopy(At(30)));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->IsPacked());
    EXPECT_EQ(layer->GetFrameCopy(At(31)), nullptr);

    std::unique_ptr<Frame> current(layer->RemoveFrame());  // at the playback time: none
    EXPECT_EQ(current, nullptr);
    layer->RemoveAllFrames();
    EXPECT_EQ(layer->FrameCount(), 0);
    EXPECT_EQ(layer->GetCurrentFrameIndex(), -1);
}

TEST_F(LayerTest, AttributesAndCacheFlag)
{
    auto layer = LayerWithFrames({1});
    layer->GetImage(0);
    layer->SetOpacity(1.5f);
    EXPECT_FLOAT_EQ(layer->GetOpacity(), 1.0f);
    EXPECT_FALSE(layer->CacheUpdateRequired());  // unchanged value
    layer->SetOpacity(-0.2f);
    EXPECT_FLOAT_EQ(layer->GetOpacity(), 0.0f);
    EXPECT_TRUE(layer->CacheUpdateRequired());
    layer->GetImage(0);
    layer->SetVisible(true);
    EXPECT_FALSE(layer->CacheUpdateRequired());
    layer->SetState(LAYER_STATE_LOCKED);
    EXPECT_FALSE(layer->CacheUpdateRequired());

    layer->SetVisible(false);
    EXPECT_TRUE(layer->GetImage(0).isNull());  // hidden: the empty image
    EXPECT_FALSE(layer->CacheUpdateRequired());
    EXPECT_TRUE(layer->GetImage(5).isNull());
    EXPECT_EQ(layer->GetName(), QStringLiteral("New Layer"));
}

TEST_F(LayerTest, SetImageNeedsACurrentFrame)
{
    SetTime(5);
    auto layer = LayerWithFrames({10});
    layer->SetImage(Drawing(3));
    layer->UpdateCurrentFrameIndex(10);
    EXPECT_EQ(qRed(layer->GetImage(0).pixel(120, 120)), 10);  // untouched
    layer->SetImage(Drawing(3));
    EXPECT_TRUE(layer->CacheUpdateRequired());
    EXPECT_EQ(Differences(layer->GetImage(0), Drawing(3)), 0);
}
