#include "NodeTest.h"

#include "scene/FileReadState.h"

namespace nodetest {
namespace {

using LayerDataFormat = NodeTest;

const std::string EMPTY_MASTER_BINARY("\x01\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00", 13);
const std::string EMPTY_MASTER_TEXT = "1 1 \"\" 0\n\t\t";

TEST_F(LayerDataFormat, EmptyMasterDocumentHasItsExactFormsAndNoManagerWritesFailure)
{
    auto data = NewData();
    data->GetLayerManager()->MakeMaster();
    EXPECT_EQ(WriteBinary(*data), EMPTY_MASTER_BINARY);
    EXPECT_EQ(WriteText(*data), EMPTY_MASTER_TEXT);

    BaseNodeLayerData without;
    std::ostringstream binary, text;
    EXPECT_FALSE(without.writeBinary(binary));
    EXPECT_FALSE(without.writeASCII(text));
    EXPECT_EQ(binary.str(), "");
    EXPECT_EQ(text.str(), "-1");
}

TEST_F(LayerDataFormat, CameraWithoutLayersIsWrittenWithNoActiveLayer)
{
    auto data = NewData();
    LayerManager& m = *data->GetLayerManager();
    m.InsertLayer("cam", -1, MakeLayer("L", {}));
    delete m.RemoveLayer("cam", 0);
    m.SetActiveCamera("cam");
    EXPECT_EQ(WriteText(*data), "1 0 \"cam\" 1\n\t\t \"cam\" 0 -1\n\t\t");
    const std::string expected("\x01\x00\x00\x00\x00\x03\x00\x00\x00"
                               "cam\x01\x00\x00\x00"
                               "\x03\x00\x00\x00"
                               "cam\x00\x00\x00\x00\xff\xff\xff\xff",
                               31);
    EXPECT_EQ(WriteBinary(*data), expected);
}

TEST_F(LayerDataFormat, TextLinesFollowTheLayoutOfTheRecord)
{
    auto data = NewData();
    LayerManager& m = *data->GetLayerManager();
    m.InsertLayer("persp", -1, MakeLayer("L", {4}));
    m.MakeMaster();
    const std::string text = WriteText(*data);
    const std::string prefix = "1 1 \"persp\" 1\n\t\t \"persp\" 1 0\n\t\t \"L\" 1 1 1 0\n\t\t 4 \"89504e47";
    EXPECT_EQ(text.substr(0, prefix.size()), prefix);
    EXPECT_EQ(text.substr(text.size() - 4), "\"\n\t\t");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
}

TEST_F(LayerDataFormat, BothFormsReproduceARichDocument)
{
    auto data = NewData();
    BuildRichDocument(*data->GetLayerManager());

    auto fromBinary = std::make_unique<BaseNodeLayerData>();
    ASSERT_TRUE(ReadBinary(*fromBinary, WriteBinary(*data)));
    ExpectRichDocument(*fromBinary->GetLayerManager());

    auto fromText = std::make_unique<BaseNodeLayerData>();
    ASSERT_TRUE(ReadText(*fromText, WriteText(*data)));
    ExpectRichDocument(*fromText->GetLayerManager());
    EXPECT_EQ(output().errors(), "");
}

// Records written by this format and kept in the repository still read the
// same: files saved earlier rely on it.
TEST_F(LayerDataFormat, StoredRecordsReadBack)
{
    const std::string seeds = std::string(NB_TEST_DATA_DIR) + "/node/seeds/";
    for (const char* name : {"binary/rich.bin", "text/rich.txt"}) {
        auto data = std::make_unique<BaseNodeLayerData>();
        const std::string record = nbtest::readFile(seeds + name);
        ASSERT_TRUE(name[0] == 'b' ? ReadBinary(*data, record) : ReadText(*data, record)) << name;
        ExpectRichDocument(*data->GetLayerManager());
    }
    for (const char* name : {"binary/small_frames.bin", "text/small_frames.txt"}) {
        auto data = std::make_unique<BaseNodeLayerData>();
        const std::string record = nbtest::readFile(seeds + name);
        ASSERT_TRUE(name[0] == 'b' ? ReadBinary(*data, record) : ReadText(*data, record)) << name;
        LayerManager& m = *data->GetLayerManager();
        ASSERT_EQ(m.LayerCount("persp"), 2) << name;
        EXPECT_EQ(m.GetActiveLayerIndex("persp"), 1) << name;
        Layer* anim = m.GetLayer("persp", 0);
        ASSERT_EQ(anim->FrameCount(), 2) << name;
        // A smaller stored image is padded to the frame size.
        const QImage& image = anim->GetFrame(1)->GetImage();
        EXPECT_EQ(image.size(), QSize(1024, 1024));
        EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0, 255)) << name;
        EXPECT_EQ(image.pixelColor(1, 0).alpha(), 128) << name;
        EXPECT_EQ(image.pixelColor(5, 5).alpha(), 0) << name;
    }
    EXPECT_EQ(output().errors(), "");
}

TEST_F(LayerDataFormat, CopiesShareOneDocument)
{
    auto data = NewData();
    BaseNodeLayerData copy;
    copy.copy(*data);
    EXPECT_EQ(copy.GetLayerManager(), data->GetLayerManager());
    EXPECT_EQ(copy.name(), MString("vxLayerData"));
    EXPECT_EQ(copy.typeId(), MTypeId(0x11A887));
}

TEST_F(LayerDataFormat, ReferencedMasterLoadsAsNonMasterInBothForms)
{
    auto master = NewData();
    master->GetLayerManager()->MakeMaster();
    nbhost::FileReadState::Scope referencing(nbhost::FileReadState::Mode::Referencing);
    auto fromBinary = std::make_unique<BaseNodeLayerData>();
    auto fromText = std::make_unique<BaseNodeLayerData>();
    ASSERT_TRUE(ReadBinary(*fromBinary, WriteBinary(*master)));
    ASSERT_TRUE(ReadText(*fromText, WriteText(*master)));
    EXPECT_FALSE(fromBinary->GetLayerManager()->IsMaster());
    EXPECT_FALSE(fromText->GetLayerManager()->IsMaster());
}

TEST_F(LayerDataFormat, DuplicateFrameTimesKeepTheFirstFrame)
{
    auto data = NewData();
    LayerManager& m = *data->GetLayerManager();
    Layer* layer = MakeLayer("L", {7, 8});
    layer->GetFrame(1)->SetTimeValue(7);  // a damaged record: two frames at 7
    m.InsertLayer("persp", -1, layer);
    for (const std::string& record : {WriteBinary(*data), WriteText(*data)}) {
        auto read = std::make_unique<BaseNodeLayerData>();
        const bool binary = record[0] == '\x01';
        ASSERT_TRUE(binary ? ReadBinary(*read, record) : ReadText(*read, record));
        Layer* loaded = read->GetLayerManager()->GetLayer("persp", 0);
        ASSERT_EQ(loaded->FrameCount(), 1);
        EXPECT_EQ(MarkOf(loaded, 0), 7);
    }
}

} // namespace
} // namespace nodetest
