#pragma once
// A host in the test's process with the drawing node and its data type
// registered as the plug-in registers them, and helpers to build, write and
// read documents in both record forms.

#include "base/Settings.h"
#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "node/BaseNode.h"
#include "node/BaseNodeLayerData.h"
#include "support/GuiTestEnvironment.h"

#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/Scene.h"
#include "script/CommandHost.h"
#include "script/Interpreter.h"

#include <maya/MArgList.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MTime.h>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace nodetest {

// Splits text into arguments as the host's text scene reader does, by
// running it as the arguments of a command.
class TokenCapture : public nbhost::CommandHost
{
public:
    bool hasCommand(const std::string& name) const override { return name == "capture"; }
    nbhost::CommandOutcome runCommand(const std::string&, const std::vector<nbhost::Value>& args) override
    {
        captured = MArgList(args);
        nbhost::CommandOutcome outcome;
        outcome.ok = true;
        return outcome;
    }
    MArgList captured;
};

inline MArgList Tokens(const std::string& text)
{
    TokenCapture capture;
    nbhost::Interpreter interpreter(&capture);
    EXPECT_TRUE(interpreter.evaluate("capture " + text + ";", "").ok) << text;
    return capture.captured;
}

// A layer with frames at the times, each frame's top-left pixel set to
// its time as the red value.
inline Layer* MakeLayer(const QString& name, std::initializer_list<int> times,
                        LayerState state = LAYER_STATE_ANIM, bool visible = true,
                        float opacity = 1.0f)
{
    Layer* layer = new Layer();
    layer->SetName(name);
    layer->SetState(state);
    layer->SetVisible(visible);
    layer->SetOpacity(opacity);
    for (int time : times) {
        const int index = layer->AddFrame(MTime(static_cast<double>(time), MTime::uiUnit()));
        Frame* frame = layer->GetFrame(index);
        QImage image = Frame::BlankImage();
        image.setPixelColor(0, 0, QColor(time & 0xff, 10, 20, 255));
        frame->SetImage(image);
    }
    return layer;
}
inline int MarkOf(Layer* layer, int index)
{
    return layer->GetFrame(index)->GetImage().pixelColor(0, 0).red();
}

// Two cameras with layers of every kind, names the tokenizer must give back
// exactly, and the active camera not the last one. A camera left without
// layers is written but holds nothing to read back.
inline void BuildRichDocument(LayerManager& m)
{
    m.InsertLayer("persp", -1, MakeLayer("Back", {1, 5, 12}, LAYER_STATE_ANIM, true, 0.5f));
    m.InsertLayer("persp", -1, MakeLayer("Say \"hi\" \\ there", {-999}, LAYER_STATE_STATIC, false));
    m.InsertLayer("top", -1, MakeLayer("Locked", {}, LAYER_STATE_LOCKED, true, 0.25f));
    m.InsertLayer("top", -1, MakeLayer("Back", {3}));
    m.InsertLayer("side", -1, MakeLayer("Gone", {}));
    delete m.RemoveLayer("side", 0);
    m.SetActiveLayer("top", 0, true);
    m.SetActiveLayer("persp", 1, true);
    m.MakeMaster();
}

inline void ExpectRichDocument(LayerManager& m)
{
    EXPECT_TRUE(m.IsMaster());
    EXPECT_EQ(m.GetCameras(), QStringList({"persp", "top"}));
    EXPECT_EQ(m.GetActiveCamera(), "persp");
    ASSERT_EQ(m.LayerCount("persp"), 2);
    ASSERT_EQ(m.LayerCount("top"), 2);
    EXPECT_EQ(m.LayerCount("side"), 0);
    EXPECT_EQ(m.GetActiveLayerIndex("persp"), 1);
    EXPECT_EQ(m.GetActiveLayerIndex("top"), 0);

    Layer* back = m.GetLayer("persp", 0);
    EXPECT_EQ(back->GetName(), "Back");
    EXPECT_TRUE(back->IsVisible());
    EXPECT_FLOAT_EQ(back->GetOpacity(), 0.5f);
    EXPECT_EQ(back->GetState(), LAYER_STATE_ANIM);
    QList<int> times;
    back->GetFrameTimes(times);
    EXPECT_EQ(times, QList<int>({1, 5, 12}));
    EXPECT_EQ(MarkOf(back, 2), 12);

    Layer* quoted = m.GetLayer("persp", 1);
    EXPECT_EQ(quoted->GetName(), "Say \"hi\" \\ there");
    EXPECT_FALSE(quoted->IsVisible());
    EXPECT_EQ(quoted->GetState(), LAYER_STATE_STATIC);
    EXPECT_EQ(MarkOf(quoted, 0), -999 & 0xff);

    EXPECT_EQ(m.GetLayer("top", 0)->GetState(), LAYER_STATE_LOCKED);
    EXPECT_FLOAT_EQ(m.GetLayer("top", 0)->GetOpacity(), 0.25f);
    EXPECT_EQ(m.GetLayer("top", 0)->FrameCount(), 0);
    // A duplicated name across cameras stays as stored.
    EXPECT_EQ(m.GetLayer("top", 1)->GetName(), "Back");
}

class NodeTest : public nbtest::HostTest
{
protected:
    // The host runs with its application object in batch mode too.
    void SetUp() override
    {
        nbtest::guiApplication();
        HostTest::SetUp();
        Settings::guiEnabled = false;
        nbhost::Scene::instance().reset();
        nbhost::DataTypeRegistry::instance().registerType(
            BaseNodeLayerData::GetTypeName().asChar(), BaseNodeLayerData::GetTypeID(),
            &BaseNodeLayerData::Creator, MPxData::kData);
        nbhost::NodeTypeRegistry::instance().registerPluginType(
            BaseNode::GetTypeName().asChar(), BaseNode::GetTypeID(), &BaseNode::Creator,
            &BaseNode::Initialize, MPxNode::kLocatorNode, BaseNode::GetDrawDbClassification().asChar());
    }
    void TearDown() override
    {
        HostTest::TearDown();
        nbhost::Scene::instance().reset();
        nbhost::NodeTypeRegistry::instance().deregisterPluginType(BaseNode::GetTypeID());
        nbhost::DataTypeRegistry::instance().deregisterType(BaseNodeLayerData::GetTypeID());
    }

    // A new drawing node made as the user makes one, <name>Shape under the
    // transform <name>.
    BaseNode* CreateNode(const std::string& name)
    {
        EXPECT_TRUE(eval("createNode -n " + name + " transform; createNode -n " + name + "Shape -p " + name +
                         " vxNibline")
                        .ok)
            << output().errors();
        return NodeNamed(name + "Shape");
    }
    static BaseNode* NodeNamed(const std::string& name)
    {
        auto node = nbhost::Scene::instance().find(name);
        return node ? dynamic_cast<BaseNode*>(MFnDependencyNode(node->object()).userNode()) : nullptr;
    }

    // A value with an empty document of its own.
    static std::unique_ptr<BaseNodeLayerData> NewData()
    {
        auto data = std::make_unique<BaseNodeLayerData>();
        data->CreateLayerManager();
        return data;
    }
    static std::string WriteBinary(BaseNodeLayerData& data)
    {
        std::ostringstream out;
        EXPECT_TRUE(data.writeBinary(out));
        return out.str();
    }
    static std::string WriteText(BaseNodeLayerData& data)
    {
        std::ostringstream out;
        EXPECT_TRUE(data.writeASCII(out));
        return out.str();
    }
    static bool ReadBinary(BaseNodeLayerData& data, const std::string& bytes)
    {
        std::istringstream in(bytes);
        return data.readBinary(in, static_cast<unsigned int>(bytes.size()));
    }
    static bool ReadText(BaseNodeLayerData& data, const std::string& text)
    {
        unsigned int index = 0;
        return data.readASCII(Tokens(text), index);
    }
};

} // namespace nodetest
