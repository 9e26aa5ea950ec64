// Without a user interface the plug-in makes no layer panel, and the layer
// commands that would refresh one run without a word.
#include "base/Settings.h"
#include "ui/DialogManager.h"

#include "support/GuiTestEnvironment.h"
#include "support/InProcessPlugin.h"

#include "scene/Scene.h"

#include <gtest/gtest.h>

namespace {

class BatchModeTest : public nbtest::HostTest
{
protected:
    void SetUp() override
    {
        nbtest::guiApplication();
        HostTest::SetUp();
        nbhost::Scene::instance().reset();
        ASSERT_TRUE(plugin.Load());
    }
    void TearDown() override
    {
        plugin.Unload();
        HostTest::TearDown();
    }

    nbtest::InProcessPlugin plugin;
};

TEST_F(BatchModeTest, NoPanelIsMadeAndLayerChangesRunQuietly)
{
    ASSERT_FALSE(Settings::guiEnabled);
    EXPECT_EQ(DialogManager::GetLayerMangerDialog(), nullptr);
    output().clear();
    run("vxNiblineNode; vxNiblineLayer -add -n \"A\" persp; vxNiblineLayer -add persp;"
        "vxNiblineLayer -ev 0 0 persp; vxNiblineLayer -newCamera top -move 1 -1 persp; undo; redo;"
        "vxNiblineUtil -refreshLayerManager; file -new -f; vxNiblineUtil -rlm");
    EXPECT_EQ(output().errors(), "");
    EXPECT_EQ(output().warnings(), "");
    EXPECT_EQ(DialogManager::GetLayerMangerDialog(), nullptr);

    EXPECT_FALSE(DialogManager::ShowNewLayerDialog());
    EXPECT_NE(output().errors().find("The New Layer dialog needs the interactive host."), std::string::npos);
    EXPECT_FALSE(DialogManager::ShowLayerPropertiesDialog("persp", 0));
}

} // namespace
