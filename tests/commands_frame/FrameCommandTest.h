#pragma once
// The plug-in loaded in the test's process on a batch host, as the host's
// plug-in loading runs it, with one drawing node in the scene, and helpers
// to lay out a document and read it back.

#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "node/BaseNode.h"
#include "node/BaseNodeLayerData.h"
#include "support/GuiTestEnvironment.h"
#include "support/HostTestEnvironment.h"

#include "core/CommandRegistry.h"
#include "plugins/Plugin.h"
#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/Scene.h"
#include "undo/UndoQueue.h"

#include <maya/MFnPlugin.h>
#include <maya/MFnPluginData.h>
#include <maya/MPlug.h>

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

PLUGIN_EXPORT MStatus initializePlugin(MObject object);
PLUGIN_EXPORT MStatus uninitializePlugin(MObject object);

namespace frametest {

using Times = QList<int>;

class FrameCommandTest : public nbtest::HostTest
{
protected:
    void SetUp() override
    {
        nbtest::guiApplication();
        HostTest::SetUp();
        nbhost::Scene::instance().reset();
        plugin = std::make_shared<nbhost::Plugin>("nibline2", "", nullptr);
        ASSERT_TRUE(initializePlugin(plugin->object()));
        plugin->setStage(nbhost::Plugin::Stage::Loaded);
        ASSERT_TRUE(host().commands().find(COMMAND));
        ASSERT_TRUE(eval("createNode -n nibline transform; createNode -n niblineShape -p nibline vxNibline",
                         false)
                        .ok)
            << output().errors();
        node = BaseNode::GetMaster();
        ASSERT_TRUE(node);
        SetTime(1);
        output().clear();
    }
    void TearDown() override
    {
        plugin->setStage(nbhost::Plugin::Stage::Uninitializing);
        uninitializePlugin(plugin->object());
        nbhost::Scene::instance().reset();
        for (MTypeId id : std::vector<MTypeId>(plugin->nodeTypes()))
            nbhost::NodeTypeRegistry::instance().deregisterPluginType(id);
        for (MTypeId id : std::vector<MTypeId>(plugin->dataTypes()))
            nbhost::DataTypeRegistry::instance().deregisterType(id);
        HostTest::TearDown();
    }

    // Runs a script as the user types it, with undo on; it must succeed.
    void Run(const std::string& script)
    {
        const nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << "\n" << output().errors();
    }
    // Runs a script that must fail, and returns the errors it printed.
    std::string Refused(const std::string& script)
    {
        output().clear();
        EXPECT_FALSE(eval(script).ok) << script;
        return output().errors();
    }
    // The frame command with its arguments, through the host.
    nbhost::EvalResult Frame(const std::string& arguments) { return eval(COMMAND + (" " + arguments)); }

    LayerManager& Manager() { return *node->GetLayerManager(); }

    // A layer on top of the camera, made active, with drawings at the times;
    // each drawing's top-left pixel holds its time as the red value.
    Layer* AddLayer(const QString& camera, std::initializer_list<int> times,
                    LayerState state = LAYER_STATE_ANIM)
    {
        Layer* layer = new Layer();
        layer->SetName(Manager().GetUniqueLayerName(QString()));
        layer->SetState(state);
        for (int time : times) {
            ::Frame* frame = new ::Frame(MTime(double(time), MTime::uiUnit()));
            QImage image = ::Frame::BlankImage();
            image.setPixelColor(0, 0, QColor(time & 0xff, 10, 20, 255));
            frame->SetImage(image);
            layer->InsertFrame(frame);
        }
        const int index = Manager().InsertLayer(camera, -1, layer);
        Manager().SetActiveLayer(camera, index, true);
        return layer;
    }

    // The times of the camera's active layer.
    QList<int> FrameTimes(const QString& camera = "persp")
    {
        QList<int> times;
        node->GetFrameTimes(camera, times);
        return times;
    }
    // The mark drawn into the active layer's frame at the time; -1 for none,
    // 0 for an empty drawing.
    int MarkAt(int time, const QString& camera = "persp")
    {
        Layer* layer = Manager().GetActiveLayer(camera);
        ::Frame* frame = layer ? layer->GetFrameCopy(MTime(double(time), MTime::uiUnit())) : nullptr;
        if (!frame)
            return -1;
        const int mark = frame->IsBlank() ? 0 : frame->GetImage().pixelColor(0, 0).red();
        delete frame;
        return mark;
    }

    // The document in its stored text form.
    std::string Document()
    {
        MObject value;
        MPlug(node->thisMObject(), BaseNode::layerDataAttribute).getValue(value);
        auto* data = dynamic_cast<BaseNodeLayerData*>(MFnPluginData(value).data());
        std::ostringstream out;
        if (data)
            data->writeASCII(out);
        return out.str();
    }

    // Time and the time slider's highlight change outside the undo queue.
    int Now() { return eval("currentTime -q", false).value.asInt(); }
    void SetTime(int time) { ASSERT_TRUE(eval("currentTime " + std::to_string(time), false).ok); }
    // [start, end); start equal to end clears it.
    void Highlight(int start, int end)
    {
        ASSERT_TRUE(eval("timeControl -e -highlightedRange " + std::to_string(start) + " " +
                             std::to_string(end) + " $gPlayBackSlider",
                         false)
                        .ok);
    }
    size_t UndoSteps() { return host().undoQueue().undoCount(); }

    static constexpr const char* COMMAND = "vxNiblineFrame";

    std::shared_ptr<nbhost::Plugin> plugin;
    BaseNode* node = nullptr;
};

} // namespace frametest
