#include "ui/ToolOptionsDialog.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {

QSpinBox* NumberBox(int minimum, int maximum)
{
    auto* box = new QSpinBox;
    box->setFixedWidth(32);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAlignment(Qt::AlignRight);
    box->setRange(minimum, maximum);
    return box;
}

QWidget* Row(QWidget* first, QWidget* second)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second);
    return row;
}

} // namespace

ToolOptionsDialog::ToolOptionsDialog(bool popup, ToolType toolType, QWidget* parent)
    : PersistentPanel(popup ? nullptr : &Settings::toolOptionsGeometry, parent,
                      popup ? Qt::WindowFlags(Qt::Popup) : Qt::WindowFlags(Qt::Tool)),
      popup(popup), toolType(toolType)
{
    if (popup) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
    }
    setMinimumWidth(250);
    BuildWidgets();
    BuildLayout();
    Refresh();
}

void ToolOptionsDialog::BuildWidgets()
{
    sizeSpin = NumberBox(1, 100);
    sizeSlider = new QSlider(Qt::Horizontal);
    sizeSlider->setMinimum(1);
    opacityLabel = new QLabel(QStringLiteral("Opacity:"));
    opacitySpin = NumberBox(1, 100);
    opacitySlider = new QSlider(Qt::Horizontal);
    opacitySlider->setRange(1, 100);
    tabletCheck = new QCheckBox(QStringLiteral("Tablet pressure enabled"));
    fontLabel = new QLabel(QStringLiteral("Font:"));
    fontCombo = new QFontComboBox;
    fontLabel->hide();
    fontCombo->hide();

    connect(sizeSpin, SIGNAL(editingFinished()), this, SLOT(SetSize()));
    connect(sizeSlider, SIGNAL(valueChanged(int)), this, SLOT(SetSize(int)));
    connect(opacitySpin, SIGNAL(editingFinished()), this, SLOT(SetOpacity()));
    connect(opacitySlider, SIGNAL(valueChanged(int)), this, SLOT(SetOpacity(int)));
    connect(tabletCheck, SIGNAL(toggled(bool)), this, SLOT(SetTabletPressureEnabled(bool)));
    connect(fontCombo, SIGNAL(currentTextChanged(QString)), this, SLOT(SetFontFamily(QString)));
}

void ToolOptionsDialog::BuildLayout()
{
    form = new QFormLayout(this);
    form->addRow(QStringLiteral("Size:"), Row(sizeSpin, sizeSlider));
    opacityRow = Row(opacitySpin, opacitySlider);
    form->addRow(opacityLabel, opacityRow);
    form->addRow(new QLabel, tabletCheck);
}

QString ToolOptionsDialog::ToolName(int toolType)
{
    static const char* const names[] = {"Pencil", "Brush", "Eraser", "Text",
                                        "Line",   "Arrow", "Ellipse", "Rectangle"};
    if (toolType < TOOL_PENCIL || toolType > TOOL_RECTANGLE)
        return QStringLiteral("Unknown");
    return QString::fromLatin1(names[toolType]);
}

void ToolOptionsDialog::SetToolType(ToolType value)
{
    toolType = value;
    Refresh();
}

void ToolOptionsDialog::SetOpacityVisible(bool visible)
{
    opacityLabel->setVisible(visible);
    opacityRow->setVisible(visible);
}

void ToolOptionsDialog::ShowFontRow(bool shown)
{
    if (shown == fontRowShown)
        return;
    fontRowShown = shown;
    if (shown) {
        form->insertRow(0, fontLabel, fontCombo);
        fontLabel->show();
        fontCombo->show();
        return;
    }
    form->takeRow(fontCombo);
    fontLabel->hide();
    fontCombo->hide();
}

// The maximum goes first, so that showing a tool never clamps its size.
void ToolOptionsDialog::ShowValues(int maxSize, int size, int opacity)
{
    const QSignalBlocker blockSpin(sizeSpin);
    const QSignalBlocker blockSlider(sizeSlider);
    const QSignalBlocker blockOpacitySpin(opacitySpin);
    const QSignalBlocker blockOpacitySlider(opacitySlider);
    sizeSpin->setMaximum(maxSize);
    sizeSlider->setMaximum(maxSize);
    sizeSpin->setValue(size);
    sizeSlider->setValue(size);
    opacitySpin->setValue(opacity);
    opacitySlider->setValue(opacity);
}

void ToolOptionsDialog::Refresh()
{
    if (!popup && Settings::activeTool >= TOOL_PENCIL && Settings::activeTool <= TOOL_RECTANGLE)
        toolType = ToolType(Settings::activeTool);
    ShowFontRow(false);
    SetOpacityVisible(true);
    tabletCheck->hide();
    const bool wide = toolType == TOOL_PENCIL || toolType == TOOL_BRUSH || toolType == TOOL_ERASER
                      || toolType == TOOL_TEXT;
    ShowValues(wide ? 100 : 50, Settings::GetToolSize(toolType), Settings::GetToolOpacity(toolType));
    if (toolType == TOOL_PENCIL || toolType == TOOL_BRUSH) {
        const QSignalBlocker block(tabletCheck);
        tabletCheck->setChecked(Settings::IsTabletPressureEnabled(toolType));
        tabletCheck->show();
    } else if (toolType == TOOL_ERASER) {
        SetOpacityVisible(false);
    } else if (toolType == TOOL_TEXT) {
        ShowFontRow(true);
        const QSignalBlocker block(fontCombo);
        const int index = fontCombo->findText(Settings::textFontFamily, Qt::MatchExactly);
        if (index >= 0)
            fontCombo->setCurrentIndex(index);
    }
    setWindowTitle(QStringLiteral("%1 Options").arg(ToolName(toolType)));
}

void ToolOptionsDialog::IssueOptions(int size, int opacity, bool tablet, const QString& family) const
{
    switch (toolType) {
    case TOOL_PENCIL:
        MayaUtil::SetPencilOptions(size, opacity, tablet);
        break;
    case TOOL_BRUSH:
        MayaUtil::SetBrushOptions(size, opacity, Settings::brushHardness, tablet);
        break;
    case TOOL_ERASER:
        MayaUtil::SetEraserOptions(size, opacity, Settings::eraserHardness, tablet);
        break;
    case TOOL_TEXT:
        MayaUtil::SetTextOptions(size, opacity, family);
        break;
    case TOOL_LINE:
        MayaUtil::SetLineOptions(size, opacity);
        break;
    case TOOL_ARROW:
        MayaUtil::SetArrowOptions(size, opacity);
        break;
    case TOOL_ELLIPSE:
        MayaUtil::SetEllipseOptions(size, opacity);
        break;
    case TOOL_RECTANGLE:
        MayaUtil::SetRectangleOptions(size, opacity);
        break;
    default:
        break;
    }
}

void ToolOptionsDialog::SetSize()
{
    SetSize(sizeSpin->value());
}

void ToolOptionsDialog::SetSize(int size)
{
    if (size == Settings::GetToolSize(toolType))
        return;
    IssueOptions(size, Settings::GetToolOpacity(toolType), Settings::IsTabletPressureEnabled(toolType),
                 Settings::textFontFamily);
}

void ToolOptionsDialog::SetOpacity()
{
    SetOpacity(opacitySpin->value());
}

void ToolOptionsDialog::SetOpacity(int opacity)
{
    if (opacity == Settings::GetToolOpacity(toolType))
        return;
    IssueOptions(Settings::GetToolSize(toolType), opacity, Settings::IsTabletPressureEnabled(toolType),
                 Settings::textFontFamily);
}

void ToolOptionsDialog::SetTabletPressureEnabled(bool enabled)
{
    if (toolType != TOOL_PENCIL && toolType != TOOL_BRUSH && toolType != TOOL_ERASER)
        return;
    if (enabled == Settings::IsTabletPressureEnabled(toolType))
        return;
    IssueOptions(Settings::GetToolSize(toolType), Settings::GetToolOpacity(toolType), enabled, QString());
}

void ToolOptionsDialog::SetFontFamily(const QString& family)
{
    if (toolType != TOOL_TEXT || family.isEmpty() || family == Settings::textFontFamily)
        return;
    IssueOptions(Settings::GetToolSize(toolType), Settings::GetToolOpacity(toolType), false, family);
}
