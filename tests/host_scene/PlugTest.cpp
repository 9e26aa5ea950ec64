// Attributes and plugs of every kind: numbers, strings, plug-in data,
// compounds, locks and per-node flags.
#include "SceneFixture.h"

#include <maya/MFnAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPluginData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPlug.h>

#include "scene/NodeType.h"

namespace scenetest {
namespace {

class PlugTest : public SceneFixture
{
protected:
    MPlug plug(const std::string& nodeName, const std::string& attr)
    {
        return MFnDependencyNode(node(nodeName)).findPlug(attr.c_str(), true);
    }

    // A value of the test data type holding the given ints.
    MObject testData(std::vector<int> values)
    {
        MFnPluginData fn;
        MObject object = fn.create(TestData::kId);
        *static_cast<TestData*>(fn.data())->values = std::move(values);
        return object;
    }
};

TEST_F(PlugTest, NumericPlugsStoreValuesAsTheirTypeDoes)
{
    MPlug visibility = plug("persp", "v");
    ASSERT_FALSE(visibility.isNull());
    EXPECT_TRUE(visibility.setDouble(0.25));
    EXPECT_TRUE(visibility.asBool());
    EXPECT_EQ(visibility.asInt(), 1);

    MPlug width = plug("defaultResolution", "width");
    EXPECT_TRUE(width.setDouble(1919.9));
    EXPECT_EQ(width.asInt(), 1919);
    EXPECT_TRUE(width.setDouble(1e300)); // saturates instead of overflowing
    EXPECT_EQ(width.asInt(), 2147483647);

    MPlug aspect = plug("defaultResolution", "deviceAspectRatio");
    EXPECT_TRUE(aspect.setDouble(0.1));
    EXPECT_EQ(aspect.asDouble(), static_cast<double>(0.1f));

    MPlug tx = plug("persp", "translateX");
    double value = 0.0;
    EXPECT_TRUE(tx.setValue(-3.5));
    EXPECT_TRUE(tx.getValue(value));
    EXPECT_EQ(value, -3.5);
    MString text;
    EXPECT_EQ(tx.getValue(text), MStatus::kInvalidParameter);
    EXPECT_EQ(tx.setString("x"), MStatus::kInvalidParameter);
    EXPECT_EQ(tx.asMObject(), MObject());
}

TEST_F(PlugTest, LimitsAndDefaultsOfAPluginAttributeApply)
{
    MObject mark = create(TestLocator::kName, "mark");
    MPlug amount = MFnDependencyNode(mark).findPlug("am", true);
    EXPECT_FLOAT_EQ(amount.asFloat(), 0.5f);
    EXPECT_TRUE(amount.setFloat(3.0f));
    EXPECT_FLOAT_EQ(amount.asFloat(), 1.0f);
    EXPECT_TRUE(amount.setFloat(-1.0f));
    EXPECT_FLOAT_EQ(amount.asFloat(), 0.0f);

    MFnNumericAttribute fn(TestLocator::amountAttr);
    double limit = 0.0;
    EXPECT_TRUE(fn.getMax(limit));
    EXPECT_EQ(limit, 1.0);
    EXPECT_TRUE(fn.isKeyable());
    EXPECT_EQ(fn.unitType(), MFnNumericData::kFloat);
    EXPECT_EQ(MFnNumericAttribute(TestLocator::dataAttr).object(), MObject()); // not numeric
}

TEST_F(PlugTest, StringPlugsHoldText)
{
    MFnTypedAttribute typed;
    MStatus status;
    MObject attr = typed.create("label", "lb", MFnData::kString, MObject::kNullObj, &status);
    ASSERT_TRUE(status);
    EXPECT_EQ(typed.attrType(), MFnData::kString);
    auto type = std::make_shared<nbhost::NodeType>("labelled", MTypeId(0x7F0A10),
                                                   nbhost::NodeType::Kind::Depend,
                                                   std::vector<MFn::Type>{MFn::kDependencyNode});
    ASSERT_TRUE(type->addAttribute(std::dynamic_pointer_cast<nbhost::Attribute>(attr.sharedHostObject())));
    auto labelled = scene().instantiate(type);
    ASSERT_TRUE(scene().insert(labelled, nullptr, "tag"));
    MPlug label(labelled->object(), attr);
    EXPECT_STREQ(label.asString().asChar(), "");
    EXPECT_TRUE(label.setString("a \"quoted\" text"));
    EXPECT_STREQ(label.asString().asChar(), "a \"quoted\" text");
    EXPECT_EQ(label.setDouble(1.0), MStatus::kInvalidParameter);
    scene().detach(*labelled);
    labelled->destroy();
}

TEST_F(PlugTest, DataPlugsTakeCopiesOfValuesOfTheirOwnType)
{
    MObject mark = create(TestLocator::kName, "mark");
    MPlug payload = MFnDependencyNode(mark).findPlug("payload", true);
    // An attribute without a default holds no data, which reads as a null object.
    MStatus status;
    EXPECT_TRUE(payload.asMObject(&status).isNull());
    EXPECT_TRUE(status);

    MObject value = testData({1, 2, 3});
    EXPECT_TRUE(payload.setMObject(value));
    MObject stored = payload.asMObject();
    ASSERT_FALSE(stored.isNull());
    EXPECT_NE(stored, value); // a copy ...
    MFnPluginData fn(stored);
    EXPECT_EQ(*static_cast<TestData*>(fn.data())->values, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(fn.typeId(), TestData::kId);

    // ... and values of another kind are refused without touching the plug.
    EXPECT_EQ(payload.setMObject(MObject()), MStatus::kInvalidParameter);
    EXPECT_EQ(payload.setDouble(2.0), MStatus::kInvalidParameter);
    EXPECT_EQ(payload.asMObject(), stored);
    MFnPluginData wrong;
    EXPECT_TRUE(wrong.create(MTypeId(0x123456)).isNull());
}

TEST_F(PlugTest, LocksBlockWritesAlsoThroughACompoundParent)
{
    MPlug translate = plug("persp", "translate");
    ASSERT_EQ(translate.numChildren(), 3u);
    MPlug tz = translate.child(2);
    EXPECT_STREQ(tz.partialName().asChar(), "tz");
    EXPECT_STREQ(tz.name().asChar(), "persp.translateZ");
    EXPECT_STREQ(tz.partialName(true, false, false, false, true, true).asChar(),
                 "persp.translate.translateZ");
    EXPECT_EQ(tz.parent(), translate);
    EXPECT_TRUE(tz.isChild());

    EXPECT_TRUE(translate.setLocked(true));
    EXPECT_TRUE(tz.isLocked());
    EXPECT_EQ(tz.setDouble(5.0), MStatus::kFailure);
    EXPECT_EQ(tz.asDouble(), 28.0);
    EXPECT_TRUE(translate.setLocked(false));
    EXPECT_TRUE(tz.setDouble(5.0));
    // Locks belong to the node, not to the attribute.
    EXPECT_TRUE(plug("top", "tz").setDouble(1.0));
}

TEST_F(PlugTest, KeyableAndChannelBoxArePerNode)
{
    MObject first = create(TestLocator::kName, "first");
    MObject second = create(TestLocator::kName, "second");
    MPlug lpy = MFnDependencyNode(first).findPlug("localPositionY", true);
    EXPECT_TRUE(lpy.isKeyable());
    EXPECT_TRUE(lpy.setKeyable(false));
    EXPECT_TRUE(lpy.setChannelBox(false));
    EXPECT_FALSE(lpy.isKeyable());
    MPlug other = MFnDependencyNode(second).findPlug("localPositionY", true);
    EXPECT_TRUE(other.isKeyable());
    EXPECT_TRUE(MFnAttribute(MPxLocatorNode::localPositionY).isKeyable());
}

TEST_F(PlugTest, NullPlugsFailEverything)
{
    MStatus status;
    MPlug missing = MFnDependencyNode(node("persp")).findPlug("noSuchAttr", true, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_TRUE(missing.isNull());
    EXPECT_EQ(missing.setDouble(1.0), MStatus::kInvalidParameter);
    missing.asDouble(&status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_EQ(missing.setLocked(true), MStatus::kInvalidParameter);
    // An attribute of another type gives a null plug too.
    EXPECT_TRUE(MPlug(node("persp"), TestLocator::amountAttr).isNull());
}

TEST_F(PlugTest, AttributeCreationRefusesBadInput)
{
    MFnNumericAttribute numeric;
    MStatus status;
    EXPECT_TRUE(numeric.create("", "x", MFnNumericData::kFloat, 0.0, &status).isNull());
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_TRUE(numeric.create("pair", "pr", MFnNumericData::k2Float, 0.0, &status).isNull());
    MObject x = numeric.create("offX", "ox", MFnNumericData::kDouble);
    MObject y = numeric.create("offY", "oy", MFnNumericData::kDouble);
    MObject offset = numeric.create("offset", "of", x, y, MObject::kNullObj, &status);
    ASSERT_TRUE(status);
    EXPECT_EQ(numeric.unitType(), MFnNumericData::k2Double);
    // A child belongs to one compound only.
    EXPECT_TRUE(numeric.create("again", "ag", x, y, MObject::kNullObj, &status).isNull());

    MFnTypedAttribute typed;
    EXPECT_TRUE(typed.create("blob", "bl", MTypeId(0x999999), MObject::kNullObj, &status).isNull());
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    // Outside a type's initialisation attributes cannot be added.
    EXPECT_EQ(MPxNode::addAttribute(offset), MStatus::kInvalidParameter);
}

} // namespace
} // namespace scenetest
