#pragma once

#include "base/ToolType.h"
#include "ui/PersistentPanel.h"

class QCheckBox;
class QFontComboBox;
class QFormLayout;
class QLabel;
class QSlider;
class QSpinBox;

// The size, opacity, tablet pressure and (for text) font of one drawing
// tool. The stand-alone Tool Options panel shows the active tool; the
// toolbox's popup shows the tool it was opened for. Edits issue the tool's
// option command only when a value differs from the setting, so showing a
// tool never issues one; the command then refreshes this panel.
class ToolOptionsDialog : public PersistentPanel
{
    Q_OBJECT

public:
    ToolOptionsDialog(bool popup, ToolType toolType, QWidget* parent);

    void Refresh();
    void SetToolType(ToolType toolType);
    ToolType GetToolType() const { return toolType; }
    bool IsPopup() const { return popup; }
    void SetOpacityVisible(bool visible);

    static QString ToolName(int toolType);

public slots:
    void SetSize();
    void SetSize(int size);
    void SetOpacity();
    void SetOpacity(int opacity);
    void SetTabletPressureEnabled(bool enabled);
    void SetFontFamily(const QString& family);

private:
    void BuildWidgets();
    void BuildLayout();
    void ShowFontRow(bool shown);
    // Issues the tool's option command with these values and the tool's
    // other current settings.
    void IssueOptions(int size, int opacity, bool tablet, const QString& family) const;
    void ShowValues(int maxSize, int size, int opacity);

    bool popup;
    ToolType toolType;
    QFormLayout* form = nullptr;
    QSpinBox* sizeSpin = nullptr;
    QSlider* sizeSlider = nullptr;
    QLabel* opacityLabel = nullptr;
    QWidget* opacityRow = nullptr;
    QSpinBox* opacitySpin = nullptr;
    QSlider* opacitySlider = nullptr;
    QCheckBox* tabletCheck = nullptr;
    QLabel* fontLabel = nullptr;
    QFontComboBox* fontCombo = nullptr;
    bool fontRowShown = false;
};
