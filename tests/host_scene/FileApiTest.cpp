// The internal scene interface the scene-file readers and writers use:
// node order, creation during a read, values of every kind, plug-in data
// through the type's readers and writers.
#include "SceneFixture.h"

#include <maya/MFnPluginData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPlug.h>

#include "scene/PluginDataObject.h"

#include <sstream>

namespace scenetest {
namespace {

using nbhost::FileReadState;
using nbhost::PlugValue;

class FileApiTest : public SceneFixture
{
};

TEST_F(FileApiTest, FileOrderPutsParentsBeforeChildrenThenOtherNodes)
{
    create("transform", "late");
    create("transform", "early");
    scene().reparent(*scene().find("late"), scene().find("early").get());
    create("resolution", "extraResolution");
    std::vector<std::string> names;
    for (const auto& node : scene().fileOrder())
        names.push_back(node->name() + (node->parent() && !node->parent()->isWorld()
                                            ? "<" + node->parent()->name()
                                            : ""));
    const std::vector<std::string> expected{
        "persp", "perspShape<persp", "top", "topShape<top", "front", "frontShape<front",
        "side", "sideShape<side", "early", "late<early", "defaultResolution", "extraResolution"};
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(scene().find("persp")->isDefaultNode());
    EXPECT_FALSE(scene().find("early")->isDefaultNode());
}

TEST_F(FileApiTest, ReadStateNestsAndNodesMadeDuringAReadSeeIt)
{
    EXPECT_FALSE(FileReadState::isReadingFile());
    {
        FileReadState::Scope opening(FileReadState::Mode::Opening);
        {
            FileReadState::Scope referencing(FileReadState::Mode::Referencing);
            EXPECT_TRUE(FileReadState::isOpeningFile());
            EXPECT_TRUE(FileReadState::isReferencingFile());
            EXPECT_FALSE(FileReadState::isImportingFile());
            std::string error;
            auto made = scene().createNode(TestLocator::kName, "readMark", nullptr, &error);
            ASSERT_NE(made, nullptr) << error;
            EXPECT_TRUE(static_cast<TestLocator*>(made->userNode())->sawReading);
        }
        EXPECT_FALSE(FileReadState::isReferencingFile());
    }
    EXPECT_FALSE(FileReadState::isReadingFile());
}

TEST_F(FileApiTest, DataValuesAreMadeByTheTypeAndReadFromBytesOrTokens)
{
    auto mark = scene().createNode(TestLocator::kName, "mark", nullptr);
    auto attr = mark->findAttribute("payload");
    ASSERT_NE(attr, nullptr);

    // Binary: a value from the creator, filled by readBinary.
    std::string error;
    MObject value = nbhost::DataTypeRegistry::instance().createValue(TestData::kName, &error);
    ASSERT_FALSE(value.isNull()) << error;
    const int ints[2] = {7, -8};
    std::istringstream bytes(std::string(reinterpret_cast<const char*>(ints), sizeof ints));
    auto* data = nbhost::PluginDataObject::from(value)->data();
    ASSERT_TRUE(data->readBinary(bytes, sizeof ints));
    ASSERT_TRUE(mark->setValue(*attr, PlugValue::ofData(value)));

    // Writing gives back what was read.
    PlugValue stored = mark->value(*attr);
    ASSERT_EQ(stored.kind, PlugValue::Kind::Data);
    std::ostringstream text;
    nbhost::PluginDataObject::from(stored.data)->data()->writeASCII(text);
    EXPECT_EQ(text.str(), "2 7 -8");

    // Values of the wrong kind are refused; an unknown type has no values.
    EXPECT_FALSE(mark->setValue(*attr, PlugValue::ofNumber(1.0)));
    EXPECT_FALSE(mark->setValue(*mark->findAttribute("lpx"), PlugValue::ofString("x")));
    EXPECT_TRUE(nbhost::DataTypeRegistry::instance().createValue("noSuchData", &error).isNull());
    EXPECT_NE(error.find("unknown data type"), std::string::npos);
}

TEST_F(FileApiTest, DefaultDataIsCopiedForEachNode)
{
    MFnPluginData fn;
    MObject defaultValue = fn.create(TestData::kId);
    static_cast<TestData*>(fn.data())->values->push_back(42);
    MFnTypedAttribute typed;
    MObject attrObject = typed.create("seeded", "sd", TestData::kId, defaultValue);
    ASSERT_FALSE(attrObject.isNull());
    auto type = std::make_shared<nbhost::NodeType>("seededNode", MTypeId(0x7F0A30),
                                                   nbhost::NodeType::Kind::Depend,
                                                   std::vector<MFn::Type>{MFn::kDependencyNode});
    auto attr = std::dynamic_pointer_cast<nbhost::Attribute>(attrObject.sharedHostObject());
    ASSERT_TRUE(type->addAttribute(attr));
    auto first = scene().instantiate(type);
    auto second = scene().instantiate(type);
    const MObject a = first->value(*attr).data;
    const MObject b = second->value(*attr).data;
    EXPECT_NE(a, b);
    EXPECT_NE(a, defaultValue);
    EXPECT_EQ(*static_cast<TestData*>(MFnPluginData(a).data())->values, std::vector<int>{42});
    first->destroy();
    second->destroy();
}

TEST_F(FileApiTest, InsertRefusesWhatCannotBeInTheScene)
{
    std::string error;
    auto shape = scene().instantiate(nbhost::NodeTypeRegistry::instance().find("camera"));
    EXPECT_FALSE(scene().insert(shape, nullptr, "loose", -1, &error));
    EXPECT_NE(error.find("needs a transform"), std::string::npos);
    EXPECT_FALSE(scene().insert(shape, scene().find("perspShape").get(), "", -1, &error));
    auto resolution = scene().instantiate(nbhost::NodeTypeRegistry::instance().find("resolution"));
    EXPECT_FALSE(scene().insert(resolution, scene().find("persp").get(), "", -1, &error));
    EXPECT_FALSE(scene().insert(resolution, nullptr, "???", -1, &error));
    EXPECT_TRUE(scene().insert(resolution, nullptr, "", -1, &error));
    EXPECT_FALSE(scene().insert(resolution, nullptr, "", -1, &error)); // already in
    shape->destroy();
    EXPECT_FALSE(scene().insert(shape, scene().find("persp").get(), "", -1, &error));
    EXPECT_EQ(scene().createNode("world", "", nullptr, &error), nullptr);
}

} // namespace
} // namespace scenetest
