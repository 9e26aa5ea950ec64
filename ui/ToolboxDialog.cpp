#include "ui/ToolboxDialog.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "node/BaseNode.h"
#include "ui/FlatButton.h"
#include "ui/ToolOptionsDialog.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

const char* const ToolboxDialog::COLOR_CONTROL_NAME = "vxNbToolboxColorPickerBtn";

namespace {

const int TOOL_BUTTON_SIZE = 38;
const int FRAME_BUTTON_SIZE = 24;

QHBoxLayout* NewRow(QBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    layout->addLayout(row);
    return row;
}

QLabel* Divider()
{
    auto* label = new QLabel(QStringLiteral("------"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

ToolboxDialog::ToolboxDialog(QWidget* parent) : PersistentPanel(&Settings::toolboxGeometry, parent)
{
    setWindowTitle(QStringLiteral(" "));
    setContextMenuPolicy(Qt::CustomContextMenu);
    normalColor = palette().color(QPalette::Window);
    selectedColor = palette().color(QPalette::Highlight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    // The panel keeps to its buttons instead of spreading them out.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BuildToolRows(layout);
    BuildColorRow(layout);
    layout->addWidget(Divider());
    BuildGhostAndFrameRows(layout);
    connect(this, SIGNAL(customContextMenuRequested(QPoint)), this, SLOT(ShowContextMenu(QPoint)));
    toolOptionsPopup = new ToolOptionsDialog(true, TOOL_PENCIL, this);
    Refresh();
}

FlatButton* ToolboxDialog::AddButton(QBoxLayout* row, const char* icon, const char* toolTip, int inset, int size,
                                     const char* slot)
{
    auto* button = new FlatButton(QStringLiteral(":/icons/%1.png").arg(QLatin1String(icon)),
                                  QString::fromLatin1(toolTip), inset);
    button->setFixedSize(size, size);
    button->SetBackgroundColor(normalColor);
    row->addWidget(button);
    connect(button, SIGNAL(clicked()), this, slot);
    return button;
}

// Rows of two, in tool order: the button of tool t is toolButtons[t].
void ToolboxDialog::BuildToolRows(QBoxLayout* layout)
{
    struct Tool
    {
        const char* icon;
        const char* toolTip;
        int inset;
        const char* slot;
    };
    const Tool tools[] = {
        {"pencil", "Pencil", 12, SLOT(SetPencilTool())},  {"brush", "Brush", 12, SLOT(SetBrushTool())},
        {"eraser", "Eraser", 10, SLOT(SetEraserTool())},  {"text", "Text", 16, SLOT(SetTextTool())},
        {"line", "Line", 16, SLOT(SetLineTool())},        {"arrow", "Arrow", 18, SLOT(SetArrowTool())},
        {"ellipse", "Ellipse", 16, SLOT(SetEllipseTool())},
        {"rectangle", "Rectangle", 16, SLOT(SetRectangleTool())},
    };
    QHBoxLayout* row = nullptr;
    for (int i = 0; i < 8; ++i) {
        if (i % 2 == 0)
            row = NewRow(layout);
        toolButtons.append(AddButton(row, tools[i].icon, tools[i].toolTip, tools[i].inset, TOOL_BUTTON_SIZE,
                                     tools[i].slot));
    }
}

// The host's own colour control; its change makes the utility command take
// the new colour as the draw colour.
void ToolboxDialog::BuildColorRow(QBoxLayout* layout)
{
    const QString name = QString::fromLatin1(COLOR_CONTROL_NAME);
    colorControl = MayaUtil::CreateColorSliderGrp(name, 76, 28);
    if (!colorControl)
        return;
    colorControl->setFixedHeight(28);
    MayaUtil::SetColorSliderGrpChangeCommand(name, Settings::UTIL_COMMAND_NAME + QStringLiteral(" -rtb"));
    NewRow(layout)->addWidget(colorControl);
}

void ToolboxDialog::BuildGhostAndFrameRows(QBoxLayout* layout)
{
    QHBoxLayout* ghosts = NewRow(layout);
    ghostPrevButton = AddButton(ghosts, "ghost_prev", "Ghost Previous", 8, TOOL_BUTTON_SIZE,
                                SLOT(ToggleGhostPrevious()));
    ghostNextButton = AddButton(ghosts, "ghost_next", "Ghost Next", 8, TOOL_BUTTON_SIZE, SLOT(ToggleGhostNext()));
    layout->addWidget(Divider());
    QHBoxLayout* edit = NewRow(layout);
    frameButtons << AddButton(edit, "insert", "Insert Frame(s)", 6, FRAME_BUTTON_SIZE, SLOT(InsertKey()))
                 << AddButton(edit, "duplicate", "Duplicate Key", 6, FRAME_BUTTON_SIZE, SLOT(DuplicateKey()))
                 << AddButton(edit, "delete", "Delete Frame(s)", 6, FRAME_BUTTON_SIZE, SLOT(DeleteKey()));
    QHBoxLayout* clipboard = NewRow(layout);
    frameButtons << AddButton(clipboard, "cut", "Cut Frame(s)", 6, FRAME_BUTTON_SIZE, SLOT(CutKey()))
                 << AddButton(clipboard, "copy", "Copy Frame(s)", 6, FRAME_BUTTON_SIZE, SLOT(CopyKey()))
                 << AddButton(clipboard, "paste", "Paste Frame(s)", 6, FRAME_BUTTON_SIZE, SLOT(PasteKey()));
}

void ToolboxDialog::Refresh()
{
    for (int tool = 0; tool < toolButtons.size(); ++tool)
        toolButtons[tool]->SetBackgroundColor(tool == Settings::activeTool ? selectedColor : normalColor);
    if (colorControl)
        MayaUtil::SetColorSliderGrpColor(QString::fromLatin1(COLOR_CONTROL_NAME), Settings::activeColor);
    ghostPrevButton->SetBackgroundColor(Settings::ghostPrev ? selectedColor : normalColor);
    ghostNextButton->SetBackgroundColor(Settings::ghostNext ? selectedColor : normalColor);
}

void ToolboxDialog::RefreshToolOptions()
{
    if (toolOptionsPopup->isVisible())
        toolOptionsPopup->Refresh();
}

QColor ToolboxDialog::GetColor() const
{
    if (!colorControl)
        return QColor();
    return MayaUtil::GetColorSliderGrpColor(QString::fromLatin1(COLOR_CONTROL_NAME));
}

void ToolboxDialog::SetPencilTool() { MayaUtil::SetPencilTool(); }
void ToolboxDialog::SetBrushTool() { MayaUtil::SetBrushTool(); }
void ToolboxDialog::SetEraserTool() { MayaUtil::SetEraserTool(); }
void ToolboxDialog::SetTextTool() { MayaUtil::SetTextTool(); }
void ToolboxDialog::SetLineTool() { MayaUtil::SetLineTool(); }
void ToolboxDialog::SetArrowTool() { MayaUtil::SetArrowTool(); }
void ToolboxDialog::SetEllipseTool() { MayaUtil::SetEllipseTool(); }
void ToolboxDialog::SetRectangleTool() { MayaUtil::SetRectangleTool(); }
void ToolboxDialog::ToggleGhostPrevious() { MayaUtil::ToggleGhostPrevious(); }
void ToolboxDialog::ToggleGhostNext() { MayaUtil::ToggleGhostNext(); }

// Without a drawing node, Insert makes one with its first layer and frame.
void ToolboxDialog::InsertKey()
{
    if (!BaseNode::GetMaster())
        MayaUtil::CreateNode(true, true, QString(), QString(), -1);
    else
        MayaUtil::InsertFrame();
}

void ToolboxDialog::DuplicateKey() { MayaUtil::DuplicateFrame(); }
void ToolboxDialog::DeleteKey() { MayaUtil::DeleteFrame(); }
void ToolboxDialog::CutKey() { MayaUtil::CutFrame(); }
void ToolboxDialog::CopyKey() { MayaUtil::CopyFrame(); }
void ToolboxDialog::PasteKey() { MayaUtil::PasteFrame(); }

// The count menu's entries carry their number.
void ToolboxDialog::SetGhostPreviousCount()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        MayaUtil::SetGhostPreviousCount(action->data().toInt());
}

void ToolboxDialog::SetGhostNextCount()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        MayaUtil::SetGhostNextCount(action->data().toInt());
}

void ToolboxDialog::ShowGhostingSettings()
{
    MayaUtil::ShowGhostingDialog();
}

void ToolboxDialog::ShowContextMenu(const QPoint& point)
{
    QWidget* under = childAt(point);
    const int tool = toolButtons.indexOf(qobject_cast<FlatButton*>(under));
    if (tool >= 0) {
        if (Settings::toolboxDrawToolContextMenu)
            ShowToolOptionsPopup(ToolType(tool), toolButtons[tool]);
        return;
    }
    if ((under == ghostPrevButton || under == ghostNextButton) && under && Settings::toolboxGhostingContextMenu)
        ShowGhostCountMenu(under == ghostPrevButton, mapToGlobal(point));
}

void ToolboxDialog::ShowToolOptionsPopup(ToolType tool, FlatButton* button)
{
    toolOptionsPopup->SetToolType(tool);
    toolOptionsPopup->move(button->mapToGlobal(QPoint(0, 0)) + QPoint(button->width() + 2, 2));
    toolOptionsPopup->show();
    activateWindow();
    setFocus();
}

// Counts up to five are offered, though the settings take up to nine.
void ToolboxDialog::ShowGhostCountMenu(bool previous, const QPoint& globalPoint)
{
    QMenu menu(this);
    const int current = previous ? Settings::ghostPrevCount : Settings::ghostNextCount;
    const char* slot = previous ? SLOT(SetGhostPreviousCount()) : SLOT(SetGhostNextCount());
    for (int count = 1; count <= 5; ++count) {
        QAction* entry = menu.addAction(QString::number(count));
        entry->setCheckable(true);
        entry->setChecked(count == current);
        entry->setData(count);
        connect(entry, SIGNAL(triggered()), this, slot);
    }
    menu.addSeparator();
    menu.addAction(QStringLiteral("Settings..."), this, SLOT(ShowGhostingSettings()));
    menu.exec(globalPoint);
}
