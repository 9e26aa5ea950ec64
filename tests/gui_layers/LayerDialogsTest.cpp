// The New Layer and Layer Properties dialogs, opened from the Layer
// Manager as the user opens them and filled in through their widgets.
#include "LayerPanelTest.h"

#include "ui/LayerPropertiesDialog.h"
#include "ui/NewLayerDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace layertest {
namespace {

using Strings = std::vector<std::string>;

class LayerDialogsTest : public LayerPanelTest
{
protected:
    void Document()
    {
        Run("vxNiblineNode; vxNiblineLayer -add -n \"A\" persp; vxNiblineLayer -add -n \"B\" persp");
        Issued();
    }
    static void Choose(QComboBox& box, const QString& text)
    {
        const int index = box.findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box.setCurrentIndex(index);
    }
    // Opens Layer Properties on a row with a double click and runs `edit`
    // on it; what the dialog showed is kept for the test.
    void EditProperties(const QString& camera, int index, std::function<void(LayerPropertiesDialog&)> edit)
    {
        EXPECT_TRUE(nbtest::WithDialog<LayerPropertiesDialog>(
            [&] { DoubleClick(*Row(camera, index)->NameLabel()); }, edit));
        Settle();
    }
};

TEST_F(LayerDialogsTest, NewLayerInAnEmptySceneMakesTheNodeWithThatLayer)
{
    ASSERT_FALSE(Master());
    ASSERT_TRUE(nbtest::WithDialog<NewLayerDialog>([&] { Click(*panel->NewLayerButton()); },
                                                   [](NewLayerDialog& dialog) {
        EXPECT_EQ(dialog.NameEdit()->text(), "Layer");
        EXPECT_EQ(dialog.NameEdit()->selectedText(), "Layer");
        EXPECT_TRUE(dialog.AnimButton()->isChecked());
        dialog.NameEdit()->setText("Sky line");
        Choose(*dialog.CameraBox(), "front");
        ClickMark(*dialog.StaticButton());
        Click(*dialog.OkButton());
    }));
    ASSERT_TRUE(nbtest::processEvents([this] { return Master() != nullptr; }));
    EXPECT_EQ(Issued(), Strings{"vxNiblineNode -l -c front -ln \"Sky line\" -ls 1"});
    EXPECT_EQ(Shown(), "front: Sky line(V)(S)*");

    // With the node there, the same dialog adds a layer to it, on the
    // active camera unless another is chosen.
    ASSERT_TRUE(nbtest::WithDialog<NewLayerDialog>([&] { Click(*panel->NewLayerButton()); },
                                                   [](NewLayerDialog& dialog) {
        EXPECT_EQ(dialog.CameraBox()->currentText(), "front");
        dialog.NameEdit()->setText("Ground");
        Click(*dialog.OkButton());
    }));
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -add -n \"Ground\" -ls 0 front"});
    EXPECT_EQ(Shown(), "front: Ground(V)* Sky line(V)(S)");
}

TEST_F(LayerDialogsTest, NewLayerCancelledIssuesNothing)
{
    Document();
    ASSERT_TRUE(nbtest::WithDialog<NewLayerDialog>([&] { Click(*panel->NewLayerButton()); },
                                                   [](NewLayerDialog& dialog) { Click(*dialog.CancelButton()); }));
    Settle();
    EXPECT_EQ(Issued(), Strings{});
}

TEST_F(LayerDialogsTest, LayerPropertiesIssuesOnlyWhatChanged)
{
    Document();
    Run("vxNiblineLayer -es 1 0 persp");
    Issued();
    EditProperties("persp", 0, [](LayerPropertiesDialog& dialog) {
        EXPECT_EQ(dialog.NameEdit()->text(), "A");
        EXPECT_TRUE(dialog.VisibleBox()->isChecked());
        EXPECT_TRUE(dialog.StateButton(LAYER_STATE_STATIC)->isChecked());
        EXPECT_EQ(dialog.CameraBox()->currentText(), "persp");
        Click(*dialog.OkButton());
    });
    // The double click's first press made the row's layer active.
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -e -active 0 persp"});

    EditProperties("persp", 0, [](LayerPropertiesDialog& dialog) {
        Choose(*dialog.CameraBox(), "side");
        Click(*dialog.OkButton());
    });
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -newCamera side -move 0 -1 persp"});
    EXPECT_EQ(Shown(), "persp: B(V) | side: A(V)(S)*");

    EditProperties("persp", 0, [](LayerPropertiesDialog& dialog) {
        dialog.NameEdit()->setText("Hills");
        ClickMark(*dialog.VisibleBox());
        ClickMark(*dialog.StateButton(LAYER_STATE_LOCKED));
        Click(*dialog.OkButton());
    });
    EXPECT_EQ(Issued(), (Strings{"vxNiblineLayer -e -active 0 persp", "vxNiblineLayer -en \"Hills\" 0 persp",
                                 "vxNiblineLayer -ev 0 0 persp", "vxNiblineLayer -es 2 0 persp"}));
    EXPECT_EQ(Shown(), "persp: Hills(L)* | side: A(V)(S)");

    // An emptied name is no name: left as it was.
    EditProperties("persp", 0, [](LayerPropertiesDialog& dialog) {
        dialog.NameEdit()->clear();
        Click(*dialog.OkButton());
    });
    EXPECT_EQ(Issued(), Strings{});
    // Cancel leaves every change out.
    EditProperties("persp", 0, [](LayerPropertiesDialog& dialog) {
        ClickMark(*dialog.StateButton(LAYER_STATE_ANIM));
        Click(*dialog.CancelButton());
    });
    EXPECT_EQ(Issued(), Strings{});
    EXPECT_EQ(Shown(), "persp: Hills(L)* | side: A(V)(S)");
}

TEST_F(LayerDialogsTest, UtilityFlagsOpenTheDialogsForTheActiveLayer)
{
    Document();
    EXPECT_TRUE(nbtest::WithDialog<LayerPropertiesDialog>([&] { Run("vxNiblineUtil -layerProperties"); },
                                                          [](LayerPropertiesDialog& dialog) {
        EXPECT_EQ(dialog.NameEdit()->text(), "B");
        ClickMark(*dialog.VisibleBox());
        Click(*dialog.OkButton());
    }));
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -ev 0 1 persp"});
    EXPECT_EQ(Shown(), "persp: B* A(V)");

    EXPECT_TRUE(nbtest::WithDialog<NewLayerDialog>([&] { Run("vxNiblineUtil -newLayer"); },
                                                   [](NewLayerDialog& dialog) {
        EXPECT_EQ(dialog.CameraBox()->currentText(), "persp");
        Click(*dialog.OkButton());
    }));
    EXPECT_EQ(Issued(), Strings{"vxNiblineLayer -add -n \"Layer\" -ls 0 persp"});
    EXPECT_EQ(Shown(), "persp: Layer(V)* B A(V)");
}

TEST_F(LayerDialogsTest, LayerPropertiesOfAMissingLayerOrDocumentShowsNothing)
{
    EXPECT_FALSE(DialogManager::ShowLayerPropertiesDialog("persp", 0));
    EXPECT_EQ(output().warnings(), "");
    Document();
    EXPECT_FALSE(DialogManager::ShowLayerPropertiesDialog("persp", 2));
    EXPECT_NE(output().warnings().find("[Nibline2] Active layer not found."), std::string::npos);
    EXPECT_FALSE(DialogManager::ShowLayerPropertiesDialog("top", 0));
}

} // namespace
} // namespace layertest
