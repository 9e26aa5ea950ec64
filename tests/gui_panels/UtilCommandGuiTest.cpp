// The utility command and the NB2 menu in the GUI host: every menu item
// triggered as a user would, the panels each opens, the check marks that
// follow the settings, the floating view and the reset of the panels.
#include "gui_panels/PanelTest.h"

#include "base/MayaUtil.h"
#include "commands/UtilCommand.h"
#include "node/BaseNode.h"
#include "ui/AboutDialog.h"
#include "ui/ColorPaletteDialog.h"
#include "ui/DialogManager.h"
#include "ui/RetimingDialog.h"
#include "ui/ToolOptionsDialog.h"
#include "ui/ToolboxDialog.h"

#include "ui/ColorSliderGroup.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace paneltest {
namespace {

class UtilCommandGuiTest : public PanelTest
{
protected:
    // Answers a question box with the button of that text.
    static void Answer(QWidget& box, const QString& text)
    {
        for (QPushButton* button : box.findChildren<QPushButton*>())
            if (button->text().remove('&') == text) {
                Click(*button);
                return;
            }
        ADD_FAILURE() << "no button " << text.toStdString();
    }

    bool HasCommand(const std::string& name) { return Run("exists " + name).asInt() != 0; }
};

// Items that need a later piece (the draw tool's context, the layer
// panels) may fail only with the message that says what is missing.
TEST_F(UtilCommandGuiTest, EveryMenuItemRunsWithoutError)
{
    Run("vxNiblineNode -l -c persp -f");
    // Each item with what the scene needs first for it to have work to do.
    const std::vector<std::pair<QString, std::string>> items = {
        {"Draw", ""}, {"Transform", ""}, {"Draw Tool|Pencil", ""}, {"Draw Tool|Brush", ""},
        {"Draw Tool|Eraser", ""}, {"Draw Tool|Text", ""}, {"Draw Tool|Line", ""}, {"Draw Tool|Arrow", ""},
        {"Draw Tool|Ellipse", ""}, {"Draw Tool|Rectangle", ""}, {"Layer|New Layer...", ""},
        {"Layer|Layer Properties...", ""}, {"Frame|Insert Frame(s)", "currentTime 3"},
        {"Frame|Duplicate Frame", "currentTime 5"}, {"Frame|Copy Frame(s)", ""}, {"Frame|Paste Frame(s)", ""},
        {"Frame|Cut Frame(s)", ""}, {"Frame|Clear Frame(s)", ""}, {"Frame|Step Forward", "currentTime 10; vxNiblineFrame -insert; currentTime 1"},
        {"Frame|Step Back", "currentTime 12"}, {"Frame|Delete Frame(s)", ""}, {"Ghosting|Ghost Previous", ""},
        {"Ghosting|Ghost Next", ""}, {"Ghosting|Settings...", ""}, {"Toolbox...", ""}, {"Tool Options...", ""},
        {"Layer Manager...", ""}, {"Retiming Tool...", ""},
        {"Display Timeline Frames|Selection/Context Active", ""}, {"Display Timeline Frames|Off", ""},
        {"Display Timeline Frames|Always", ""}, {"View|Nibline View", ""},
        {"View|Move layers to Nibline View", ""}, {"Utilities|Reset UI", ""}, {"Preferences...", ""},
        {"About...", ""}, {"Cleanup|Delete Active Layer", ""}, {"Cleanup|Delete Active Camera Layers", ""},
        {"Cleanup|Clear All", ""}};
    for (const auto& [path, before] : items) {
        QAction* item = MenuItem(path);
        ASSERT_TRUE(item) << path.toStdString();
        if (!before.empty())
            Run(before);
        output().clear();
        // Modal boxes are dismissed the way a user would: Escape.
        nbtest::WithModal([&] { item->trigger(); }, [](QWidget& shown) { Key(shown, Qt::Key_Escape); });
        nbtest::processEvents();
        std::string errors = output().errors();
        const bool needsDrawContext = path == "Draw" || path.startsWith("Draw Tool|");
        const char* context = path == "Transform" ? "vxNbTransformCtx" : needsDrawContext ? "vxNbDrawCtx" : nullptr;
        if (context && !HasCommand(context) && errors.find("is not available") != std::string::npos)
            continue;
        if (path == "Layer Manager..." && !DialogManager::GetLayerMangerDialog())
            continue;
        if (path.startsWith("Layer|") && errors.find("not available in this version") != std::string::npos)
            continue;
        EXPECT_EQ(errors, "") << path.toStdString();
    }
    EXPECT_TRUE(DialogManager::ExistingToolboxDialog());
    EXPECT_FALSE(BaseNode::GetMaster());
}

TEST_F(UtilCommandGuiTest, CheckMarksFollowTheSettings)
{
    QAction* ghostPrevious = MenuItem("Ghosting|Ghost Previous");
    ASSERT_TRUE(ghostPrevious);
    ghostPrevious->trigger();
    nbtest::processEvents();
    EXPECT_TRUE(Settings::ghostPrev);
    EXPECT_TRUE(ghostPrevious->isChecked());
    EXPECT_TRUE(Issued("vxNiblineUtil -e -ghostPrevious -1"));
    Run("vxNiblineUtil -e -ghostPrevious -1");
    EXPECT_FALSE(ghostPrevious->isChecked());

    Run("vxNiblineUtil -e -timelineFrameDisplay 2");
    EXPECT_TRUE(MenuItem("Display Timeline Frames|Off")->isChecked());
    EXPECT_FALSE(MenuItem("Display Timeline Frames|Always")->isChecked());
    output().clear();
    EXPECT_FALSE(eval("vxNiblineUtil -e -timelineFrameDisplay 3").ok);
    EXPECT_TRUE(MenuItem("Display Timeline Frames|Off")->isChecked());
}

TEST_F(UtilCommandGuiTest, APanelShownTwiceIsRaisedNotDuplicated)
{
    QAction* item = MenuItem("Toolbox...");
    ASSERT_TRUE(item);
    item->trigger();
    nbtest::processEvents();
    ToolboxDialog* toolbox = DialogManager::ExistingToolboxDialog();
    ASSERT_TRUE(toolbox);
    EXPECT_TRUE(toolbox->isVisible());
    EXPECT_EQ(toolbox->parentWidget(), MQtUtil::mainWindow());
    EXPECT_EQ(toolbox->windowTitle(), " ");
    Run("vxNiblineUtil -toolbox");
    EXPECT_EQ(DialogManager::ExistingToolboxDialog(), toolbox);
    toolbox->close();
    nbtest::processEvents();
    Run("vxNiblineUtil -tb");
    EXPECT_TRUE(toolbox->isVisible());

    for (const char* flag : {"-toolOptions", "-colorPalette", "-retimingTool", "-cp", "-rtt", "-to"})
        Run(std::string("vxNiblineUtil ") + flag);
    int toolboxes = 0;
    int palettes = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        toolboxes += qobject_cast<ToolboxDialog*>(window) != nullptr;
        palettes += qobject_cast<ColorPaletteDialog*>(window) != nullptr;
    }
    EXPECT_EQ(toolboxes, 1);
    EXPECT_EQ(palettes, 1);
    EXPECT_TRUE(DialogManager::GetRetimingDialog()->isVisible());
    EXPECT_EQ(DialogManager::GetToolOptionsDialog()->windowTitle(), "Brush Options");
}

TEST_F(UtilCommandGuiTest, ResetUiAsksThenForgetsPanelsAndTheirPlaces)
{
    Run("vxNiblineUtil -toolbox; vxNiblineUtil -toolOptions; vxNiblineUtil -colorPalette; vxNiblineUtil "
        "-retimingTool");
    nbtest::processEvents();
    DialogManager::GetToolboxDialog()->move(200, 150);
    DialogManager::GetToolboxDialog()->close();
    EXPECT_FALSE(Settings::toolboxGeometry.isEmpty());
    Settings::layerManagerGeometry = QByteArray("kept");

    QString title;
    QString text;
    EXPECT_TRUE(nbtest::WithModal([&] { Run("vxNiblineUtil -resetUI"); },
                          [&](QWidget& box) {
                              title = box.windowTitle();
                              text = static_cast<QMessageBox&>(box).text();
                              Answer(box, "No");
                          }));
    EXPECT_EQ(title, "Reset UI");
    EXPECT_EQ(text, "Reset user interface elements?");
    EXPECT_TRUE(DialogManager::ExistingToolboxDialog());

    EXPECT_TRUE(nbtest::WithModal([&] { Run("vxNiblineUtil -resetUI"); }, [&](QWidget& box) { Answer(box, "Yes"); }));
    nbtest::processEvents();
    EXPECT_FALSE(DialogManager::ExistingToolboxDialog());
    EXPECT_FALSE(DialogManager::ExistingToolOptionsDialog());
    for (const QByteArray* geometry : {&Settings::toolboxGeometry, &Settings::toolOptionsGeometry,
                                       &Settings::layerManagerGeometry, &Settings::colorPaletteGeometry,
                                       &Settings::retimingGeometry})
        EXPECT_TRUE(geometry->isEmpty());
    Run("vxNiblineUtil -toolbox");
    EXPECT_TRUE(DialogManager::ExistingToolboxDialog());
}

TEST_F(UtilCommandGuiTest, AboutShowsTheTitleAndVersionAndClosesWithEscape)
{
    QString shown;
    EXPECT_TRUE(nbtest::WithModal([&] { MenuItem("About...")->trigger(); },
                          [&](QWidget& about) {
                              for (QLabel* label : about.findChildren<QLabel*>())
                                  shown += label->text() + "|";
                              Key(about, Qt::Key_Escape);
                          }));
    EXPECT_TRUE(shown.contains("Nibline 2")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Version 2.5.4")) << shown.toStdString();
    EXPECT_EQ(output().errors(), "");

    EXPECT_TRUE(nbtest::WithModal([&] { Run("vxNiblineUtil -about"); },
                          [&](QWidget& about) {
                              for (QPushButton* button : about.findChildren<QPushButton*>())
                                  Click(*button);
                          }));
}

TEST_F(UtilCommandGuiTest, FloatingViewLooksThroughItsOwnCamera)
{
    Run("vxNiblineUtil -floatingViewport");
    nbtest::processEvents();
    EXPECT_TRUE(Run("window -q -visible vxNbFloatingWindow").asInt());
    EXPECT_EQ(Run("modelPanel -q -camera vxNiblineFloatingModelPanel").asString(), "niblineCam");
    Run("window -e -visible false vxNbFloatingWindow");
    Run("vxNiblineUtil -fv");
    EXPECT_TRUE(Run("window -q -visible vxNbFloatingWindow").asInt());

    // Layers of a named camera move over; a name that is no camera moves none.
    Run("vxNiblineNode -l -c top; vxNiblineLayer -add top");
    Run("window -e -visible false vxNbFloatingWindow");
    Run("vxNiblineUtil -fvm \"nocamera\"");
    EXPECT_EQ(Run("vxNiblineLayer -count top").asInt(), 2);
    Run("window -e -visible false vxNbFloatingWindow");
    Run("vxNiblineUtil -fvm \"top\"");
    EXPECT_EQ(Run("vxNiblineLayer -count top").asInt(), 0);
    EXPECT_EQ(Run("vxNiblineLayer -count niblineCam").asInt(), 2);
}

TEST_F(UtilCommandGuiTest, MovingLayersWithoutACameraAsksForOne)
{
    Run("vxNiblineNode -l -c front; vxNiblineLayer -add front");
    QString title;
    EXPECT_TRUE(nbtest::WithModal([&] { MenuItem("View|Move layers to Nibline View")->trigger(); },
                          [&](QWidget& box) {
                              title = box.windowTitle();
                              auto& input = static_cast<QInputDialog&>(box);
                              EXPECT_EQ(input.textValue(), "front");
                              input.setTextValue("front");
                              Answer(box, "OK");
                          }));
    nbtest::processEvents();
    EXPECT_EQ(title, "Move Layers to View");
    EXPECT_EQ(Run("vxNiblineLayer -count niblineCam").asInt(), 2);

    // Cancelled: nothing moves and the command still succeeds.
    Run("vxNiblineLayer -add side");
    EXPECT_TRUE(nbtest::WithModal([&] { Run("vxNiblineUtil -fvm \"\""); }, [&](QWidget& box) { Answer(box, "Cancel"); }));
    EXPECT_EQ(Run("vxNiblineLayer -count side").asInt(), 1);
}

} // namespace
} // namespace paneltest
