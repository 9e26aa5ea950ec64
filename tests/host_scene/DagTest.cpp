// DAG walks, filters, paths and parenting.
#include "SceneFixture.h"

#include <maya/MDagPath.h>
#include <maya/MFnCamera.h>
#include <maya/MFnDagNode.h>
#include <maya/MItDag.h>
#include <maya/MItDependencyNodes.h>

#include <vector>

namespace scenetest {
namespace {

class DagTest : public SceneFixture
{
protected:
    std::vector<std::string> walk(MItDag::TraversalType type, MFn::Type filter)
    {
        std::vector<std::string> names;
        for (MItDag it(type, filter); !it.isDone(); it.next())
            names.push_back(it.fullPathName().asChar());
        return names;
    }
};

TEST_F(DagTest, DepthFirstWalkStartsAtTheWorldAndFiltersByFunctionSet)
{
    create("transform", "group");
    create("transform", "inner", "group");
    create(TestLocator::kName, "mark", "inner");

    const std::vector<std::string> all = walk(MItDag::kDepthFirst, MFn::kInvalid);
    const std::vector<std::string> expected{"", "|persp", "|persp|perspShape", "|top", "|top|topShape",
                                            "|front", "|front|frontShape", "|side", "|side|sideShape",
                                            "|group", "|group|inner", "|group|inner|mark"};
    EXPECT_EQ(all, expected);
    EXPECT_EQ(walk(MItDag::kDepthFirst, MFn::kPluginLocatorNode),
              std::vector<std::string>{"|group|inner|mark"});
    EXPECT_EQ(walk(MItDag::kDepthFirst, MFn::kCamera).size(), 4u);
    // Plug-in locators are locators and shapes too.
    EXPECT_EQ(walk(MItDag::kDepthFirst, MFn::kShape).size(), 5u);

    const std::vector<std::string> breadth = walk(MItDag::kBreadthFirst, MFn::kTransform);
    EXPECT_EQ(breadth.back(), "|group|inner");
    EXPECT_EQ(breadth[4], "|group");
}

TEST_F(DagTest, PruneSkipsTheSubtreeAndDeletedNodesAreSkipped)
{
    create("transform", "a");
    create("transform", "b", "a");
    create("transform", "c");
    std::vector<std::string> seen;
    MItDag it(MItDag::kDepthFirst, MFn::kTransform);
    scene().detach(*scene().find("c"));
    for (; !it.isDone(); it.next()) {
        seen.push_back(it.partialPathName().asChar());
        if (seen.back() == "a")
            it.prune();
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"persp", "top", "front", "side", "a"}));
    EXPECT_EQ(it.next(), MStatus::kFailure);
    EXPECT_TRUE(it.currentItem().isNull());
}

TEST_F(DagTest, DependencyNodeWalkFindsTheFourCameras)
{
    std::vector<std::string> cameras;
    for (MItDependencyNodes it(MFn::kCamera); !it.isDone(); it.next()) {
        MDagPath path;
        ASSERT_TRUE(MDagPath::getAPathTo(it.thisNode(), path));
        cameras.push_back(MFnDependencyNode(path.transform()).name().asChar());
    }
    EXPECT_EQ(cameras, (std::vector<std::string>{"persp", "top", "front", "side"}));
    unsigned int all = 0;
    for (MItDependencyNodes it; !it.isDone(); it.next())
        ++all;
    EXPECT_EQ(all, 9u); // four transforms, four shapes, defaultResolution
}

TEST_F(DagTest, PathsAnswerNodeTransformLengthAndPop)
{
    MDagPath path = MDagPath::getAPathTo(node("perspShape"));
    ASSERT_TRUE(path.isValid());
    EXPECT_EQ(path.length(), 2u);
    EXPECT_EQ(path.apiType(), MFn::kCamera);
    EXPECT_STREQ(path.fullPathName().asChar(), "|persp|perspShape");
    EXPECT_STREQ(path.partialPathName().asChar(), "perspShape");
    EXPECT_EQ(path.transform(), node("persp"));

    ASSERT_TRUE(path.pop());
    EXPECT_EQ(path.node(), node("persp"));
    EXPECT_EQ(path.transform(), node("persp"));
    // A transform's path reaches its camera shape's function set.
    EXPECT_TRUE(path.hasFn(MFn::kCamera));
    EXPECT_TRUE(MFnCamera(path).object() == node("perspShape"));
    ASSERT_TRUE(path.pop());
    EXPECT_EQ(path.length(), 0u);
    EXPECT_EQ(path.apiType(), MFn::kWorld);
    EXPECT_TRUE(path.transform().isNull());
    EXPECT_EQ(path.pop(), MStatus::kInvalidParameter);

    MStatus status;
    MDagPath::getAPathTo(node("defaultResolution"), &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST_F(DagTest, PathOfANodeThatLeavesTheSceneIsInvalid)
{
    MObject group = create("transform", "group");
    MDagPath path = MDagPath::getAPathTo(group);
    scene().detach(*scene().find("group"));
    EXPECT_FALSE(path.isValid());
    EXPECT_TRUE(path.fullPathName().isEmpty());
    EXPECT_FALSE(group.isNull()); // held, not destroyed
}

TEST_F(DagTest, FunctionSetAnswersParentsChildrenAndRefusesCycles)
{
    MObject a = create("transform", "a");
    MObject b = create("transform", "b", "a");
    MFnDagNode fnA(a);
    EXPECT_EQ(fnA.childCount(), 1u);
    EXPECT_EQ(fnA.child(0), b);
    EXPECT_TRUE(MFnDagNode(b).hasParent(a));
    EXPECT_STREQ(MFnDagNode(b).fullPathName().asChar(), "|a|b");
    MStatus status;
    fnA.child(1, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);

    MFnDagNode fnB(b);
    EXPECT_FALSE(fnB.addChild(a)); // a is b's ancestor
    MObject camera = node("perspShape");
    MObject persp = node("persp");
    EXPECT_TRUE(fnA.addChild(persp));
    EXPECT_STREQ(MFnDagNode(camera).fullPathName().asChar(), "|a|persp|perspShape");
    // Shapes only go under transforms.
    MObject shape = node("topShape");
    EXPECT_FALSE(MFnDagNode(camera).addChild(shape));
    EXPECT_FALSE(MFnDagNode(node("defaultResolution"), &status).addChild(a));
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST_F(DagTest, FunctionSetCreatesShapesUnderANewTransform)
{
    MFnDagNode fn;
    MStatus status;
    MObject made = fn.create("camera", MObject::kNullObj, &status);
    ASSERT_TRUE(status);
    EXPECT_EQ(nameOf(made), "camera1");
    EXPECT_EQ(nameOf(MFnDagNode(made).child(0)), "cameraShape1");
    fn.create("noSuchType", MObject::kNullObj, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

} // namespace
} // namespace scenetest
