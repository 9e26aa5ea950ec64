#include "ui/PreferencesDialog.h"

#include "base/Settings.h"
#include "node/BaseNode.h"
#include "ui/FlatButton.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

PreferencesDialog::PreferencesDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Preferences"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setMinimumSize(0, 0);
    setMaximumSize(2000, 2000);
    pageList = new QListWidget;
    pageList->setMaximumWidth(130);
    pageList->addItems({QStringLiteral("General"), QStringLiteral("Layers")});
    auto* pages = new QStackedWidget;
    pages->addWidget(BuildGeneralPage());
    pages->addWidget(BuildLayersPage());
    connect(pageList, SIGNAL(currentRowChanged(int)), pages, SLOT(setCurrentIndex(int)));
    pageList->setCurrentRow(0);

    auto* body = new QHBoxLayout;
    body->addWidget(pageList);
    body->addWidget(pages);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    connect(ok, SIGNAL(clicked()), this, SLOT(accept()));
    connect(cancel, SIGNAL(clicked()), this, SLOT(reject()));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    LoadSettings();
}

QCheckBox* PreferencesDialog::AddOption(QLayout* layout, const char* label)
{
    auto* box = new QCheckBox(QString::fromLatin1(label));
    layout->addWidget(box);
    return box;
}

QWidget* PreferencesDialog::BuildGeneralPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* colorGroup = new QGroupBox(QStringLiteral("Timeline Frame Color"));
    auto* colorRow = new QHBoxLayout(colorGroup);
    timelineColorSwatch = new FlatButton;
    timelineColorSwatch->setFixedSize(64, 22);
    timelineColorSwatch->SetBorderWidth(1);
    auto* defaultButton = new QPushButton(QStringLiteral("Default"));
    defaultButton->setMinimumWidth(80);
    colorRow->addWidget(timelineColorSwatch);
    colorRow->addWidget(defaultButton);
    colorRow->addStretch();
    connect(timelineColorSwatch, SIGNAL(clicked()), this, SLOT(SelectTimelineFrameColor()));
    connect(defaultButton, SIGNAL(clicked()), this, SLOT(SetDefaultTimelineFrameColor()));
    layout->addWidget(colorGroup);

    auto* options = new QGroupBox(QStringLiteral("Options"));
    auto* optionsLayout = new QVBoxLayout(options);
    disableGhostingDuringPlayback = AddOption(optionsLayout, "Disable ghosting during playback");
    drawToolContextMenu = AddOption(optionsLayout, "Draw Tool viewport context menu");
    transformToolContextMenu = AddOption(optionsLayout, "Transform Tool viewport context menu");
    timelineContextMenu = AddOption(optionsLayout, "Timeline context menu");
    toolboxDrawToolContextMenu = AddOption(optionsLayout, "Toolbox draw tool context menu");
    toolboxGhostingContextMenu = AddOption(optionsLayout, "Toolbox ghosting context menu");
    timeControlRangeMoveEnabled = AddOption(optionsLayout, "Timeline range move enabled");
    ignore2dPanZoom = AddOption(optionsLayout, "Ignore 2D Pan/Zoom");
    showMainMenuInAnimationSet = AddOption(optionsLayout, "Show NB2 menu only  in Animation menu set (requires restart)");
    layout->addWidget(options);
    layout->addStretch();
    return page;
}

QWidget* PreferencesDialog::BuildLayersPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* stateGroup = new QGroupBox(QStringLiteral("Default New Layer State"));
    auto* stateRow = new QHBoxLayout(stateGroup);
    animLayer = new QRadioButton(QStringLiteral("Anim"));
    staticLayer = new QRadioButton(QStringLiteral("Static"));
    stateRow->addWidget(animLayer);
    stateRow->addWidget(staticLayer);
    stateRow->addStretch();
    layout->addWidget(stateGroup);

    auto* common = new QGroupBox(QStringLiteral("Common Layer Options"));
    auto* commonLayout = new QVBoxLayout(common);
    automaticallyAddFirstLayer = AddOption(commonLayout, "Automatically add first layer on draw");
    alwaysDisplayNewLayerDialog = AddOption(commonLayout, "Always display new layer dialog");
    layout->addWidget(common);

    auto* staticGroup = new QGroupBox(QStringLiteral("Static Layer Options"));
    auto* staticLayout = new QVBoxLayout(staticGroup);
    auto* timeRow = new QHBoxLayout;
    staticFrameTime = new QSpinBox;
    staticFrameTime->setRange(-9999, 9999);
    timeRow->addWidget(new QLabel(QStringLiteral("Default static frame time:")));
    timeRow->addWidget(staticFrameTime);
    timeRow->addStretch();
    staticLayout->addLayout(timeRow);
    insertDefaultStaticFrame = AddOption(staticLayout, "Insert default static frame");
    layout->addWidget(staticGroup);
    layout->addStretch();
    return page;
}

QList<QCheckBox*> PreferencesDialog::GetOptionBoxes() const
{
    return {disableGhostingDuringPlayback, drawToolContextMenu,        transformToolContextMenu,
            timelineContextMenu,           toolboxDrawToolContextMenu, toolboxGhostingContextMenu,
            timeControlRangeMoveEnabled,   ignore2dPanZoom,            showMainMenuInAnimationSet,
            automaticallyAddFirstLayer,    alwaysDisplayNewLayerDialog, insertDefaultStaticFrame};
}

void PreferencesDialog::LoadSettings()
{
    timelineColor = Settings::timelineFrameColor;
    timelineColorSwatch->SetBackgroundColor(timelineColor);
    disableGhostingDuringPlayback->setChecked(Settings::disableGhostingDuringPlayback);
    drawToolContextMenu->setChecked(Settings::drawToolContextMenu);
    transformToolContextMenu->setChecked(Settings::transformToolContextMenu);
    timelineContextMenu->setChecked(Settings::timelineContextMenu);
    toolboxDrawToolContextMenu->setChecked(Settings::toolboxDrawToolContextMenu);
    toolboxGhostingContextMenu->setChecked(Settings::toolboxGhostingContextMenu);
    timeControlRangeMoveEnabled->setChecked(Settings::timeControlRangeMoveEnabled);
    ignore2dPanZoom->setChecked(Settings::ignore2dPanZoom);
    showMainMenuInAnimationSet->setChecked(Settings::showMainMenuInAnimationSet);
    staticLayer->setChecked(Settings::defaultLayerState == 1);
    animLayer->setChecked(Settings::defaultLayerState != 1);
    automaticallyAddFirstLayer->setChecked(Settings::automaticallyAddFirstLayer);
    alwaysDisplayNewLayerDialog->setChecked(Settings::alwaysDisplayNewLayerDialog);
    staticFrameTime->setValue(Settings::defaultStaticFrameTime);
    insertDefaultStaticFrame->setChecked(Settings::insertDefaultStaticFrame);
}

void PreferencesDialog::SelectTimelineFrameColor()
{
    const QColor chosen = QColorDialog::getColor(timelineColor, this, QStringLiteral("Timeline Frame Color"),
                                                 QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return;
    timelineColor = chosen;
    UpdateTimelineFrameColor();
}

void PreferencesDialog::SetDefaultTimelineFrameColor()
{
    timelineColor = Settings::DEFAULT_TIMELINE_FRAME_COLOR;
    UpdateTimelineFrameColor();
}

// The colour shows on the time slider at once; Cancel puts the old one back.
void PreferencesDialog::UpdateTimelineFrameColor()
{
    timelineColorSwatch->SetBackgroundColor(timelineColor);
    Settings::timelineFrameColor = timelineColor;
    BaseNode::UpdateTimeControlOverlay();
}

void PreferencesDialog::Apply()
{
    const bool panZoomChanged = ignore2dPanZoom->isChecked() != Settings::ignore2dPanZoom;
    Settings::timelineFrameColor = timelineColor;
    Settings::disableGhostingDuringPlayback = disableGhostingDuringPlayback->isChecked();
    Settings::drawToolContextMenu = drawToolContextMenu->isChecked();
    Settings::transformToolContextMenu = transformToolContextMenu->isChecked();
    Settings::timelineContextMenu = timelineContextMenu->isChecked();
    Settings::toolboxDrawToolContextMenu = toolboxDrawToolContextMenu->isChecked();
    Settings::toolboxGhostingContextMenu = toolboxGhostingContextMenu->isChecked();
    Settings::timeControlRangeMoveEnabled = timeControlRangeMoveEnabled->isChecked();
    Settings::ignore2dPanZoom = ignore2dPanZoom->isChecked();
    Settings::showMainMenuInAnimationSet = showMainMenuInAnimationSet->isChecked();
    Settings::defaultLayerState = staticLayer->isChecked() ? 1 : 0;
    Settings::automaticallyAddFirstLayer = automaticallyAddFirstLayer->isChecked();
    Settings::alwaysDisplayNewLayerDialog = alwaysDisplayNewLayerDialog->isChecked();
    Settings::defaultStaticFrameTime = staticFrameTime->value();
    Settings::insertDefaultStaticFrame = insertDefaultStaticFrame->isChecked();
    Settings::WriteUserConfig();
    if (panZoomChanged) {
        if (BaseNode* master = BaseNode::GetMaster())
            master->QueueRefresh();
    }
}
