// setAttr and getAttr through the script language: every kind of value,
// plug-in data read by its type, locks and flags, undo, bad input.
#include "CommandFixture.h"

#include <maya/MFnPluginData.h>
#include <maya/MPlug.h>

namespace scenetest {
namespace {

class AttrCommandsTest : public CommandFixture
{
protected:
    std::vector<int> payload(const std::string& nodeName)
    {
        MObject data = MFnDependencyNode(node(nodeName)).findPlug("payload", true).asMObject();
        if (data.isNull())
            return {};
        return *static_cast<TestData*>(MFnPluginData(data).data())->values;
    }
};

TEST_F(AttrCommandsTest, NumbersBooleansCompoundsAndStringsRoundTrip)
{
    run("setAttr persp.tx 1.5; setAttr persp.v on; setAttr defaultResolution.w 1280.7");
    EXPECT_EQ(run("getAttr persp.tx").asFloat(), 1.5);
    EXPECT_EQ(run("getAttr persp.v").asInt(), 1);
    EXPECT_EQ(run("getAttr defaultResolution.width").type(), nbhost::Value::Type::Int);
    EXPECT_EQ(run("getAttr defaultResolution.width").asInt(), 1280);
    run("setAttr persp.rotate -type double3 10 20 30");
    EXPECT_EQ(run("getAttr persp.r").asFloatArray(), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(text("getAttr -type persp.r"), "double3");
    EXPECT_EQ(text("getAttr -type persp.v"), "bool");
}

TEST_F(AttrCommandsTest, PluginDataIsReadByItsTypeAfterTheLastCreatedNode)
{
    run(std::string("createNode ") + TestLocator::kName + " -n mark");
    run(std::string("setAttr \".pl\" -type \"") + TestData::kName + "\" 3 -1 20 7");
    EXPECT_EQ(payload("mark"), (std::vector<int>{-1, 20, 7}));
    EXPECT_EQ(text("getAttr -type mark.payload"), TestData::kName);
    EXPECT_NE(failure("getAttr mark.payload").find("has no value to show"), std::string::npos);

    run(std::string("setAttr mark.pl -type ") + TestData::kName + " 1 5");
    run("undo");
    EXPECT_EQ(payload("mark"), (std::vector<int>{-1, 20, 7}));

    // A value its type cannot read, or without -type, changes nothing.
    EXPECT_NE(failure(std::string("setAttr mark.pl -type ") + TestData::kName + " 4 1 2")
                  .find("could not be read"),
              std::string::npos);
    EXPECT_NE(failure("setAttr mark.pl 1 5").find("needs -type \"nbTestData\""), std::string::npos);
    EXPECT_EQ(payload("mark"), (std::vector<int>{-1, 20, 7}));
}

TEST_F(AttrCommandsTest, LocksKeyableAndChannelBoxAreSetAndUndone)
{
    run("setAttr -lock on persp.tx");
    EXPECT_EQ(run("getAttr -l persp.tx").asInt(), 1);
    EXPECT_NE(failure("setAttr persp.tx 2").find("is locked"), std::string::npos);
    // Unlocking and setting in one call unlocks first.
    run("setAttr -l off persp.tx 2");
    EXPECT_EQ(run("getAttr persp.tx").asFloat(), 2.0);
    run("setAttr -k off -cb on persp.ty");
    EXPECT_EQ(run("getAttr -k persp.ty").asInt(), 0);
    EXPECT_EQ(run("getAttr -cb persp.ty").asInt(), 1);
    run("undo; undo");
    EXPECT_EQ(run("getAttr -l persp.tx").asInt(), 1);
    EXPECT_EQ(run("getAttr -k persp.ty").asInt(), 1);
    // Locking a compound locks its children.
    run("setAttr -l on persp.t");
    EXPECT_EQ(run("getAttr -l persp.tz").asInt(), 1);
}

TEST_F(AttrCommandsTest, BadInputIsReportedAndChangesNothing)
{
    const size_t steps = host().undoQueue().undoCount();
    EXPECT_NE(failure("setAttr persp.tx abc").find("'abc' is not a number"), std::string::npos);
    EXPECT_NE(failure("setAttr persp.t 1 2").find("takes 3 values, not 2"), std::string::npos);
    EXPECT_NE(failure("setAttr persp.tx").find("Not enough data"), std::string::npos);
    EXPECT_NE(failure("setAttr persp.ghost 1").find("No object matches name: persp.ghost"),
              std::string::npos);
    EXPECT_NE(failure("setAttr persp 1").find("does not name an attribute"), std::string::npos);
    EXPECT_NE(failure("setAttr -bogus 1 persp.tx 1").find("Invalid flag: -bogus"), std::string::npos);
    EXPECT_NE(failure("setAttr -l maybe persp.tx").find("needs on or off"), std::string::npos);
    EXPECT_NE(failure("setAttr persp.tx -type string x").find("not string"), std::string::npos);
    EXPECT_NE(failure("getAttr ghost.tx").find("No object matches name"), std::string::npos);
    EXPECT_EQ(host().undoQueue().undoCount(), steps);
    EXPECT_EQ(run("getAttr persp.tx").asFloat(), 28.0);

    // ".attr" needs a node made by createNode in this scene.
    scene().reset();
    EXPECT_NE(failure("setAttr \".tx\" 1").find("no node was created"), std::string::npos);
}

} // namespace
} // namespace scenetest
