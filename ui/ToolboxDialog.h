#pragma once

#include "base/ToolType.h"
#include "ui/PersistentPanel.h"

#include <QColor>
#include <QList>
#include <QPoint>

class FlatButton;
class QBoxLayout;
class QMenu;
class ToolOptionsDialog;

// The small floating panel from which the user picks a drawing tool, the
// draw colour and ghosting, and edits frames with one click. Every button
// issues a command through the host; the utility command then refreshes
// the toolbox, so it always shows the settings. A right click on a tool
// button pops up that tool's options; on a ghost button, the ghost count.
class ToolboxDialog : public PersistentPanel
{
    Q_OBJECT

public:
    static const char* const COLOR_CONTROL_NAME;

    explicit ToolboxDialog(QWidget* parent);

    void Refresh();
    // The popup tool options follow the settings while they show.
    void RefreshToolOptions();
    // The colour control's colour; invalid when the control is missing.
    QColor GetColor() const;

    FlatButton* GetToolButton(ToolType tool) const { return toolButtons.value(tool); }
    FlatButton* GetGhostPreviousButton() const { return ghostPrevButton; }
    FlatButton* GetGhostNextButton() const { return ghostNextButton; }
    // Insert, duplicate, delete, cut, copy, paste.
    QList<FlatButton*> GetFrameButtons() const { return frameButtons; }
    ToolOptionsDialog* GetToolOptionsPopup() const { return toolOptionsPopup; }
    QColor GetNormalColor() const { return normalColor; }
    QColor GetSelectedColor() const { return selectedColor; }

public slots:
    void SetPencilTool();
    void SetBrushTool();
    void SetEraserTool();
    void SetTextTool();
    void SetLineTool();
    void SetArrowTool();
    void SetEllipseTool();
    void SetRectangleTool();
    void ToggleGhostPrevious();
    void ToggleGhostNext();
    void InsertKey();
    void DuplicateKey();
    void DeleteKey();
    void CutKey();
    void CopyKey();
    void PasteKey();
    void SetGhostPreviousCount();
    void SetGhostNextCount();
    void ShowGhostingSettings();
    void ShowContextMenu(const QPoint& point);

private:
    FlatButton* AddButton(QBoxLayout* row, const char* icon, const char* toolTip, int inset, int size,
                          const char* slot);
    void BuildToolRows(QBoxLayout* layout);
    void BuildColorRow(QBoxLayout* layout);
    void BuildGhostAndFrameRows(QBoxLayout* layout);
    void ShowToolOptionsPopup(ToolType tool, FlatButton* button);
    void ShowGhostCountMenu(bool previous, const QPoint& globalPoint);

    QList<FlatButton*> toolButtons;
    FlatButton* ghostPrevButton = nullptr;
    FlatButton* ghostNextButton = nullptr;
    QList<FlatButton*> frameButtons;
    QWidget* colorControl = nullptr;
    QColor normalColor;
    QColor selectedColor;
    ToolOptionsDialog* toolOptionsPopup = nullptr;
};
