#include "NodeTest.h"

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

INSTANTIATE_TEST_SUITE_P(BothForms, SceneFileTest, ::testing::Values("nbAscii", "nbBinary"));

} // namespace
} // namespace nodetest
