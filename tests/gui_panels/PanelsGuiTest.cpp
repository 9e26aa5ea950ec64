// The panels under a real X server, clicked as a user clicks them: each
// button, edit and dialog issues exactly its command string (read back
// from the host's journal) and changes the settings or the document.
#include "gui_panels/PanelTest.h"

#include "node/BaseNode.h"
#include "ui/ColorPaletteDialog.h"
#include "ui/DialogManager.h"
#include "ui/FlatButton.h"
#include "ui/GhostingDialog.h"
#include "ui/PreferencesDialog.h"
#include "ui/RetimingDialog.h"
#include "ui/ToolOptionsDialog.h"
#include "ui/ToolboxDialog.h"

#include "ui/ColorSliderGroup.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace paneltest {
namespace {

class PanelsGuiTest : public PanelTest
{
protected:
    ToolboxDialog& ShowToolbox()
    {
        Run("vxNiblineUtil -toolbox");
        nbtest::processEvents();
        return *DialogManager::ExistingToolboxDialog();
    }
    ToolOptionsDialog& ShowToolOptions()
    {
        Run("vxNiblineUtil -toolOptions");
        nbtest::processEvents();
        return *DialogManager::ExistingToolOptionsDialog();
    }
    static QPushButton* Button(QWidget& parent, const QString& text)
    {
        for (QPushButton* button : parent.findChildren<QPushButton*>())
            if (button->text() == text)
                return button;
        return nullptr;
    }
    static QCheckBox* CheckBox(QWidget& parent, const QString& text)
    {
        for (QCheckBox* box : parent.findChildren<QCheckBox*>())
            if (box->text() == text)
                return box;
        return nullptr;
    }
    static void RightClick(QWidget& widget)
    {
        const QPoint at = widget.rect().center();
        nbtest::mouse(widget, QEvent::MouseButtonPress, at, Qt::NoModifier, Qt::RightButton);
        nbtest::mouse(widget, QEvent::MouseButtonRelease, at, Qt::NoModifier, Qt::RightButton);
    }
    // Picks the entry of a popup menu by its text.
    static void Choose(QWidget& menu, const QString& text)
    {
        for (QAction* action : menu.actions())
            if (action->text() == text) {
                action->trigger();
                menu.close();
                return;
            }
        ADD_FAILURE() << "no entry " << text.toStdString();
    }
    QList<int> FrameTimes()
    {
        QList<int> times;
        BaseNode* master = BaseNode::GetMaster();
        if (master)
            master->GetFrameTimes("persp", times);
        return times;
    }
};

TEST_F(PanelsGuiTest, ToolAndGhostButtonsIssueTheirCommandsAndShowTheChoice)
{
    ToolboxDialog& toolbox = ShowToolbox();
    Click(*toolbox.GetToolButton(TOOL_PENCIL));
    EXPECT_TRUE(Issued("vxNiblineUtil -pencilTool"));
    Click(*toolbox.GetToolButton(TOOL_RECTANGLE));
    EXPECT_TRUE(Issued("vxNiblineUtil -rectangleTool"));
    if (Run("exists vxNbDrawCtx").asInt()) {
        EXPECT_EQ(Settings::activeTool, TOOL_RECTANGLE);
        EXPECT_EQ(toolbox.GetToolButton(TOOL_RECTANGLE)->GetBackgroundColor(), toolbox.GetSelectedColor());
        EXPECT_EQ(toolbox.GetToolButton(TOOL_PENCIL)->GetBackgroundColor(), toolbox.GetNormalColor());
    }

    Click(*toolbox.GetGhostPreviousButton());
    EXPECT_TRUE(Issued("vxNiblineUtil -e -ghostPrevious 1"));
    EXPECT_TRUE(Settings::ghostPrev);
    EXPECT_EQ(toolbox.GetGhostPreviousButton()->GetBackgroundColor(), toolbox.GetSelectedColor());
    Click(*toolbox.GetGhostPreviousButton());
    EXPECT_TRUE(Issued("vxNiblineUtil -e -ghostPrevious 0"));
    EXPECT_EQ(toolbox.GetGhostPreviousButton()->GetBackgroundColor(), toolbox.GetNormalColor());
    Click(*toolbox.GetGhostNextButton());
    EXPECT_TRUE(Settings::ghostNext);
}

TEST_F(PanelsGuiTest, FrameButtonsMakeTheNodeThenEditFrames)
{
    ToolboxDialog& toolbox = ShowToolbox();
    const QList<FlatButton*> frames = toolbox.GetFrameButtons();
    ASSERT_EQ(frames.size(), 6);
    Click(*frames[0]);
    EXPECT_TRUE(Issued("vxNiblineNode -l -f"));
    ASSERT_TRUE(nbtest::processEvents([] { return BaseNode::GetMaster() != nullptr; }));
    EXPECT_EQ(FrameTimes(), QList<int>({1}));

    Run("currentTime 4");
    Click(*frames[0]);
    EXPECT_TRUE(Issued("vxNiblineFrame -insert"));
    EXPECT_EQ(FrameTimes(), QList<int>({1, 4}));
    Run("currentTime 6");
    Click(*frames[1]);
    EXPECT_TRUE(Issued("vxNiblineFrame -duplicate"));
    EXPECT_EQ(FrameTimes(), QList<int>({1, 4, 6}));
    Click(*frames[2]);
    EXPECT_TRUE(Issued("vxNiblineFrame -delete"));
    EXPECT_EQ(FrameTimes(), QList<int>({1, 4}));
    Run("currentTime 4");
    for (int i : {4, 3, 5})
        Click(*frames[i]);
    EXPECT_TRUE(Issued("vxNiblineFrame -copy"));
    EXPECT_TRUE(Issued("vxNiblineFrame -cut"));
    EXPECT_TRUE(Issued("vxNiblineFrame -paste"));
    EXPECT_EQ(FrameTimes(), QList<int>({1, 4}));
}

TEST_F(PanelsGuiTest, RightClicksOpenToolOptionsAndGhostCounts)
{
    ToolboxDialog& toolbox = ShowToolbox();
    RightClick(*toolbox.GetToolButton(TOOL_LINE));
    nbtest::processEvents();
    ToolOptionsDialog* popup = toolbox.GetToolOptionsPopup();
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->windowTitle(), "Line Options");
    EXPECT_EQ(popup->findChild<QSpinBox*>()->maximum(), 50);
    popup->hide();

    Settings::ghostNextCount = 7;
    QStringList entries;
    QStringList checked;
    EXPECT_TRUE(nbtest::WithModal([&] { RightClick(*toolbox.GetGhostNextButton()); },
                          [&](QWidget& menu) {
                              for (QAction* action : menu.actions()) {
                                  entries << action->text();
                                  if (action->isChecked())
                                      checked << action->text();
                              }
                              Choose(menu, "2");
                          }));
    EXPECT_EQ(entries, QStringList({"1", "2", "3", "4", "5", "", "Settings..."}));
    EXPECT_TRUE(checked.isEmpty());
    EXPECT_TRUE(Issued("vxNiblineUtil -e -ghostNextCount 2"));
    EXPECT_EQ(Settings::ghostNextCount, 2);

    Settings::toolboxDrawToolContextMenu = false;
    RightClick(*toolbox.GetToolButton(TOOL_PENCIL));
    nbtest::processEvents();
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(PanelsGuiTest, TheColourControlBecomesTheDrawColour)
{
    ShowToolbox();
    auto* control = qobject_cast<nbhost::ColorSliderGroup*>(
        nbhost::ControlRegistry::find(ToolboxDialog::COLOR_CONTROL_NAME));
    ASSERT_TRUE(control);
    EXPECT_EQ(control->changeCommand(), "vxNiblineUtil -rtb");
    control->userSetRgb(1.0, 0.5, 0.0);
    nbtest::processEvents();
    EXPECT_TRUE(Issued("vxNiblineUtil -e -drawColor 255 128 0"));
    EXPECT_EQ(Settings::activeColor, QColor(255, 128, 0));
    Run("vxNiblineUtil -e -drawColor 0 0 255");
    EXPECT_DOUBLE_EQ(control->rgb()[2], 1.0);
}

TEST_F(PanelsGuiTest, ToolOptionsIssueOnlyChanges)
{
    Settings::activeTool = TOOL_PENCIL;
    ToolOptionsDialog& options = ShowToolOptions();
    EXPECT_EQ(options.windowTitle(), "Pencil Options");
    auto boxes = options.findChildren<QSpinBox*>();
    ASSERT_EQ(boxes.size(), 2);
    QSpinBox* size = boxes[0];
    ClearJournal();
    Type(*size, "50");
    nbtest::processEvents();
    EXPECT_EQ(Commands(), std::vector<std::string>({"vxNiblineUtil -pencilOptions 50 100 0"}));
    EXPECT_EQ(Settings::pencilSize, 50);
    EXPECT_EQ(options.findChildren<QSlider*>()[0]->value(), 50);
    ClearJournal();
    Type(*size, "50");
    EXPECT_TRUE(Commands().empty());

    ClickBox(*CheckBox(options, "Tablet pressure enabled"));
    EXPECT_TRUE(Issued("vxNiblineUtil -pencilOptions 50 100 1"));
    EXPECT_TRUE(Settings::pencilTabletEnabled);

    // The panel follows the active tool, with each tool's own rows.
    Settings::activeTool = TOOL_ERASER;
    options.Refresh();
    EXPECT_FALSE(boxes[1]->isVisible());
    EXPECT_EQ(options.windowTitle(), "Eraser Options");
    Settings::activeTool = TOOL_TEXT;
    options.Refresh();
    auto* font = options.findChild<QFontComboBox*>();
    EXPECT_TRUE(font->isVisible());
    EXPECT_TRUE(boxes[1]->isVisible());
    ClearJournal();
    font->setCurrentIndex(font->currentIndex() == 0 ? 1 : 0);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Settings::textFontFamily, font->currentText());
    Settings::activeTool = TOOL_LINE;
    options.Refresh();
    EXPECT_TRUE(font->isHidden());
    EXPECT_EQ(size->maximum(), 50);
}

TEST_F(PanelsGuiTest, GhostingOkIssuesTheFiveCommandsInOrder)
{
    Settings::ghostColorOverridePrev = QColor(0, 128, 0);
    Settings::ghostColorOverrideNext = QColor(128, 0, 0);
    EXPECT_TRUE(nbtest::WithModal([&] { Run("vxNiblineUtil -ghostingSettings"); },
                          [&](QWidget& dialog) {
                              auto& ghosting = static_cast<GhostingDialog&>(dialog);
                              EXPECT_EQ(ghosting.windowTitle(), "Ghosting Settings");
                              Type(*ghosting.GetPreviousCountBox(), "12");
                              EXPECT_LE(ghosting.GetPreviousCountBox()->value(), 9);
                              Type(*ghosting.GetPreviousCountBox(), "4");
                              Type(*ghosting.GetNextCountBox(), "2");
                              ClickBox(*ghosting.GetOverrideBox());
                              ClearJournal();
                              Click(*Button(ghosting, "OK"));
                          }));
    EXPECT_EQ(Commands(), std::vector<std::string>({"vxNiblineUtil -e -ghostPreviousCount 4",
                                                   "vxNiblineUtil -e -ghostNextCount 2",
                                                   "vxNiblineUtil -e -ghostColorOverride 1",
                                                   "vxNiblineUtil -e -ghostColorPrevious 0 128 0",
                                                   "vxNiblineUtil -e -ghostColorNext 128 0 0"}));
    EXPECT_EQ(Settings::ghostPrevCount, 4);
    EXPECT_EQ(Settings::ghostNextCount, 2);
    EXPECT_TRUE(Settings::ghostColorOverride);

    ClearJournal();
    EXPECT_TRUE(nbtest::WithModal([&] { Run("vxNiblineUtil -gs"); },
                          [&](QWidget& dialog) { Click(*Button(dialog, "Cancel")); }));
    EXPECT_EQ(Commands(), std::vector<std::string>({"vxNiblineUtil -gs"}));
}

TEST_F(PanelsGuiTest, RetimeButtonsCarryMoveToNextFrame)
{
    Run("vxNiblineNode -l -c persp -f; currentTime 2; vxNiblineFrame -insert; currentTime 3; "
        "vxNiblineFrame -insert; currentTime 1");
    ASSERT_EQ(FrameTimes(), QList<int>({1, 2, 3}));
    Run("vxNiblineUtil -retimingTool");
    nbtest::processEvents();
    RetimingDialog* retiming = DialogManager::GetRetimingDialog();
    ASSERT_TRUE(retiming && retiming->isVisible());
    ClearJournal();
    Click(*Button(*retiming, "+2f"));
    EXPECT_EQ(Commands(), std::vector<std::string>({"vxNiblineFrame -relative -retime 2"}));
    const QList<int> relative = FrameTimes();
    EXPECT_NE(relative, QList<int>({1, 2, 3}));

    ClickBox(*retiming->GetMoveToNextFrameBox());
    EXPECT_TRUE(Settings::retimeMoveToNextFrame);
    ClearJournal();
    Click(*Button(*retiming, "3f"));
    EXPECT_EQ(Commands(), std::vector<std::string>({"vxNiblineFrame -moveToNext -retime 3"}));
    ClearJournal();
    Click(*Button(*retiming, "-1f"));
    EXPECT_EQ(Commands(), std::vector<std::string>({"vxNiblineFrame -relative -moveToNext -retime -1"}));
}

TEST_F(PanelsGuiTest, PaletteSwatchesFollowTheCustomColours)
{
    QColorDialog::setCustomColor(3, QColor(10, 20, 30));
    Run("vxNiblineUtil -colorPalette");
    nbtest::processEvents();
    ColorPaletteDialog* palette = DialogManager::GetColorPaletteDialog();
    ASSERT_TRUE(palette);
    const QList<FlatButton*> swatches = palette->GetSwatches();
    ASSERT_EQ(swatches.size(), 16);
    EXPECT_EQ(swatches[3]->GetBackgroundColor(), QColor(10, 20, 30));
    EXPECT_EQ(swatches[0]->y(), swatches[2]->y());
    EXPECT_LT(swatches[0]->y(), swatches[1]->y());
    ClearJournal();
    Click(*swatches[3]);
    EXPECT_EQ(Commands(), std::vector<std::string>({"vxNiblineUtil -e -drawColor 10 20 30"}));
    EXPECT_EQ(Settings::activeColor, QColor(10, 20, 30));

    // Customising in the chooser changes the palette.
    QString title;
    EXPECT_TRUE(nbtest::WithModal([&] { palette->CustomizeColors(); },
                          [&](QWidget& chooser) {
                              title = chooser.windowTitle();
                              QColorDialog::setCustomColor(3, QColor(200, 100, 50));
                              Key(chooser, Qt::Key_Escape);
                          }));
    EXPECT_EQ(title, "Customize Palette Colors");
    EXPECT_EQ(swatches[3]->GetBackgroundColor(), QColor(200, 100, 50));
}

TEST_F(PanelsGuiTest, PreferencesApplyOnOkAndCancelRestoresTheTimelineColour)
{
    Settings::timelineFrameColor = QColor(255, 0, 0);
    EXPECT_TRUE(nbtest::WithModal([&] { Run("vxNiblineUtil -preferences"); },
                          [&](QWidget& dialog) {
                              Click(*Button(dialog, "Default"));
                              EXPECT_EQ(Settings::timelineFrameColor, Settings::DEFAULT_TIMELINE_FRAME_COLOR);
                              ClickBox(*CheckBox(dialog, "Ignore 2D Pan/Zoom"));
                              Click(*Button(dialog, "Cancel"));
                          }));
    EXPECT_EQ(Settings::timelineFrameColor, QColor(255, 0, 0));
    EXPECT_FALSE(Settings::ignore2dPanZoom);

    Settings::defaultLayerState = 0;
    EXPECT_TRUE(nbtest::WithModal([&] { Run("vxNiblineUtil -preferences"); },
                          [&](QWidget& dialog) {
                              auto& preferences = static_cast<PreferencesDialog&>(dialog);
                              EXPECT_EQ(preferences.GetPageList()->currentRow(), 0);
                              ClickBox(*CheckBox(dialog, "Ignore 2D Pan/Zoom"));
                              preferences.GetPageList()->setCurrentRow(1);
                              nbtest::processEvents();
                              ClickBox(*preferences.GetStaticLayerButton());
                              Type(*preferences.GetStaticFrameTimeBox(), "-5");
                              Click(*Button(dialog, "OK"));
                          }));
    EXPECT_TRUE(Settings::ignore2dPanZoom);
    EXPECT_EQ(Settings::defaultLayerState, 1);
    EXPECT_EQ(Settings::defaultStaticFrameTime, -5);
    const std::string ini = nbtest::readFile(gui().prefsDir() + "/nibline2.ini");
    EXPECT_NE(ini.find("ignore2dPanZoom=true"), std::string::npos) << ini;
    EXPECT_NE(ini.find("defaultStaticFrameTime=-5"), std::string::npos) << ini;
    Settings::defaultStaticFrameTime = Settings::DEFAULT_STATIC_FRAME_TIME;
    Settings::defaultLayerState = 0;
}

} // namespace
} // namespace paneltest
