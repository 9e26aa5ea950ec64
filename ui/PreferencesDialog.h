#pragma once

#include <QColor>
#include <QDialog>

class FlatButton;
class QCheckBox;
class QListWidget;
class QRadioButton;
class QSpinBox;

// Every persistent preference on two pages, General and Layers. The
// timeline colour applies at once, so the user sees it on the time slider;
// the other options are written back by Apply when the dialog is accepted.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PreferencesDialog(QWidget* parent);

    QListWidget* GetPageList() const { return pageList; }
    FlatButton* GetTimelineColorSwatch() const { return timelineColorSwatch; }
    QColor GetTimelineColor() const { return timelineColor; }
    // The option check boxes of the General page, in their order, then
    // those of the Layers page.
    QList<QCheckBox*> GetOptionBoxes() const;
    QRadioButton* GetStaticLayerButton() const { return staticLayer; }
    QSpinBox* GetStaticFrameTimeBox() const { return staticFrameTime; }

public slots:
    void SelectTimelineFrameColor();
    void SetDefaultTimelineFrameColor();
    void UpdateTimelineFrameColor();
    void Apply();
    void LoadSettings();

private:
    QWidget* BuildGeneralPage();
    QWidget* BuildLayersPage();
    QCheckBox* AddOption(QLayout* layout, const char* label);

    QListWidget* pageList = nullptr;
    FlatButton* timelineColorSwatch = nullptr;
    QColor timelineColor;
    QCheckBox* disableGhostingDuringPlayback = nullptr;
    QCheckBox* drawToolContextMenu = nullptr;
    QCheckBox* transformToolContextMenu = nullptr;
    QCheckBox* timelineContextMenu = nullptr;
    QCheckBox* toolboxDrawToolContextMenu = nullptr;
    QCheckBox* toolboxGhostingContextMenu = nullptr;
    QCheckBox* timeControlRangeMoveEnabled = nullptr;
    QCheckBox* ignore2dPanZoom = nullptr;
    QCheckBox* showMainMenuInAnimationSet = nullptr;
    QRadioButton* animLayer = nullptr;
    QRadioButton* staticLayer = nullptr;
    QCheckBox* automaticallyAddFirstLayer = nullptr;
    QCheckBox* alwaysDisplayNewLayerDialog = nullptr;
    QSpinBox* staticFrameTime = nullptr;
    QCheckBox* insertDefaultStaticFrame = nullptr;
};
