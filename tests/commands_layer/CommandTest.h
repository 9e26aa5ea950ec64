#pragma once
// The plug-in loaded in the test's process on a batch host, as the host's
// plug-in loading runs it, with the commands it registers, and helpers to
// run them and read the document back.

#include "model/Layer.h"
#include "model/LayerManager.h"
#include "node/BaseNode.h"
#include "node/BaseNodeLayerData.h"
#include "support/GuiTestEnvironment.h"
#include "support/HostTestEnvironment.h"
#include "support/InProcessPlugin.h"

#include "core/CommandRegistry.h"
#include "undo/UndoQueue.h"

#include <maya/MFnPluginData.h>
#include <maya/MPlug.h>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace cmdtest {

class CommandTest : public nbtest::HostTest
{
protected:
    // Whether SetUp makes the drawing node.
    virtual bool CreatesNode() const { return true; }

    void SetUp() override
    {
        nbtest::guiApplication();
        HostTest::SetUp();
        nbhost::Scene::instance().reset();
        ASSERT_TRUE(plugin.Load());
        for (const char* name : {"vxNiblineLayer", "vxNiblineFrame", "vxNiblineStroke", "vxNiblineNode"})
            ASSERT_TRUE(host().commands().find(name)) << name;
        if (CreatesNode()) {
            ASSERT_TRUE(eval("createNode -n nibline transform; createNode -n niblineShape -p nibline vxNibline",
                             false)
                            .ok)
                << output().errors();
            node = BaseNode::GetMaster();
            ASSERT_TRUE(node);
        }
        output().clear();
    }
    void TearDown() override
    {
        plugin.Unload();
        HostTest::TearDown();
    }

    // Runs a script as the user types it, with undo on; it must succeed.
    nbhost::EvalResult Run(const std::string& script)
    {
        nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << "\n" << output().errors();
        return result;
    }
    // Runs a script that must fail and leave no undo step; the errors it
    // printed.
    std::string Refused(const std::string& script)
    {
        output().clear();
        const size_t steps = UndoSteps();
        EXPECT_FALSE(eval(script).ok) << script;
        EXPECT_EQ(UndoSteps(), steps) << script;
        return output().errors();
    }
    int IntOf(const std::string& script) { return Run(script).value.asInt(); }

    LayerManager& Manager() { return *node->GetLayerManager(); }

    // Layers with the names on top of the camera's list, through the model.
    void AddLayers(const QString& camera, std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            Manager().InsertLayer(camera, -1, QString(name));
    }
    std::string Names(const QString& camera)
    {
        std::string result;
        for (int i = 0; i < Manager().LayerCount(camera); ++i)
            result += (i ? " " : "") + Manager().GetLayerName(camera, i).toStdString();
        return result;
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

    size_t UndoSteps() { return host().undoQueue().undoCount(); }

    nbtest::InProcessPlugin plugin;
    BaseNode* node = nullptr;
};

} // namespace cmdtest
