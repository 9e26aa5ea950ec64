#include "tools/DrawContextMenu.h"

#include "base/Settings.h"
#include "base/TimelineFrameDisplay.h"
#include "model/Layer.h"
#include "node/BaseNode.h"
#include "tools/DrawContextInputHandler.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

const char* const DrawContextMenu::DRAW_MENU_NAME = "vxNbDrawContextMenu";
const char* const DrawContextMenu::TIME_CONTROL_MENU_NAME = "vxNbTimeControlMenu";

namespace {

QAction* AddItem(QMenu& menu, const QString& label, DrawContextInputHandler& handler, const char* slot)
{
    QAction* action = menu.addAction(label);
    QObject::connect(action, SIGNAL(triggered()), &handler, slot);
    return action;
}

QAction* AddCheckItem(QMenu& menu, const QString& label, DrawContextInputHandler& handler, const char* slot,
                      bool checked)
{
    QAction* action = AddItem(menu, label, handler, slot);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QMenu* NewMenu(const char* name)
{
    auto* menu = new QMenu();
    menu->setObjectName(QString::fromLatin1(name));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    return menu;
}

} // namespace

QMenu* DrawContextMenu::BuildDrawMenu(DrawContextInputHandler& handler, const QString& camera)
{
    QMenu* menu = NewMenu(DRAW_MENU_NAME);
    AddLayers(*menu, handler, camera);
    AddItem(*menu, QStringLiteral("Transform"), handler, SLOT(TransformTool()));
    menu->addSeparator();
    AddToolMenu(*menu, handler);
    menu->addSeparator();
    QMenu* layer = menu->addMenu(QStringLiteral("Layer"));
    AddItem(*layer, QStringLiteral("New Layer..."), handler, SLOT(NewLayer()));
    AddItem(*layer, QStringLiteral("Layer Properties..."), handler, SLOT(LayerProperties()));
    AddFrameItems(*menu->addMenu(QStringLiteral("Frame")), handler, true);
    AddGhostingMenu(*menu, handler);
    menu->addSeparator();
    AddPanelItems(*menu, handler);
    menu->addSeparator();
    AddTimelineMenu(*menu, handler);
    menu->addSeparator();
    AddCleanupMenu(*menu, handler);
    return menu;
}

QMenu* DrawContextMenu::BuildTimeControlMenu(DrawContextInputHandler& handler)
{
    QMenu* menu = NewMenu(TIME_CONTROL_MENU_NAME);
    menu->addAction(QStringLiteral("Nibline 2"))->setEnabled(false);
    menu->addSeparator();
    AddFrameItems(*menu, handler, false);
    return menu;
}

void DrawContextMenu::PopUp(QMenu* menu)
{
    menu->popup(QCursor::pos());
}

void DrawContextMenu::AddLayers(QMenu& menu, DrawContextInputHandler& handler, const QString& camera)
{
    BaseNode* node = BaseNode::GetMaster();
    if (!node)
        return;
    const QList<Layer*> layers = node->GetLayers(camera);
    const int active = camera == node->GetActiveCamera() ? node->GetActiveLayerIndex(camera) : -1;
    for (int index = layers.size() - 1; index >= 0; --index) {
        const QString name = layers[index]->GetName();
        QAction* item = AddItem(menu, index == active ? QStringLiteral("%1 (active)").arg(name) : name, handler,
                                SLOT(SetActiveLayer()));
        item->setData(index);
    }
    if (!layers.isEmpty())
        menu.addSeparator();
}

void DrawContextMenu::AddToolMenu(QMenu& menu, DrawContextInputHandler& handler)
{
    struct Tool { const char* label; const char* slot; ToolType tool; };
    static const Tool tools[] = {
        {"Pencil", SLOT(SetPencilTool()), TOOL_PENCIL},       {"Brush", SLOT(SetBrushTool()), TOOL_BRUSH},
        {"Eraser", SLOT(SetEraserTool()), TOOL_ERASER},       {"Text", SLOT(SetTextTool()), TOOL_TEXT},
        {"Line", SLOT(SetLineTool()), TOOL_LINE},             {"Arrow", SLOT(SetArrowTool()), TOOL_ARROW},
        {"Ellipse", SLOT(SetEllipseTool()), TOOL_ELLIPSE},    {"Rectangle", SLOT(SetRectangleTool()), TOOL_RECTANGLE},
    };
    QMenu* toolMenu = menu.addMenu(QStringLiteral("Draw Tool"));
    for (const Tool& tool : tools)
        AddCheckItem(*toolMenu, QString::fromLatin1(tool.label), handler, tool.slot,
                     Settings::activeTool == tool.tool);
}

void DrawContextMenu::AddFrameItems(QMenu& menu, DrawContextInputHandler& handler, bool withSteps)
{
    AddItem(menu, QStringLiteral("Insert Frame(s)"), handler, SLOT(InsertFrame()));
    AddItem(menu, QStringLiteral("Duplicate Frame"), handler, SLOT(DuplicateFrame()));
    AddItem(menu, QStringLiteral("Delete Frame(s)"), handler, SLOT(DeleteFrame()));
    menu.addSeparator();
    AddItem(menu, QStringLiteral("Cut Frame(s)"), handler, SLOT(CutFrame()));
    AddItem(menu, QStringLiteral("Copy Frame(s)"), handler, SLOT(CopyFrame()));
    AddItem(menu, QStringLiteral("Paste Frame(s)"), handler, SLOT(PasteFrame()));
    menu.addSeparator();
    AddItem(menu, QStringLiteral("Clear Frame(s)"), handler, SLOT(ClearFrame()));
    if (!withSteps)
        return;
    menu.addSeparator();
    AddItem(menu, QStringLiteral("Step Forward"), handler, SLOT(StepForward()));
    AddItem(menu, QStringLiteral("Step Back"), handler, SLOT(StepBack()));
}

void DrawContextMenu::AddGhostingMenu(QMenu& menu, DrawContextInputHandler& handler)
{
    QMenu* ghosting = menu.addMenu(QStringLiteral("Ghosting"));
    AddCheckItem(*ghosting, QStringLiteral("Ghost Previous"), handler, SLOT(ToggleGhostPrevious()),
                 Settings::ghostPrev);
    AddCheckItem(*ghosting, QStringLiteral("Ghost Next"), handler, SLOT(ToggleGhostNext()), Settings::ghostNext);
    ghosting->addSeparator();
    AddItem(*ghosting, QStringLiteral("Settings..."), handler, SLOT(GhostingSettings()));
}

void DrawContextMenu::AddPanelItems(QMenu& menu, DrawContextInputHandler& handler)
{
    AddItem(menu, QStringLiteral("Toolbox..."), handler, SLOT(ShowToolbox()));
    AddItem(menu, QStringLiteral("Tool Options..."), handler, SLOT(ShowToolOptions()));
    AddItem(menu, QStringLiteral("Layer Manager..."), handler, SLOT(ShowLayerManager()));
    AddItem(menu, QStringLiteral("Retiming Tool..."), handler, SLOT(ShowRetimingTool()));
}

void DrawContextMenu::AddTimelineMenu(QMenu& menu, DrawContextInputHandler& handler)
{
    QMenu* timeline = menu.addMenu(QStringLiteral("Display Timeline Frames"));
    const int display = Settings::timelineFrameDisplay;
    AddCheckItem(*timeline, QStringLiteral("Always"), handler, SLOT(SetTimelineDisplayOn()),
                 display == TIMELINE_FRAME_DISPLAY_ALWAYS);
    AddCheckItem(*timeline, QStringLiteral("Selection/Context Active"), handler,
                 SLOT(SetTimelineDisplaySelectionContext()), display == TIMELINE_FRAME_DISPLAY_SELECTION_OR_CONTEXT);
    AddCheckItem(*timeline, QStringLiteral("Off"), handler, SLOT(SetTimelineDisplayOff()),
                 display == TIMELINE_FRAME_DISPLAY_OFF);
}

void DrawContextMenu::AddCleanupMenu(QMenu& menu, DrawContextInputHandler& handler)
{
    QMenu* cleanup = menu.addMenu(QStringLiteral("Cleanup"));
    AddItem(*cleanup, QStringLiteral("Delete Active Layer"), handler, SLOT(DeleteActiveLayer()));
    AddItem(*cleanup, QStringLiteral("Delete Active Camera Layers"), handler, SLOT(DeleteActiveCameraLayers()));
    cleanup->addSeparator();
    AddItem(*cleanup, QStringLiteral("Clear All"), handler, SLOT(ClearAll()));
}
