#include "NodeTest.h"

#include <QBuffer>

namespace nodetest {
namespace {

using LayerDataReader = NodeTest;

std::string Int(int32_t value)
{
    return std::string(reinterpret_cast<const char*>(&value), 4);
}

std::string Str(const std::string& text)
{
    return Int(static_cast<int32_t>(text.size())) + text;
}

std::string Float(float value)
{
    return std::string(reinterpret_cast<const char*>(&value), 4);
}

std::string PngHex()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Frame::BlankImage().save(&buffer, "PNG");
    return bytes.toHex().toStdString();
}

// A binary record: one camera "persp" with the layers given, active index 0.
std::string BinaryRecord(int32_t version, const std::string& layers, int32_t layerCount)
{
    return Int(version) + std::string(1, '\1') + Str("persp") + Int(1) + Str("persp") +
           Int(layerCount) + Int(0) + layers;
}

std::string BinaryLayer(const std::string& name, int32_t state, const std::string& frames = "",
                        int32_t frameCount = 0)
{
    return Str(name) + Int(frameCount) + std::string(1, '\1') + Float(0.75f) + Int(state) + frames;
}

TEST_F(LayerDataReader, BinaryAcceptsAnyVersionAndReadsUnknownStatesAsAnimated)
{
    auto data = std::make_unique<BaseNodeLayerData>();
    ASSERT_TRUE(ReadBinary(*data, BinaryRecord(0, BinaryLayer("A", 7) + BinaryLayer("B", 2), 2)));
    LayerManager& m = *data->GetLayerManager();
    ASSERT_EQ(m.LayerCount("persp"), 2);
    EXPECT_EQ(m.GetLayerState("persp", 0), LAYER_STATE_ANIM);
    EXPECT_EQ(m.GetLayerState("persp", 1), LAYER_STATE_LOCKED);
    EXPECT_FLOAT_EQ(m.GetLayerOpacity("persp", 0), 0.75f);
    EXPECT_TRUE(m.IsMaster());
    EXPECT_EQ(output().errors(), "");
}

TEST_F(LayerDataReader, BinaryDropsUndecodableFramesAndRefusesAnEmptyRecord)
{
    const std::string frames = Int(3) + Str("not a png") + Int(4) + Str(QByteArray::fromHex(PngHex().c_str()).toStdString());
    auto data = std::make_unique<BaseNodeLayerData>();
    ASSERT_TRUE(ReadBinary(*data, BinaryRecord(1, BinaryLayer("A", 0, frames, 2), 1)));
    QList<int> times;
    data->GetLayerManager()->GetLayer("persp", 0)->GetFrameTimes(times);
    EXPECT_EQ(times, QList<int>({4}));

    std::istringstream empty("");
    EXPECT_FALSE(BaseNodeLayerData().readBinary(empty, 0));
}

// A damaged record must end the read with a reason, never allocate what a
// length claims, and keep the layers read before the damage.
TEST_F(LayerDataReader, BinaryRefusesLengthsAndCountsTheRecordCannotHold)
{
    const std::string good = BinaryLayer("Good", 0);
    // Padding keeps the layer count within the record, so the damage is met
    // in the second layer.
    const std::string pad(40, '\0');
    const struct
    {
        std::string record;
        std::string reason;
        int kept;
    } cases[] = {
        {BinaryRecord(1, good + Int(-5) + pad, 2), "negative length -5", 1},
        {BinaryRecord(1, good + Int(0x7fffffff) + pad, 2), "length 2147483647 exceeds", 1},
        {BinaryRecord(1, good + Str("B") + Int(-1) + pad, 2), "negative frame count -1", 1},
        {BinaryRecord(1, good + Str("B") + Int(100000000) + pad, 2), "frame count 100000000 exceeds", 1},
        {BinaryRecord(1, good + BinaryLayer("C", 0, Int(1) + Int(30) + "0123456789", 1), 2),
         "length 30 exceeds the 10 bytes left", 2},
        {BinaryRecord(1, good, 0x7ffffff0), "layer count 2147483632 exceeds", 0},
        {std::string("\1\0", 2), "the record ends 2 bytes early", 0},
    };
    for (const auto& c : cases) {
        output().clear();
        auto data = std::make_unique<BaseNodeLayerData>();
        EXPECT_FALSE(ReadBinary(*data, c.record)) << c.reason;
        EXPECT_NE(output().errors().find("[Nibline2] Failed to read layer data: " + c.reason), std::string::npos)
            << output().errors();
        EXPECT_EQ(data->GetLayerManager()->LayerCount("persp"), c.kept) << c.reason;
    }
    // A length that claims more than the stream holds fails the same way.
    auto data = std::make_unique<BaseNodeLayerData>();
    std::istringstream in(BinaryRecord(1, good, 3));
    EXPECT_FALSE(data->readBinary(in, 4000000000u));
    EXPECT_NE(output().errors().find("the data ends before the record does"), std::string::npos);
}

TEST_F(LayerDataReader, TextStopsAtTheFirstBadFieldWithItsPosition)
{
    const std::string head = "1 1 \"persp\" 1 \"persp\" 2 0 \"A\" 0 1 1 0 ";
    const struct
    {
        std::string text;
        std::string error;
    } cases[] = {
        {"0 1 \"\" 0", "Invalid version"},
        {"1 maybe \"\" 0", "Failed to get master (1)"},
        {"1 1 \"\" many", "Invalid layer count (3)"},
        {"1 1 \"\" 1 \"persp\" x", "Invalid layer count (5)"},
        {"1 1 \"\" 1 \"persp\" 1 y", "Invalid active layer index (6)"},
        {head + "\"B\" z", "Invalid frame count (13)"},
        {head + "\"B\" 0 v", "Invalid layer visibility (14)"},
        {head + "\"B\" 0 1 o", "Invalid opacity (15)"},
        {head + "\"B\" 0 1 1 7", "Invalid layer state (16)"},
        {head + "\"B\" 0 1 1 -1", "Invalid layer state (16)"},
        {head + "\"B\" 1 1 1 0 t", "Invalid frame time (17)"},
        {head + "\"B\" 1 1 1 0 1e12 \"\"", "Invalid frame time (17)"},
        {head + "\"B\" 1 1 1 0 5", "Invalid draw data (18)"},
    };
    for (const auto& c : cases) {
        output().clear();
        auto data = std::make_unique<BaseNodeLayerData>();
        EXPECT_FALSE(ReadText(*data, c.text)) << c.text;
        EXPECT_EQ(output().errors(), "[Nibline2] " + c.error + "\n") << c.text;
        // Layer A, read before the bad field, stays.
        if (c.text.rfind(head, 0) == 0) {
            EXPECT_EQ(data->GetLayerManager()->GetLayerName("persp", 0), "A") << c.text;
        }
    }
}

TEST_F(LayerDataReader, TextSkipsBlankEntriesAndUndecodableImagesAndGoesOn)
{
    const std::string text = "1 0 \"persp\" 1 \"persp\" 2 1 \"UNKNOWN\" -1 \"A\" 3 1 0.5 1 -1 \"\" 2 \"zz\" 3 \"" +
                             PngHex() + "\"";
    auto data = std::make_unique<BaseNodeLayerData>();
    ASSERT_TRUE(ReadText(*data, text));
    EXPECT_EQ(output().warnings(), "[Nibline2] Skipping invalid layer\n");
    EXPECT_EQ(output().errors(), "[Nibline2] Failed to load draw data: A (0)\n"
                                 "[Nibline2] Failed to load draw data: A (1)\n"
                                 "[Nibline2] Invalid layer index: 1\n");
    LayerManager& m = *data->GetLayerManager();
    ASSERT_EQ(m.LayerCount("persp"), 1);
    EXPECT_EQ(m.GetLayerState("persp", 0), LAYER_STATE_STATIC);
    EXPECT_FALSE(m.IsMaster());
    QList<int> times;
    m.GetFrameTimes("persp", times);
    EXPECT_EQ(times, QList<int>({3}));
}

TEST_F(LayerDataReader, TextRefusesNoArgumentsAndTheNoDocumentToken)
{
    BaseNodeLayerData data;
    unsigned int index = 0;
    EXPECT_FALSE(data.readASCII(MArgList(), index));
    EXPECT_FALSE(ReadText(data, "-1"));
    EXPECT_EQ(output().errors(), "[Nibline2] Invalid version\n");
}

} // namespace
} // namespace nodetest
