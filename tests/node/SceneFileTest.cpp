#include "NodeTest.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace nodetest {
namespace {

class SceneFileTest : public NodeTest, public ::testing::WithParamInterface<const char*>
{
protected:
    std::string SaveScene()
    {
        const std::string path = files.file(std::string("scene.") + (GetParam() == std::string("nbAscii") ? "nba" : "nbb"));
        EXPECT_TRUE(eval("file -rename \"" + path + "\"; file -save -type \"" + GetParam() + "\"").ok)
            << output().errors();
        return path;
    }
    nbtest::TempDir files{"nbscene"};
};

// Both nodes keep their own documents and master flags through the file.
TEST_P(SceneFileTest, DocumentsAndTheMasterComeBackWithTheScene)
{
    BaseNode* first = CreateNode("first");
    CreateNode("second");
    first->InsertLayer("persp", 0, MakeLayer("Ink", {2, 6}));
    NodeNamed("secondShape")->InsertLayer("top", 0, MakeLayer("Notes", {3}));
    const std::string path = SaveScene();

    ASSERT_TRUE(eval("file -new -f; file -open -f \"" + path + "\"").ok) << output().errors();
    BaseNode* master = BaseNode::GetMaster();
    ASSERT_EQ(BaseNode::GetAll().size(), 2);
    ASSERT_EQ(master, NodeNamed("firstShape"));
    EXPECT_FALSE(BaseNode::IsMaster(NodeNamed("secondShape")));
    QList<int> times;
    master->GetFrameTimes("persp", times);
    EXPECT_EQ(times, QList<int>({2, 6}));
    EXPECT_EQ(MarkOf(master->GetLayer("persp", 0), 1), 6);
    EXPECT_EQ(NodeNamed("secondShape")->GetLayerName("top", 0), "Notes");
    EXPECT_EQ(output().errors(), "");
}

TEST_P(SceneFileTest, ReferencedMasterStaysNonMaster)
{
    CreateNode("drawing")->InsertLayer("persp", 0, MakeLayer("Ink", {1}));
    const std::string path = SaveScene();
    ASSERT_TRUE(eval("file -new -f; file -reference \"" + path + "\"").ok) << output().errors();
    ASSERT_EQ(BaseNode::GetAll().size(), 1);
    EXPECT_EQ(BaseNode::GetAll()[0]->LayerCount("persp"), 1);
    EXPECT_EQ(BaseNode::GetMaster(), nullptr);
}

// Frames of a drawing saved in the scene, and where each one's image ends
// in the file.
struct SavedDrawing
{
    std::string bytes;
    std::vector<size_t> frameEnds;
};

class DamagedDrawingTest : public SceneFileTest
{
protected:
    SavedDrawing SaveDrawing()
    {
        BaseNode* node = CreateNode("drawing");
        node->InsertLayer("persp", -1, MakeLayer("A", {1, 2, 3, 4}));
        node->InsertLayer("persp", -1, MakeLayer("B", {5, 6}));
        node->InsertLayer("top", -1, MakeLayer("C", {7}));
        EXPECT_TRUE(eval("createNode transform -n tail").ok);
        SavedDrawing saved;
        saved.bytes = nbtest::readFile(SaveScene());
        const bool text = GetParam() == std::string("nbAscii");
        const std::string end = text ? "49454e44ae426082\"" : std::string("IEND\xae\x42\x60\x82");
        for (size_t at = saved.bytes.find(end); at != std::string::npos; at = saved.bytes.find(end, at + 1))
            saved.frameEnds.push_back(at + end.size());
        EXPECT_EQ(saved.frameEnds.size(), 7u);
        return saved;
    }

    bool OpenBytes(const std::string& bytes)
    {
        const std::string path = files.file("damaged");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        output().clear();
        return eval("file -new -f; file -open -f \"" + path + "\"").ok;
    }

    static int LoadedFrames()
    {
        int frames = 0;
        for (BaseNode* node : BaseNode::GetAll())
            for (const char* camera : {"persp", "top"})
                for (int i = 0; i < node->LayerCount(camera); ++i)
                    frames += node->GetLayer(camera, i)->FrameCount();
        return frames;
    }
};

// Wherever the file is cut (every few hundred bytes), every frame stored
// before the cut is there.
TEST_P(DamagedDrawingTest, ACutSceneKeepsEveryFrameBeforeTheCut)
{
    const SavedDrawing saved = SaveDrawing();
    for (size_t cut = 0; cut < saved.bytes.size(); cut += 331) {
        const int before = static_cast<int>(
            std::count_if(saved.frameEnds.begin(), saved.frameEnds.end(), [cut](size_t end) { return end <= cut; }));
        const bool opened = OpenBytes(saved.bytes.substr(0, cut));
        EXPECT_EQ(opened ? LoadedFrames() : 0, before) << "cut at " << cut << "\n" << output().errors();
        if (opened && cut < saved.frameEnds.back()) {
            EXPECT_NE(output().errors().find("cut short"), std::string::npos) << cut << output().errors();
        }
    }
}

// Damage inside the drawing record keeps what was read before it.
TEST_P(DamagedDrawingTest, DamageInsideTheDrawingKeepsWhatCameBeforeIt)
{
    SavedDrawing saved = SaveDrawing();
    if (GetParam() == std::string("nbAscii")) {
        // Layer C's state becomes 9: its reader stops there, the scene reads on.
        const size_t c = saved.bytes.find("\"C\" 1 1 1 0");
        ASSERT_NE(c, std::string::npos) << saved.bytes.substr(0, 2000);
        saved.bytes[c + 10] = '9';
        ASSERT_TRUE(OpenBytes(saved.bytes)) << output().errors();
        EXPECT_NE(output().errors().find("Invalid layer state"), std::string::npos) << output().errors();
        EXPECT_NE(output().errors().find(" line "), std::string::npos) << output().errors();
        EXPECT_EQ(LoadedFrames(), 6);
        EXPECT_TRUE(eval("objExists tail").value.asInt());
    } else {
        // A byte of the third frame's image: the record fails its checksum
        // and is read as far as it goes; what followed it is lost.
        saved.bytes[saved.frameEnds[2] - 30] ^= 0x5a;
        ASSERT_TRUE(OpenBytes(saved.bytes)) << output().errors();
        EXPECT_NE(output().errors().find("fails its checksum"), std::string::npos) << output().errors();
        EXPECT_GE(LoadedFrames(), 2);
        EXPECT_FALSE(eval("objExists tail").value.asInt());
    }
    EXPECT_NE(output().text(nbtest::OutputCapture::Kind::Warning).find("data may have been lost"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BothForms, DamagedDrawingTest, ::testing::Values("nbAscii", "nbBinary"));

INSTANTIATE_TEST_SUITE_P(BothForms, SceneFileTest, ::testing::Values("nbAscii", "nbBinary"));

} // namespace
} // namespace nodetest
