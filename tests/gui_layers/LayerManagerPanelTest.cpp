// The Layer Manager in the GUI host: its sections and rows follow every
// change of the document, and its buttons, rows and menus issue the layer
// commands that make the changes.
#include "LayerPanelTest.h"

#include "model/Layer.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace layertest {
namespace {

using Strings = std::vector<std::string>;

class LayerManagerPanelTest : public LayerPanelTest
{
protected:
    // The node with layers named A, B, C ... on persp; the last one added
    // is active.
    void Document(int layers)
    {
        Run("vxNiblineNode");
        for (int i = 0; i < layers; ++i)
            Run("vxNiblineLayer -add -n \"" + std::string(1, char('A' + i)) + "\" persp");
        Issued();
    }
};

TEST_F(LayerManagerPanelTest, SectionsAndRowsFollowAddsInsertsDeletesAndMoves)
{
    EXPECT_EQ(Shown(), "");
    Document(3);
    EXPECT_EQ(Shown(), "persp: C(V)* B(V) A(V)");
    Run("vxNiblineLayer -add -n \"F\" front");
    EXPECT_EQ(Shown(), "front: F(V)* | persp: C(V) B(V) A(V)");
    Run("vxNiblineLayer -insert 0 -n \"Z\" persp");
    EXPECT_EQ(Shown(), "front: F(V)* | persp: C(V) B(V) A(V) Z(V)");
    Run("vxNiblineLayer -delete 2 persp");
    EXPECT_EQ(Shown(), "front: F(V)* | persp: C(V) A(V) Z(V)");
    Run("vxNiblineLayer -move 0 2 persp");
    EXPECT_EQ(Shown(), "front: F(V)* | persp: Z(V) C(V) A(V)");
    Run("vxNiblineLayer -newCamera top -move 1 -1 persp");
    EXPECT_EQ(Shown(), "front: F(V)* | persp: Z(V) A(V) | top: C(V)");
    Run("vxNiblineLayer -moveAll side front");
    EXPECT_EQ(Shown(), "persp: Z(V) A(V) | side: F(V)* | top: C(V)");
    Run("vxNiblineLayer -deleteAll persp");
    EXPECT_EQ(Shown(), "side: F(V)* | top: C(V)");
    EXPECT_EQ(panel->LayerCount("persp"), 0);
    EXPECT_EQ(panel->LayerCount("side"), 1);
}

TEST_F(LayerManagerPanelTest, VisibilityAndStateButtonsIssueTheirCommands)
{
    Document(2);
    Click(*Row("persp", 0)->VisibilityButton());
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -ev 0 0 persp"});
    EXPECT_FALSE(Master()->IsLayerVisible("persp", 0));
    EXPECT_EQ(Shown(), "persp: B(V)* A");
    Click(*Row("persp", 0)->VisibilityButton());
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -ev 1 0 persp"});
    EXPECT_EQ(Shown(), "persp: B(V)* A(V)");

    const char* const cycle[][2] = {{"1", "A(V)(S)"}, {"2", "A(V)(L)"}, {"0", "A(V)"}};
    for (const auto& step : cycle) {
        Click(*Row("persp", 0)->StateButton());
        EXPECT_EQ(Issued(), Strings{std::string("vxNiblineLayer -es ") + step[0] + " 0 persp"});
        EXPECT_EQ(Master()->GetLayerState("persp", 0), std::stoi(step[0]));
        EXPECT_EQ(Shown(), std::string("persp: B(V)* ") + step[1]);
    }
}

TEST_F(LayerManagerPanelTest, MoveButtonsStayWithinTheCamerasLayers)
{
    Document(3);
    Click(*panel->MoveUpButton()); // the top row
    EXPECT_EQ(Issued(), Strings{});
    Click(*panel->MoveDownButton());
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -move 2 1 persp"});
    EXPECT_EQ(Shown(), "persp: B(V) C(V)* A(V)");
    Click(*panel->MoveDownButton());
    EXPECT_EQ(Shown(), "persp: B(V) A(V) C(V)*");
    Issued();
    Click(*panel->MoveDownButton()); // index 0
    EXPECT_EQ(Issued(), Strings{});
    Click(*panel->MoveUpButton());
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -move 0 1 persp"});
    EXPECT_EQ(Shown(), "persp: B(V) C(V)* A(V)");
}

TEST_F(LayerManagerPanelTest, DeleteButtonRemovesTheActiveLayerOnly)
{
    Click(*panel->DeleteLayerButton()); // nothing to delete
    EXPECT_EQ(Issued(), Strings{});
    Document(3);
    Click(*Row("persp", 1)->NameLabel());
    Issued();
    Click(*panel->DeleteLayerButton());
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -delete 1 persp"});
    EXPECT_EQ(Shown(), "persp: C(V) A(V)*");
}

TEST_F(LayerManagerPanelTest, PressingARowMakesItsLayerActiveAndEntersTheDrawTool)
{
    Document(2);
    Run("vxNiblineLayer -add -n \"F\" front");
    Issued();
    Click(*Row("persp", 0)->NameLabel());
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -e -active 0 persp"});
    EXPECT_EQ(Shown(), "front: F(V) | persp: B(V) A(V)*");
    EXPECT_EQ(Master()->GetActiveCamera(), "persp");
    bool drawRequested = false;
    for (const nbhost::JournalEntry& entry : host().journal().entries())
        drawRequested |= entry.text == "vxNiblineUtil -draw" && entry.source == nbhost::JournalSource::Deferred;
    EXPECT_TRUE(drawRequested);

    // The active row again: the layer is active already, nothing to ask
    // for, and nothing fails.
    output().clear();
    Click(*Row("persp", 0)->NameLabel());
    EXPECT_EQ(Issued(), Strings{});
    EXPECT_EQ(output().errors(), "");
}

TEST_F(LayerManagerPanelTest, MoveLayerToListsTheOtherCamerasAndMovesTheRow)
{
    Document(2);
    nbtest::mouse(*Row("persp", 1), QEvent::MouseButtonPress, QPoint(60, 8), Qt::NoModifier, Qt::RightButton);
    nbtest::mouse(*Row("persp", 1), QEvent::MouseButtonRelease, QPoint(60, 8), Qt::NoModifier, Qt::RightButton);
    QMenu* menu = OpenPopup();
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[0]->text(), "B...");
    EXPECT_TRUE(menu->actions()[1]->isSeparator());
    QAction* moveTo = FindAction(*menu, "Move layer to         ");
    ASSERT_TRUE(moveTo && moveTo->menu());
    QStringList listed;
    for (QAction* action : moveTo->menu()->actions())
        listed << action->text();
    listed.sort();
    EXPECT_EQ(listed, QStringList({"front", "side", "top"}));

    ClickAction(*menu, moveTo);
    QMenu* cameras = moveTo->menu();
    nbtest::processEvents([cameras] { return cameras->isVisible(); });
    ClickAction(*cameras, FindAction(*cameras, "top"));
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -newCamera top -move 1 -1 persp"});
    EXPECT_EQ(Shown(), "persp: A(V) | top: B(V)*");
}

TEST_F(LayerManagerPanelTest, MoveAllLayersToFromTheCameraHeader)
{
    Document(2);
    QLabel* header = panel->GetCameraList()->GetCameraLayerList("persp")->Header();
    nbtest::mouse(*header, QEvent::MouseButtonPress, QPoint(20, 10), Qt::NoModifier, Qt::RightButton);
    nbtest::mouse(*header, QEvent::MouseButtonRelease, QPoint(20, 10), Qt::NoModifier, Qt::RightButton);
    QMenu* menu = OpenPopup();
    ASSERT_TRUE(menu);
    QAction* moveAll = FindAction(*menu, "Move all layers to         ");
    ASSERT_TRUE(moveAll && moveAll->menu());
    EXPECT_FALSE(FindAction(*moveAll->menu(), "persp"));
    ClickAction(*menu, moveAll);
    nbtest::processEvents([moveAll] { return moveAll->menu()->isVisible(); });
    ClickAction(*moveAll->menu(), FindAction(*moveAll->menu(), "side"));
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -moveAll side persp"});
    EXPECT_EQ(Shown(), "side: B(V)* A(V)");
}

// Each change made in the panel is one undo step, and undo and redo show.
TEST_F(LayerManagerPanelTest, UndoAndRedoOfEachChangeShowInThePanel)
{
    Document(3);
    Run("vxNiblineLayer -add -n \"F\" front");
    const std::vector<std::function<void()>> changes = {
        [this] { Click(*Row("persp", 1)->NameLabel()); },
        [this] { Click(*Row("persp", 2)->VisibilityButton()); },
        [this] { Click(*Row("persp", 0)->StateButton()); },
        [this] { Click(*panel->MoveUpButton()); },
        [this] { Click(*panel->DeleteLayerButton()); },
        [this] { Click(*panel->MoveDownButton()); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        const std::string before = Shown();
        changes[i]();
        const std::string after = Shown();
        EXPECT_NE(after, before) << "change " << i;
        Run("undo");
        EXPECT_EQ(Shown(), before) << "change " << i;
        Run("redo");
        EXPECT_EQ(Shown(), after) << "change " << i;
    }
    Run("undo; undo; undo; undo; undo; undo; undo");
    EXPECT_EQ(Shown(), "persp: C(V)* B(V) A(V)");
}

TEST_F(LayerManagerPanelTest, OpeningASceneShowsItsLayersAndANewSceneNone)
{
    Document(2);
    Run("vxNiblineLayer -add -n \"F\" front; vxNiblineLayer -ev 0 0 persp");
    const std::string saved = Shown();
    nbtest::TempDir dir("nblayerpanel");
    Run("file -rename \"" + dir.file("shot.nba") + "\"; file -save");
    Run("file -new -f");
    EXPECT_EQ(Shown(), "");
    Run("file -open -f \"" + dir.file("shot.nba") + "\"");
    EXPECT_EQ(Shown(), saved);
    Run("vxNiblineLayer -delete 1 persp");
    EXPECT_EQ(Shown(), "front: F(V)* | persp: A");
}

// A refill keeps the row widgets and where the user scrolled to.
TEST_F(LayerManagerPanelTest, RefillsKeepTheRowsAndTheScrollPosition)
{
    Document(26);
    panel->resize(260, 200);
    Settle();
    QScrollBar* bar = panel->GetCameraList()->ScrollArea()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 300);
    panel->SetVerticalScroll(300);
    std::vector<LayerItem*> rows = RowsTopDown(panel->GetCameraList()->GetCameraLayerList("persp"));

    Run("vxNiblineLayer -ev 0 5 persp; vxNiblineLayer -e -active 3 persp");
    Run("undo");
    EXPECT_EQ(RowsTopDown(panel->GetCameraList()->GetCameraLayerList("persp")), rows);
    EXPECT_EQ(panel->GetVerticalScroll(), 300);
    EXPECT_FALSE(Row("persp", 5)->IsVisible());
    EXPECT_TRUE(Row("persp", 25)->IsActive());
}

TEST_F(LayerManagerPanelTest, RefreshButtonAndUtilityFlagsReachThePanel)
{
    Document(2);
    panel->Clear();
    EXPECT_EQ(Shown(), "");
    Click(*panel->RefreshButton());
    bool asked = false;
    for (const nbhost::JournalEntry& entry : host().journal().entries())
        asked |= entry.text == "evalDeferred(\"vxNiblineUtil -rlm\")";
    EXPECT_TRUE(asked);
    EXPECT_EQ(Shown(), "persp: B(V)* A(V)");

    panel->Clear();
    Run("vxNiblineUtil -refreshLayerManager");
    EXPECT_EQ(Shown(), "persp: B(V)* A(V)");
    panel->close();
    Run("vxNiblineUtil -layerManager");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(DialogManager::GetLayerMangerDialog(), panel);

    // Without a node the refresh empties the panel.
    Run("delete nibline");
    Run("vxNiblineUtil -rlm");
    EXPECT_EQ(Shown(), "");
}

} // namespace
} // namespace layertest
