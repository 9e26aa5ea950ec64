// Long shots through the scene files: frames read from a file keep their
// bytes, are saved byte for byte while unchanged, and stored images are
// checked without being decoded.

#include "NodeTest.h"

#include "bench/SceneGenerator.h"
#include "model/PngCodec.h"
#include "node/PngChunks.h"

#include <QFile>

namespace nodetest {
namespace {

class LongShotTest : public NodeTest, public ::testing::WithParamInterface<const char*>
{
protected:
    std::string Path(const std::string& name) { return files.file(name + GetParam()); }
    LayerManager& Open(const std::string& path)
    {
        EXPECT_TRUE(eval("file -new -f; file -open -f \"" + path + "\"").ok) << output().errors();
        return *BaseNode::GetMaster()->GetLayerManager();
    }
    // The scene's nodes: a text scene names its own file around them.
    static QByteArray Contents(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const int end = bytes.lastIndexOf("// End of");
        if (end >= 0)
            bytes.truncate(end);
        const int nodes = bytes.indexOf("createNode");
        return nodes >= 0 ? bytes.mid(nodes) : bytes;
    }
    nbtest::TempDir files{"nblongshot"};
};

TEST_P(LongShotTest, UnchangedFramesSaveTheirBytesAndChangedOnesTheirPixels)
{
    longshot::Shape shape;
    shape.layers = 2;
    shape.frames = 3;
    shape.distinct = 4;
    const std::string first = Path("first");
    ASSERT_TRUE(longshot::Write(first, shape)) << output().errors();

    LayerManager& opened = Open(first);
    ASSERT_EQ(opened.LayerCount("persp"), 2);
    Layer* layer = opened.GetLayer("persp", 1);
    ASSERT_EQ(layer->FrameCount(), 3);
    for (int i = 1; i < 3; ++i)
        EXPECT_TRUE(layer->GetFrame(i)->IsPacked());  // only the shown frame is decoded ahead
    const QByteArray stored = layer->GetFrame(0)->GetPackedImage();
    const QByteArray untouched = layer->GetFrame(1)->GetPackedImage();
    layer->GetFrame(2)->GetImage();  // shown, not changed

    const std::string second = Path("second");
    ASSERT_TRUE(eval("file -rename \"" + second + "\"; file -save").ok) << output().errors();
    EXPECT_EQ(Contents(second), Contents(first));

    // A changed frame is encoded again and reads back exactly.
    QImage& pixels = layer->GetFrame(0)->GetImage();
    pixels.setPixel(700, 700, qRgba(10, 200, 30, 128));
    const QImage changed = pixels.copy();
    ASSERT_TRUE(eval("file -save").ok) << output().errors();
    LayerManager& reopened = Open(second);
    Frame* frame = reopened.GetLayer("persp", 1)->GetFrame(0);
    EXPECT_NE(frame->GetPackedImage(), stored);
    EXPECT_EQ(frame->GetImage(), changed);
    EXPECT_EQ(reopened.GetLayer("persp", 1)->GetFrame(1)->GetPackedImage(), untouched);
    EXPECT_EQ(output().errors(), "");
}

INSTANTIATE_TEST_SUITE_P(BothForms, LongShotTest, ::testing::Values(".nba", ".nbb"));

class StoredImageTest : public NodeTest
{
};

TEST_F(StoredImageTest, DamagedImagesAreToldApartWithoutDecoding)
{
    QByteArray good;
    ASSERT_TRUE(PngCodec::Pack(longshot::Drawing(1), good));
    EXPECT_TRUE(PngChunks::Check(good));
    EXPECT_FALSE(PngChunks::Check(QByteArray()));
    EXPECT_FALSE(PngChunks::Check("not a picture at all"));
    EXPECT_FALSE(PngChunks::Check(good.left(good.size() - 20)));  // no end chunk
    QByteArray flipped = good;
    flipped[good.size() / 2] = static_cast<char>(flipped[good.size() / 2] ^ 0x40);
    EXPECT_FALSE(PngChunks::Check(flipped));  // checksum
    QByteArray huge = good;
    huge[16] = 0x7f;  // width far beyond any frame, checksum left wrong too
    EXPECT_FALSE(PngChunks::Check(huge));

    // Readers drop such frames as they dropped undecodable ones: the binary
    // reader quietly, the text reader with its message.
    auto data = NewData();
    Layer* layer = new Layer();
    layer->SetName("Ink");
    for (int time : {1, 2}) {
        auto* frame = new Frame(MTime(time, MTime::uiUnit()));
        frame->SetPackedImage(time == 1 ? good : flipped);
        layer->InsertFrame(frame);
    }
    data->GetLayerManager()->InsertLayer("persp", -1, layer);
    const std::string binary = WriteBinary(*data);
    const std::string text = WriteText(*data);
    auto fromBinary = NewData();
    EXPECT_TRUE(ReadBinary(*fromBinary, binary));
    EXPECT_EQ(fromBinary->GetLayerManager()->GetLayer("persp", 0)->FrameCount(), 1);
    auto fromText = NewData();
    output().clear();
    EXPECT_TRUE(ReadText(*fromText, text));
    EXPECT_NE(output().errors().find("Failed to load draw data: Ink (1)"), std::string::npos);
    Frame* kept = fromText->GetLayerManager()->GetLayer("persp", 0)->GetFrame(0);
    EXPECT_EQ(kept->GetPackedImage(), good);
}

} // namespace
} // namespace nodetest
