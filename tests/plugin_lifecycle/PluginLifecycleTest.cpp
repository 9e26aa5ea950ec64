#include "LifecycleTest.h"

#include "base/Settings.h"
#include "events/ScriptJobs.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "node/BaseNode.h"
#include "plugin/HostCallbacks.h"
#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"

#include <maya/MFnDependencyNode.h>

#include <QFile>

#include <map>

namespace lifecycletest {
namespace {

const char* const EVENTS[] = {"SelectionChanged", "timeChanged", "timeUnitChanged", "SceneOpened",
                              "quitApplication", "Undo", "Redo"};

BaseNode* Node(const std::string& name)
{
    auto node = nbhost::Scene::instance().find(name);
    return node ? dynamic_cast<BaseNode*>(MFnDependencyNode(node->object()).userNode()) : nullptr;
}

TEST_F(LifecycleTest, LoadsAndUnloadsInBatchWithoutAMenu)
{
    // The host may follow some of these events itself.
    std::map<std::string, size_t> before;
    for (const char* event : EVENTS)
        before[event] = Listeners(event);
    ASSERT_TRUE(Load());
    EXPECT_EQ(output().errors(), "");
    EXPECT_FALSE(Settings::guiEnabled);
    EXPECT_EQ(plugin->vendor(), Settings::AUTHOR.toStdString());
    EXPECT_EQ(plugin->version(), "2.5.4");
    EXPECT_TRUE(nbhost::NodeTypeRegistry::instance().find("vxNibline"));
    EXPECT_TRUE(nbhost::DataTypeRegistry::instance().find("vxLayerData"));
    for (const char* event : EVENTS)
        EXPECT_EQ(Listeners(event), before[event] + 1) << event;
    EXPECT_TRUE(host().scriptJobs().exists(HostCallbacks::PlaybackScriptJobId()));
    // The menu procedures are there but there is no menu to touch.
    EXPECT_EQ(Run("exists vxNbDeleteAllNodes").asInt(), 1);
    Run("vxNbUpdateMainMenu(3, 1, 1, 2)");
    Run("vxNbDeleteMainMenu");
    EXPECT_EQ(Run("$tempMenu = $gVxNbMainMenu").asString(), "");
    EXPECT_EQ(output().errors(), "");

    QFile::remove(QString::fromStdString(prefsDir() + "/nibline2.ini"));
    const int job = HostCallbacks::PlaybackScriptJobId();
    ASSERT_TRUE(Unload());
    EXPECT_EQ(output().errors(), "");
    EXPECT_FALSE(nbhost::NodeTypeRegistry::instance().find("vxNibline"));
    EXPECT_FALSE(nbhost::DataTypeRegistry::instance().find("vxLayerData"));
    for (const char* event : EVENTS)
        EXPECT_EQ(Listeners(event), before[event]) << event;
    EXPECT_FALSE(host().scriptJobs().exists(job));
    // The node type's cleanup writes the user settings.
    EXPECT_TRUE(QFile::exists(QString::fromStdString(prefsDir() + "/nibline2.ini")));

    // A second load in the same session starts afresh.
    ASSERT_TRUE(Load());
    for (const char* event : EVENTS)
        EXPECT_EQ(Listeners(event), before[event] + 1) << event;
}

TEST_F(LifecycleTest, RefusedRegistrationsAreShownAndStopTheChain)
{
    auto& data = nbhost::DataTypeRegistry::instance();
    auto& nodes = nbhost::NodeTypeRegistry::instance();
    const size_t timeListeners = Listeners("timeChanged");
    const size_t selectionListeners = Listeners("SelectionChanged");

    // A command of that name is already there.
    host().commands().registerCommand("vxNiblineLayer", &StandInCommand<LAYER_COMMAND>::Creator, nullptr,
                                      "lifecycle test");
    EXPECT_FALSE(Load());
    EXPECT_NE(output().errors().find("Failed to register 'vxNiblineLayer' command: "), std::string::npos)
        << output().errors();
    EXPECT_FALSE(data.find("vxLayerData"));
    Unload();
    output().clear();

    // A data type of that name is already there.
    data.registerType("vxLayerData", MTypeId(0x7000), [] { return static_cast<void*>(nullptr); },
                      MPxData::kData);
    EXPECT_FALSE(Load());
    EXPECT_NE(output().errors().find("Could not register 'vxLayerData\n"), std::string::npos)
        << output().errors();
    EXPECT_FALSE(nodes.find("vxNibline"));
    EXPECT_EQ(Listeners("timeChanged"), timeListeners);
    Unload();
    data.deregisterType(MTypeId(0x7000));

    // A node type with the node's id is already there: the data type stays.
    output().clear();
    nodes.registerPluginType("otherNode", BaseNode::GetTypeID(), &BaseNode::Creator, &BaseNode::Initialize,
                             MPxNode::kLocatorNode, "");
    EXPECT_FALSE(Load());
    EXPECT_NE(output().errors().find("Failed to register base node\n"), std::string::npos)
        << output().errors();
    EXPECT_TRUE(data.find("vxLayerData"));
    EXPECT_EQ(Listeners("SelectionChanged"), selectionListeners);
    EXPECT_EQ(HostCallbacks::PlaybackScriptJobId(), -1);
    nodes.deregisterPluginType(BaseNode::GetTypeID());
}

TEST_F(LifecycleTest, UnloadRefusedWhileNodesRemainIsShown)
{
    ASSERT_TRUE(Load());
    Run("createNode vxNibline");
    output().clear();
    plugin->setStage(nbhost::Plugin::Stage::Uninitializing);
    MObject object = plugin->object();
    EXPECT_FALSE(uninitializePlugin(object));
    EXPECT_NE(output().errors().find("Failed to deregister base node\n"), std::string::npos)
        << output().errors();
    EXPECT_TRUE(nbhost::DataTypeRegistry::instance().find("vxLayerData"));
}

TEST_F(LifecycleTest, TimeAndSceneOpenedReachEveryLayer)
{
    ASSERT_TRUE(Load());
    Run("createNode -n drawShape vxNibline");
    BaseNode* node = Node("drawShape");
    ASSERT_TRUE(node);
    Layer* layer = new Layer();
    layer->AddFrame(MTime(1.0, MTime::uiUnit()));
    layer->AddFrame(MTime(5.0, MTime::uiUnit()));
    node->InsertLayer("persp", 0, layer);

    Run("currentTime 6");
    EXPECT_EQ(layer->GetCurrentFrameIndex(), 1);
    layer->UpdateCurrentFrameIndex(2);  // stale, as after loading the layers
    host().events().fire("SceneOpened");
    EXPECT_EQ(layer->GetCurrentFrameIndex(), 1);

    // Events whose targets (frame marks, layer panel) come later run cleanly.
    Run("select -r drawShape; currentUnit -time ntsc; undo; redo; select -cl");
    EXPECT_EQ(output().errors(), "");
}

TEST_F(LifecycleTest, QuitWritesTheUserSettings)
{
    ASSERT_TRUE(Load());
    const QString path = QString::fromStdString(prefsDir() + "/nibline2.ini");
    QFile::remove(path);
    host().events().fire("quitApplication");
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(LifecycleTest, PlaybackJobRefreshesGhostingWhenPlaybackStartsAndStops)
{
    ASSERT_TRUE(Load());
    Run("createNode -n drawShape vxNibline");
    BaseNode* node = Node("drawShape");
    node->InsertLayer("persp", 0, new Layer());
    auto manager = node->GetLayerManager();
    for (const char* state : {"on", "off"}) {
        manager->MasterCacheUpdateCompleted("persp");
        Run(std::string("play -state ") + state);
        EXPECT_TRUE(manager->MasterCacheUpdateRequired("persp")) << state;
    }
    EXPECT_EQ(output().errors(), "");
}

TEST_F(LifecycleTest, MenuCleanupProceduresWorkInBatch)
{
    ASSERT_TRUE(Load());
    Run("createNode -n drawShape vxNibline; createNode vxNibline");
    BaseNode* node = Node("drawShape");
    for (const char* name : {"A", "B", "C"})
        node->InsertLayer("persp", -1, QString(name));
    node->InsertLayer("top", -1, QString("T"));
    node->SetActiveLayer("persp", 1, true);
    Run("vxNbDeleteActiveLayer");
    ASSERT_EQ(node->LayerCount("persp"), 2);
    EXPECT_EQ(node->GetLayerName("persp", 1), "C");
    Run("vxNbDeleteActiveCameraLayers");
    EXPECT_EQ(node->LayerCount("persp"), 0);
    EXPECT_EQ(node->LayerCount("top"), 1);

    Run("vxNbDeleteAllNodes");
    EXPECT_TRUE(BaseNode::GetAll().isEmpty());
    // Its closing refreshes run the plug-in's own utility command.
    EXPECT_EQ(host().commands().find(UTIL_COMMAND)->owner, "nibline2");
    EXPECT_EQ(output().errors(), "");
}

} // namespace
} // namespace lifecycletest
