// The drawing node in the GUI host: its frames drawn over the camera view
// at each time, captured with playblast, and the timeline marks shown and
// hidden by the display preference.
#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "node/BaseNode.h"
#include "node/BaseNodeDrawOverride.h"
#include "node/BaseNodeLayerData.h"
#include "plugin/HostCallbacks.h"
#include "plugin/Registration.h"
#include "ui/TimeControlOverlay.h"

#include "support/GuiTestEnvironment.h"

#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/Scene.h"
#include "ui/ControlRegistry.h"
#include "viewport/ModelPanel.h"

#include <maya/MDrawRegistry.h>
#include <maya/MFnDependencyNode.h>

#include <QImage>
#include <QOpenGLWidget>

#include <gtest/gtest.h>

namespace {

const QColor kMarks[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
const int kTimes[] = {1, 5, 9};

class ViewportDisplayTest : public nbtest::GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Settings::guiEnabled = true;
        Settings::ignore2dPanZoom = false;
        Settings::timelineFrameDisplay = TIMELINE_FRAME_DISPLAY_ALWAYS;
        mainWindow().resize(900, 700);
        session().show();
        nbhost::DataTypeRegistry::instance().registerType(
            BaseNodeLayerData::GetTypeName().asChar(), BaseNodeLayerData::GetTypeID(),
            &BaseNodeLayerData::Creator, MPxData::kData);
        nbhost::NodeTypeRegistry::instance().registerPluginType(
            BaseNode::GetTypeName().asChar(), BaseNode::GetTypeID(), &BaseNode::Creator,
            &BaseNode::Initialize, MPxNode::kLocatorNode,
            BaseNode::GetDrawDbClassification().asChar());
        MHWRender::MDrawRegistry::registerDrawOverrideCreator(
            BaseNode::GetDrawDbClassification(), BaseNode::GetDrawRegistrationId(),
            &BaseNodeDrawOverride::Creator);
        Registration::CreateTimelineMarks();
        HostCallbacks::AddCallbacks();
        nbtest::processEvents();
    }
    void TearDown() override
    {
        HostCallbacks::RemoveCallbacks();
        nbhost::Scene::instance().reset();
        MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(
            BaseNode::GetDrawDbClassification(), BaseNode::GetDrawRegistrationId());
        nbhost::NodeTypeRegistry::instance().deregisterPluginType(BaseNode::GetTypeID());
        nbhost::DataTypeRegistry::instance().deregisterType(BaseNodeLayerData::GetTypeID());
        BaseNode::Cleanup();
        Settings::guiEnabled = false;
        GuiTest::TearDown();
    }

    // A master node with one layer on persp whose frames carry a coloured
    // block at the left of the image's middle rows.
    BaseNode* CreateNode()
    {
        EXPECT_TRUE(eval("createNode -n nibline transform; createNode -n niblineShape -p nibline vxNibline").ok)
            << output().errors();
        auto found = nbhost::Scene::instance().find("niblineShape");
        BaseNode* node = found ? dynamic_cast<BaseNode*>(MFnDependencyNode(found->object()).userNode())
                               : nullptr;
        if (!node)
            return nullptr;
        Layer* layer = new Layer();
        layer->SetName("marks");
        for (int i = 0; i < 3; ++i) {
            Frame* frame = layer->GetFrame(layer->AddFrame(MTime(double(kTimes[i]), MTime::uiUnit())));
            QImage image = Frame::BlankImage();
            for (int y = 384; y < 640; ++y)
                for (int x = 0; x < 256; ++x)
                    image.setPixelColor(x, y, kMarks[i]);
            frame->SetImage(image);
        }
        node->InsertLayer("persp", -1, layer);
        node->GetLayerManager()->MakeMaster();
        node->SetActiveLayer("persp", 0, true);
        return node;
    }

    QImage Shot(int time)
    {
        eval("modelPanel -e -camera persp modelPanel4");
        const std::string base = m_dir.file("shot" + std::to_string(time));
        EXPECT_TRUE(eval("playblast -v 0 -fo -orn 0 -p 100 -wh 300 200 -fr " + std::to_string(time) +
                         " -f \"" + base + "\"")
                        .ok)
            << output().errors();
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%04d.png", time);
        return QImage(QString::fromStdString(base + suffix));
    }

    // The view shows the mark's colour at image pixel (128, 512) and not at
    // (768, 512), where the node's last placement puts them.
    static void ExpectMark(const QImage& view, const BaseNode& node, const QColor& mark)
    {
        const OverlayPlacement& placement = node.GetOverlayPlacement();
        ASSERT_EQ(placement.portWidth, view.width());
        const float scale = placement.TextureToScreenScale();
        const int y = view.height() - 1 - int(placement.QuadBottom() + placement.quadSize - 512 * scale);
        const int x = int(placement.QuadLeft() + 128 * scale);
        EXPECT_EQ(view.pixelColor(x, y), mark) << x << "," << y;
        EXPECT_NE(view.pixelColor(int(placement.QuadLeft() + 768 * scale), y), mark);
        const QPoint back = node.ScreenCoordsToTexCoords(QPoint(x, view.height() - 1 - y));
        EXPECT_NEAR(back.x(), 128, 4);
        EXPECT_NEAR(back.y(), 512, 4);
    }

    nbtest::TempDir m_dir{"nbdisplay"};
};

TEST_F(ViewportDisplayTest, EachTimeShowsItsFrameWhereThePlacementPutsIt)
{
    BaseNode* node = CreateNode();
    ASSERT_NE(node, nullptr);
    for (int i = 0; i < 3; ++i) {
        const QImage image = Shot(kTimes[i]).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(image.isNull());
        ExpectMark(image, *node, kMarks[i]);
    }
}

TEST_F(ViewportDisplayTest, LegacyViewShowsTheFrameOnItsQuad)
{
    BaseNode* node = CreateNode();
    ASSERT_NE(node, nullptr);
    eval("currentTime 5");
    auto* panel = qobject_cast<nbhost::ModelPanel*>(nbhost::ControlRegistry::find("modelPanel4"));
    ASSERT_NE(panel, nullptr);
    eval("modelPanel -e -camera persp modelPanel4");
    panel->setLegacy(true);
    auto* surface = qobject_cast<QOpenGLWidget*>(panel->widget());
    ASSERT_NE(surface, nullptr);
    surface->update();
    ASSERT_TRUE(nbtest::processEvents([node] { return node->GetOverlayPlacement().quadSize > 0.0f; }));
    const QImage image = surface->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    panel->setLegacy(false);
    ASSERT_FALSE(image.isNull());

    ExpectMark(image, *node, kMarks[1]);
}

TEST_F(ViewportDisplayTest, TimelineMarksFollowTheDisplayPreference)
{
    auto* overlay = dynamic_cast<TimeControlOverlay*>(BaseNode::GetTimelineMarks());
    ASSERT_NE(overlay, nullptr);
    EXPECT_TRUE(overlay->isHidden());
    ASSERT_NE(CreateNode(), nullptr);

    BaseNode::UpdateTimeControlOverlay();
    EXPECT_TRUE(overlay->isVisible());

    Settings::timelineFrameDisplay = TIMELINE_FRAME_DISPLAY_OFF;
    BaseNode::UpdateTimeControlOverlay();
    EXPECT_TRUE(overlay->isHidden());

    // Selection or draw tool: hidden until one of them applies.
    Settings::timelineFrameDisplay = TIMELINE_FRAME_DISPLAY_SELECTION_OR_CONTEXT;
    eval("select -cl");
    BaseNode::UpdateTimeControlOverlay();
    EXPECT_TRUE(overlay->isHidden());
    BaseNode::SetDrawContextActive(true);
    EXPECT_TRUE(overlay->isVisible());
    BaseNode::SetDrawContextActive(false);
    EXPECT_TRUE(overlay->isHidden());
    eval("select -r nibline");
    BaseNode::UpdateTimeControlOverlay();
    EXPECT_TRUE(overlay->isVisible());
}

} // namespace
