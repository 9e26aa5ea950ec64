// Plug-in node and data types through the host's registries.
#include "SceneFixture.h"

#include <maya/MFnPluginData.h>
#include <maya/MFnDagNode.h>
#include <maya/MItDag.h>

#include "scene/FileReadState.h"

namespace scenetest {
namespace {

using nbhost::DataTypeRegistry;
using nbhost::NodeTypeRegistry;

class PluginTypesTest : public SceneFixture
{
protected:
    TestLocator* userNode(const MObject& object)
    {
        return dynamic_cast<TestLocator*>(MFnDependencyNode(object).userNode());
    }
};

TEST_F(PluginTypesTest, ANewNodeHasItsAttributesBeforePostConstructorRuns)
{
    MObject mark = create(TestLocator::kName, "mark");
    TestLocator* user = userNode(mark);
    ASSERT_NE(user, nullptr);
    EXPECT_TRUE(user->sawLocalPosition);
    EXPECT_FALSE(user->sawReading);
    EXPECT_EQ(user->thisMObject(), mark);
    EXPECT_STREQ(user->name().asChar(), "mark");
    EXPECT_STREQ(user->typeName().asChar(), TestLocator::kName);
    EXPECT_EQ(user->type(), MPxNode::kLocatorNode);
    MFnDependencyNode fn(mark);
    EXPECT_TRUE(fn.findPlug("localPositionX", true).isLocked());
    EXPECT_EQ(fn.typeId(), TestLocator::kId);
    EXPECT_TRUE(fn.hasAttribute("template"));
    EXPECT_TRUE(mark.hasFn(MFn::kPluginLocatorNode));
    EXPECT_EQ(nameOf(MFnDagNode(mark).parent(0)), "transform1");

    nbhost::FileReadState::Scope reading(nbhost::FileReadState::Mode::Opening);
    EXPECT_TRUE(userNode(create(TestLocator::kName))->sawReading);
}

TEST_F(PluginTypesTest, RegistrationRefusesClashesUnsupportedKindsAndFailingInitializers)
{
    auto& nodes = NodeTypeRegistry::instance();
    std::string error;
    EXPECT_FALSE(nodes.registerPluginType(TestLocator::kName, MTypeId(0x7F0A20), &TestLocator::creator,
                                          nullptr, MPxNode::kLocatorNode, "", &error));
    EXPECT_NE(error.find("already registered"), std::string::npos);
    EXPECT_EQ(nodes.registerPluginType("nbDeformer", MTypeId(0x7F0A21), &TestLocator::creator, nullptr,
                                       MPxNode::kDeformerNode, "", &error),
              MStatus::kNotImplemented);
    TestLocator::failInitialize = true;
    EXPECT_FALSE(nodes.registerPluginType("nbBroken", MTypeId(0x7F0A22), &TestLocator::creator,
                                          &TestLocator::initialize, MPxNode::kLocatorNode, "", &error));
    TestLocator::failInitialize = false;
    EXPECT_EQ(nodes.find("nbBroken"), nullptr);
    EXPECT_EQ(nodes.find(TestLocator::kId)->classification(), "drawdb/geometry/nbTestLocator");

    auto& data = DataTypeRegistry::instance();
    EXPECT_FALSE(data.registerType(TestData::kName, MTypeId(0x7F0A23), &TestData::creator,
                                   MPxData::kData));
    EXPECT_EQ(data.registerType("nbGeometry", MTypeId(0x7F0A24), &TestData::creator,
                                MPxData::kGeometryData),
              MStatus::kNotImplemented);
    EXPECT_EQ(data.find(TestData::kName)->id, TestData::kId);
}

TEST_F(PluginTypesTest, TypesInUseCannotBeDeregistered)
{
    MObject mark = create(TestLocator::kName, "mark");
    MPlug payload = MFnDependencyNode(mark).findPlug("payload", true);
    MFnPluginData fn;
    MObject value = fn.create(TestData::kId);
    ASSERT_TRUE(payload.setMObject(value));
    std::string error;
    EXPECT_FALSE(NodeTypeRegistry::instance().deregisterPluginType(TestLocator::kId, &error));
    EXPECT_NE(error.find("still exist"), std::string::npos);
    EXPECT_FALSE(DataTypeRegistry::instance().deregisterType(TestData::kId));
    EXPECT_EQ(NodeTypeRegistry::instance().deregisterPluginType(MTypeId(0x5846524d)),
              MStatus::kNotFound); // built-in transform
}

TEST_F(PluginTypesTest, DeregisteringDropsUndoStepsThatHoldNodesOfTheType)
{
    ASSERT_TRUE(eval(std::string("createNode ") + TestLocator::kName + "; undo").ok);
    EXPECT_EQ(TestLocator::destroyed, 0); // kept for redo
    EXPECT_TRUE(NodeTypeRegistry::instance().deregisterPluginType(TestLocator::kId));
    EXPECT_EQ(TestLocator::destroyed, 1);
    EXPECT_TRUE(DataTypeRegistry::instance().deregisterType(TestData::kId));
    EXPECT_FALSE(eval(std::string("createNode ") + TestLocator::kName).ok);
}

TEST_F(PluginTypesTest, DestroyingANodeRunsThePluginDestructorAndReleasesItsData)
{
    const int liveBefore = TestData::live;
    MObject mark = create(TestLocator::kName, "mark");
    {
        MFnPluginData fn;
        MObject value = fn.create(TestData::kId);
        MFnDependencyNode(mark).findPlug("payload", true).setMObject(value);
    }
    EXPECT_EQ(TestData::live, liveBefore + 1); // the plug's copy

    auto transform = scene().find("mark")->parent()->shared();
    scene().detach(*transform);
    EXPECT_EQ(TestLocator::destroyed, 0);
    transform->destroy(); // and the shape below it
    EXPECT_EQ(TestLocator::destroyed, 1);
    EXPECT_EQ(TestData::live, liveBefore);
    EXPECT_TRUE(mark.isNull());
    EXPECT_EQ(MFnDependencyNode(mark).userNode(), nullptr);
}

TEST_F(PluginTypesTest, ResettingTheSceneDestroysPluginNodes)
{
    create(TestLocator::kName);
    create(TestLocator::kName);
    scene().reset();
    EXPECT_EQ(TestLocator::destroyed, 2);
    MItDag it(MItDag::kDepthFirst, MFn::kPluginLocatorNode);
    EXPECT_TRUE(it.isDone());
    EXPECT_FALSE(node("persp").isNull());
}

} // namespace
} // namespace scenetest
