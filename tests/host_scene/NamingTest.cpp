// Unique naming, renaming and finding nodes by name or path.
#include "SceneFixture.h"

#include "scene/NodeNaming.h"

namespace scenetest {
namespace {

using nbhost::NodeNaming;

class NamingTest : public SceneFixture
{
};

TEST_F(NamingTest, ClashingNamesGetTheNextFreeNumber)
{
    EXPECT_EQ(nameOf(create("camera")), "cameraShape1");
    EXPECT_EQ(nameOf(node("camera1")), "camera1");
    EXPECT_EQ(nameOf(create("camera")), "cameraShape2");
    EXPECT_EQ(nameOf(node("camera2")), "camera2");

    EXPECT_EQ(nameOf(create("transform", "nibline")), "nibline");
    EXPECT_EQ(nameOf(create("transform", "nibline")), "nibline1");
    EXPECT_EQ(nameOf(create("transform", "nibline")), "nibline2");
    // Names ending in digits count on from their number.
    EXPECT_EQ(nameOf(create("transform", "shot7")), "shot7");
    EXPECT_EQ(nameOf(create("transform", "shot7")), "shot8");
    EXPECT_EQ(nameOf(create("transform", "persp")), "persp1");
}

TEST_F(NamingTest, IllegalCharactersAreReplaced)
{
    EXPECT_EQ(NodeNaming::legalize("my node|x"), "my_node_x");
    EXPECT_EQ(NodeNaming::legalize("3d"), "_3d");
    EXPECT_EQ(nameOf(create("transform", "a.b")), "a_b");
    EXPECT_FALSE(create("transform", "").isNull());
    EXPECT_FALSE(node("transform1").isNull()); // the default name
}

TEST_F(NamingTest, RenameKeepsNamesUniqueAndRefusesEmptyNames)
{
    MObject a = create("transform", "a");
    create("transform", "b");
    MFnDependencyNode fn(a);
    EXPECT_STREQ(fn.setName("b").asChar(), "b1");
    EXPECT_TRUE(node("a").isNull());
    EXPECT_EQ(node("b1"), a);
    MStatus status;
    fn.setName("", false, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_STREQ(fn.name().asChar(), "b1");
    // The freed name can be taken again.
    EXPECT_EQ(nameOf(create("transform", "a")), "a");
}

TEST_F(NamingTest, FindAcceptsNamesAndPaths)
{
    create("transform", "a");
    create("transform", "b", "a");
    EXPECT_EQ(scene().find("b"), scene().find("|a|b"));
    EXPECT_EQ(scene().find("b"), scene().find("a|b"));
    EXPECT_EQ(scene().find("|b"), nullptr);
    EXPECT_EQ(scene().find("x|b"), nullptr);
    EXPECT_EQ(scene().find("ba|b"), nullptr);
    EXPECT_EQ(scene().find(""), nullptr);
}

TEST_F(NamingTest, WildcardsMatchRunsAndSingleCharacters)
{
    EXPECT_TRUE(NodeNaming::matches("*Shape", "perspShape"));
    EXPECT_TRUE(NodeNaming::matches("p?rsp*", "persp"));
    EXPECT_TRUE(NodeNaming::matches("*", ""));
    EXPECT_FALSE(NodeNaming::matches("*Shape", "persp"));
    EXPECT_FALSE(NodeNaming::matches("a*b*c", "abca"));
}

} // namespace
} // namespace scenetest
