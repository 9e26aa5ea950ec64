// Scene edits through MDGModifier and MDagModifier: undo takes nodes out
// and keeps them, redo brings the same node objects back.
#include "SceneFixture.h"

#include <maya/MDagModifier.h>
#include <maya/MFnDagNode.h>
#include <maya/MPlug.h>

#include <memory>

namespace scenetest {
namespace {

class ModifierTest : public SceneFixture
{
};

TEST_F(ModifierTest, CreatedNodesComeBackAsTheSameObjectsOnRedo)
{
    auto modifier = std::make_unique<MDagModifier>();
    MStatus status;
    MObject transform = modifier->createNode("transform", MObject::kNullObj, &status);
    ASSERT_TRUE(status);
    modifier->renameNode(transform, "nibline");
    MObject shape = modifier->createNode(TestLocator::kId, transform, &status);
    ASSERT_TRUE(status);
    modifier->renameNode(shape, "niblineShape");
    // Built at once (postConstructor has run) but not yet in the scene.
    TestLocator* user = dynamic_cast<TestLocator*>(MFnDependencyNode(shape).userNode());
    ASSERT_NE(user, nullptr);
    EXPECT_STREQ(user->nameAtConstruction.asChar(), "nbTestLocator1");
    EXPECT_TRUE(node("nibline").isNull());

    ASSERT_TRUE(modifier->doIt());
    EXPECT_EQ(node("nibline"), transform);
    EXPECT_EQ(node("niblineShape"), shape);
    EXPECT_STREQ(MFnDagNode(shape).fullPathName().asChar(), "|nibline|niblineShape");

    ASSERT_TRUE(modifier->undoIt());
    EXPECT_TRUE(node("nibline").isNull());
    EXPECT_FALSE(shape.isNull());
    EXPECT_EQ(TestLocator::destroyed, 0);
    EXPECT_FALSE(MDagPath::getAPathTo(shape).isValid());

    ASSERT_TRUE(modifier->doIt());
    EXPECT_EQ(node("niblineShape"), shape);
    EXPECT_EQ(MFnDependencyNode(shape).userNode(), user);

    // Dropping the step after an undo destroys the nodes it holds.
    modifier->undoIt();
    modifier.reset();
    EXPECT_EQ(TestLocator::destroyed, 1);
    EXPECT_TRUE(shape.isNull());
}

TEST_F(ModifierTest, AShapeWithoutParentGetsATransformThatIsReturned)
{
    MDagModifier modifier;
    MObject made = modifier.createNode("camera");
    ASSERT_TRUE(modifier.doIt());
    EXPECT_TRUE(made.hasFn(MFn::kTransform));
    EXPECT_EQ(nameOf(made), "camera1");
    EXPECT_EQ(nameOf(MFnDagNode(made).child(0)), "cameraShape1");
    // DAG types are refused by the plain DG form.
    MDGModifier dg;
    MStatus status;
    dg.createNode("transform", &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_FALSE(dg.createNode("resolution").isNull());
}

TEST_F(ModifierTest, DeleteRestoresNamesPlacesAndValuesOnUndo)
{
    create("transform", "group");
    create("transform", "first", "group");
    MObject middle = create("transform", "middle", "group");
    create("transform", "last", "group");
    create(TestLocator::kName, "mark", "middle");
    MFnDependencyNode(middle).findPlug("tx", true).setDouble(4.0);

    MDGModifier modifier;
    modifier.deleteNode(node("mark"));
    ASSERT_TRUE(modifier.doIt());
    // The parent left without children goes too.
    EXPECT_TRUE(node("middle").isNull());
    EXPECT_TRUE(node("mark").isNull());
    create("transform", "middle"); // takes the freed name meanwhile
    ASSERT_TRUE(modifier.undoIt());
    MFnDagNode group(node("group"));
    ASSERT_EQ(group.childCount(), 3u);
    EXPECT_EQ(group.child(1), middle);
    EXPECT_EQ(nameOf(middle), "middle1");
    EXPECT_EQ(MFnDependencyNode(middle).findPlug("tx", true).asDouble(), 4.0);
    EXPECT_EQ(nameOf(MFnDagNode(middle).child(0)), "mark");
}

TEST_F(ModifierTest, DefaultNodesCannotBeDeleted)
{
    MDGModifier modifier;
    modifier.deleteNode(node("perspShape"));
    EXPECT_FALSE(modifier.doIt());
    EXPECT_NE(output().errors().find("Cannot delete default node 'persp"), std::string::npos);
    EXPECT_FALSE(node("perspShape").isNull());
}

TEST_F(ModifierTest, ANodeDeletedByALaterStepOutlivesTheStepThatCreatedIt)
{
    auto creating = std::make_unique<MDagModifier>();
    MObject made = creating->createNode(TestLocator::kId);
    ASSERT_TRUE(creating->doIt());
    auto deleting = std::make_unique<MDGModifier>();
    deleting->deleteNode(made);
    ASSERT_TRUE(deleting->doIt());
    // The oldest step goes first (an undo queue past its length).
    creating.reset();
    EXPECT_EQ(TestLocator::destroyed, 0);
    ASSERT_TRUE(deleting->undoIt());
    EXPECT_FALSE(node("transform1").isNull());
    ASSERT_TRUE(deleting->doIt());
    deleting.reset();
    EXPECT_EQ(TestLocator::destroyed, 1);
}

TEST_F(ModifierTest, PlugValuesAndReparentingUndo)
{
    MObject a = create("transform", "a");
    MObject b = create("transform", "b");
    MDagModifier modifier;
    MPlug tx = MFnDependencyNode(a).findPlug("tx", true);
    EXPECT_TRUE(modifier.newPlugValueDouble(tx, 2.5));
    EXPECT_EQ(modifier.newPlugValueString(tx, "text"), MStatus::kInvalidParameter);
    EXPECT_TRUE(modifier.reparentNode(a, b));
    ASSERT_TRUE(modifier.doIt());
    EXPECT_EQ(tx.asDouble(), 2.5);
    EXPECT_STREQ(MFnDagNode(a).fullPathName().asChar(), "|b|a");
    ASSERT_TRUE(modifier.undoIt());
    EXPECT_EQ(tx.asDouble(), 0.0);
    EXPECT_STREQ(MFnDagNode(a).fullPathName().asChar(), "|a");

    // A locked plug makes doIt fail with a message and change nothing more.
    tx.setLocked(true);
    EXPECT_FALSE(modifier.doIt());
    EXPECT_NE(output().errors().find("is locked"), std::string::npos);
}

} // namespace
} // namespace scenetest
