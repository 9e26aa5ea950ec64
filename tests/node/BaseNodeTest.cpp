#include "NodeTest.h"

#include "base/Settings.h"
#include "scene/FileReadState.h"

#include <maya/MFnPluginData.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>

namespace nodetest {
namespace {

class BaseNodeTest : public NodeTest
{
protected:
    void SetUp() override
    {
        NodeTest::SetUp();
        saved = {Settings::automaticallyAddFirstLayer, Settings::alwaysDisplayNewLayerDialog,
                 Settings::insertDefaultStaticFrame, Settings::defaultStaticFrameTime,
                 Settings::timelineFrameDisplay, Settings::ghostPrev};
        Settings::automaticallyAddFirstLayer = true;
        Settings::alwaysDisplayNewLayerDialog = false;
    }
    void TearDown() override
    {
        Settings::automaticallyAddFirstLayer = saved.autoLayer;
        Settings::alwaysDisplayNewLayerDialog = saved.dialog;
        Settings::insertDefaultStaticFrame = saved.staticFrame;
        Settings::defaultStaticFrameTime = saved.staticTime;
        Settings::timelineFrameDisplay = saved.display;
        Settings::ghostPrev = saved.ghostPrev;
        BaseNode::SetDrawContextActive(false);
        NodeTest::TearDown();
    }

    // Gives the node the document read from a record, as a file read does.
    void SetStoredDocument(BaseNode* node, bool master)
    {
        MFnPluginData fn;
        MObject value = fn.create(BaseNodeLayerData::GetTypeID());
        auto* data = static_cast<BaseNodeLayerData*>(fn.data());
        const std::string record = master ? "1 1 \"\" 0" : "1 0 \"\" 0";
        ASSERT_TRUE(ReadText(*data, record));
        ASSERT_TRUE(MPlug(node->thisMObject(), BaseNode::layerDataAttribute).setValue(value));
    }

    std::string Prepare(BaseNode* node, const QString& camera, int& newLayer, bool& frameAdded)
    {
        output().clear();
        newLayer = -1;
        frameAdded = false;
        const bool ok = node->PrepareForDraw(camera, newLayer, frameAdded);
        return (ok ? "ok " : "refused ") + output().errors();
    }

    struct
    {
        bool autoLayer, dialog, staticFrame;
        int staticTime, display;
        bool ghostPrev;
    } saved;
};

TEST_F(BaseNodeTest, FirstNodeMadeBecomesMasterAndStaysItInDagOrder)
{
    BaseNode* a = CreateNode("a");
    BaseNode* b = CreateNode("b");
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(BaseNode::IsMaster(a));
    EXPECT_FALSE(BaseNode::IsMaster(b));
    EXPECT_EQ(BaseNode::GetAll(), QList<BaseNode*>({a, b}));
    b->GetLayerManager()->MakeMaster();
    EXPECT_EQ(BaseNode::GetMaster(), a);
    ASSERT_TRUE(eval("delete a").ok);
    EXPECT_EQ(BaseNode::GetMaster(), b);
    EXPECT_FALSE(BaseNode::IsMaster(nullptr));
}

TEST_F(BaseNodeTest, NodeReadFromAFileTakesItsDocumentAndMasterFromTheStoredValue)
{
    BaseNode* stored = nullptr;
    BaseNode* storedMaster = nullptr;
    {
        nbhost::FileReadState::Scope opening(nbhost::FileReadState::Mode::Opening);
        stored = CreateNode("stored");
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->GetLayerManager(), nullptr);
        SetStoredDocument(stored, false);
        storedMaster = CreateNode("storedMaster");
        SetStoredDocument(storedMaster, true);
    }
    EXPECT_NE(stored->GetLayerManager(), nullptr);
    EXPECT_EQ(BaseNode::GetMaster(), storedMaster);
    EXPECT_EQ(output().errors(), "");
}

TEST_F(BaseNodeTest, NewNodeIsTemplatedWithItsLocalPositionAndScaleLocked)
{
    BaseNode* node = CreateNode("n");
    MFnDependencyNode fn(node->thisMObject());
    for (const char* name : {"localPositionX", "localPositionZ", "localScaleY"}) {
        MPlug plug = fn.findPlug(name, false);
        EXPECT_TRUE(plug.isLocked()) << name;
        EXPECT_FALSE(plug.isKeyable()) << name;
        EXPECT_FALSE(plug.isChannelBox()) << name;
    }
    EXPECT_TRUE(fn.findPlug("template", false).asBool());
    EXPECT_FLOAT_EQ(node->GetOpacity(), 1.0f);
    node->SetOpacity(3.0f);
    EXPECT_FLOAT_EQ(node->GetOpacity(), 1.0f);
}

TEST_F(BaseNodeTest, SelectionFindsTheNodeByItselfOrItsTransformOnly)
{
    BaseNode* node = CreateNode("n");
    const auto selected = [this](const std::string& script) {
        EXPECT_TRUE(eval(script).ok) << output().errors();
        return BaseNode::GetSelected();
    };
    EXPECT_EQ(selected("select -r n"), node);
    EXPECT_EQ(selected("select -r nShape"), node);
    EXPECT_EQ(selected("select -r n persp"), nullptr);
    EXPECT_EQ(selected("select -r persp"), nullptr);
    EXPECT_EQ(selected("select -cl"), nullptr);
}

TEST_F(BaseNodeTest, PrepareForDrawRefusesWithItsMessages)
{
    BaseNode* node = CreateNode("n");
    int newLayer = -1;
    bool frameAdded = false;
    EXPECT_EQ(Prepare(node, "", newLayer, frameAdded), "refused ");

    Settings::automaticallyAddFirstLayer = false;
    EXPECT_EQ(Prepare(node, "persp", newLayer, frameAdded),
              "refused [Nibline2] A layer does not exist for the current camera\n");
    Settings::automaticallyAddFirstLayer = true;
    Settings::alwaysDisplayNewLayerDialog = true;
    EXPECT_EQ(Prepare(node, "persp", newLayer, frameAdded).substr(0, 8), "refused ");
    EXPECT_EQ(node->LayerCount("persp"), 0);
    Settings::alwaysDisplayNewLayerDialog = false;

    node->InsertLayer("persp", 0, MakeLayer("L", {}));
    node->SetLayerVisible("persp", 0, false);
    EXPECT_EQ(Prepare(node, "persp", newLayer, frameAdded),
              "refused [Nibline2] Active layer is not visible.\n");
    node->SetLayerVisible("persp", 0, true);
    node->SetLayerState("persp", 0, LAYER_STATE_LOCKED);
    EXPECT_EQ(Prepare(node, "persp", newLayer, frameAdded),
              "refused [Nibline2] Active layer is locked.\n");

    node->SetLayerState("persp", 0, LAYER_STATE_STATIC);
    const std::string staticRefusal =
        "refused [Nibline2] Static layer: A frame is required at or before the current time.\n";
    Settings::insertDefaultStaticFrame = false;
    EXPECT_EQ(Prepare(node, "persp", newLayer, frameAdded), staticRefusal);
    Settings::insertDefaultStaticFrame = true;
    Settings::defaultStaticFrameTime = 50;  // after the current time, 1
    EXPECT_EQ(Prepare(node, "persp", newLayer, frameAdded), staticRefusal);
    EXPECT_FALSE(node->FrameExists("persp"));
    EXPECT_EQ(newLayer, -1);
}

TEST_F(BaseNodeTest, PrepareForDrawAddsTheLayerAndFrameDrawingNeeds)
{
    BaseNode* node = CreateNode("n");
    int newLayer = -1;
    bool frameAdded = false;
    ASSERT_TRUE(eval("currentTime 7").ok);
    EXPECT_EQ(Prepare(node, "persp", newLayer, frameAdded), "ok ");
    EXPECT_EQ(newLayer, 0);
    EXPECT_TRUE(frameAdded);
    EXPECT_TRUE(node->FrameExists("persp", MTime(7.0, MTime::uiUnit())));
    // Again at the same time: nothing more is needed.
    EXPECT_EQ(Prepare(node, "persp", newLayer, frameAdded), "ok ");
    EXPECT_EQ(newLayer, -1);
    EXPECT_FALSE(frameAdded);

    node->SetLayerState("persp", 0, LAYER_STATE_STATIC);
    node->InsertLayer("top", 0, MakeLayer("S", {}, LAYER_STATE_STATIC));
    Settings::insertDefaultStaticFrame = true;
    Settings::defaultStaticFrameTime = -999;
    EXPECT_EQ(Prepare(node, "top", newLayer, frameAdded), "ok ");
    EXPECT_TRUE(frameAdded);
    EXPECT_TRUE(node->FrameExists("top", MTime(-999.0, MTime::uiUnit())));
}

TEST_F(BaseNodeTest, ClipboardHoldsTheSelectedRangeWithTimesFromItsStart)
{
    BaseNode* node = CreateNode("n");
    node->InsertLayer("persp", 0, MakeLayer("L", {9, 10, 12, 14, 15}));
    ASSERT_TRUE(eval("timeControl -e -highlightedRange 10 15 $gPlayBackSlider").ok);
    node->CopyFramesToClipboard("persp");
    QList<int> times;
    for (Frame* frame : node->GetClipboardFrames()) {
        times.append(frame->GetTimeValue());
        EXPECT_TRUE(frame->IsPacked());
    }
    EXPECT_EQ(times, QList<int>({0, 2, 4}));
    EXPECT_EQ(node->GetClipboardFrames()[0]->GetImage().pixelColor(0, 0).red(), 10);

    ASSERT_TRUE(eval("timeControl -e -highlightedRange 20 30 $gPlayBackSlider").ok);
    node->CopyFramesToClipboard("persp");
    EXPECT_TRUE(node->GetClipboardFrames().isEmpty());
}

TEST_F(BaseNodeTest, PlaybackTimeReachesTheLayersOfEveryNode)
{
    BaseNode* a = CreateNode("a");
    BaseNode* b = CreateNode("b");
    a->InsertLayer("persp", 0, MakeLayer("A", {1, 5}));
    b->InsertLayer("top", 0, MakeLayer("B", {1, 3, 8}));
    ASSERT_TRUE(eval("currentTime 6").ok);
    BaseNode::UpdatePlaybackTime();
    EXPECT_EQ(a->GetLayer("persp", 0)->GetCurrentFrameIndex(), 1);
    EXPECT_EQ(b->GetLayer("top", 0)->GetCurrentFrameIndex(), 1);
}

TEST_F(BaseNodeTest, ActiveLayerChangeWithGhostingComposesBothCamerasAgain)
{
    BaseNode* node = CreateNode("n");
    node->InsertLayer("persp", 0, MakeLayer("P", {1}));
    node->InsertLayer("top", 0, MakeLayer("T", {1}));
    auto manager = node->GetLayerManager();
    manager->SetActiveCamera("persp");
    manager->MasterCacheUpdateCompleted("persp");
    manager->MasterCacheUpdateCompleted("top");
    Settings::ghostPrev = true;
    EXPECT_TRUE(node->SetActiveLayer("top", 0, true));
    EXPECT_TRUE(manager->MasterCacheUpdateRequired("persp"));
    EXPECT_TRUE(manager->MasterCacheUpdateRequired("top"));
    EXPECT_EQ(node->GetActiveCamera(), "top");
    EXPECT_EQ(node->GetPreviousActiveCamera(), "persp");
}

TEST_F(BaseNodeTest, TimelineMarksShowByTheDisplaySetting)
{
    BaseNode* node = CreateNode("n");
    Settings::timelineFrameDisplay = 0;
    EXPECT_TRUE(BaseNode::TimeControlOverlayIsVisible(node));
    EXPECT_FALSE(BaseNode::TimeControlOverlayIsVisible(nullptr));
    Settings::timelineFrameDisplay = 2;
    EXPECT_FALSE(BaseNode::TimeControlOverlayIsVisible(node));
    Settings::timelineFrameDisplay = 1;
    ASSERT_TRUE(eval("select -cl").ok);
    EXPECT_FALSE(BaseNode::TimeControlOverlayIsVisible(node));
    BaseNode::SetDrawContextActive(true);
    EXPECT_TRUE(BaseNode::TimeControlOverlayIsVisible(node));
    BaseNode::SetDrawContextActive(false);
    ASSERT_TRUE(eval("select -r n").ok);
    EXPECT_TRUE(BaseNode::TimeControlOverlayIsVisible(node));
}

TEST_F(BaseNodeTest, WithoutADocumentEveryOperationIsNeutral)
{
    BaseNode* node = nullptr;
    {
        nbhost::FileReadState::Scope opening(nbhost::FileReadState::Mode::Opening);
        node = CreateNode("empty");
    }
    int newLayer = -1;
    bool frameAdded = false;
    EXPECT_EQ(node->InsertLayer("persp", 0, QString("L")), -1);
    EXPECT_EQ(node->AddFrame("persp"), -1);
    EXPECT_EQ(node->GetActiveCamera(), "");
    EXPECT_FALSE(node->PrepareForDraw("persp", newLayer, frameAdded));
    node->CopyFramesToClipboard("persp");
    EXPECT_TRUE(node->GetClipboardFrames().isEmpty());
    EXPECT_EQ(output().errors(), "");
}

} // namespace
} // namespace nodetest
