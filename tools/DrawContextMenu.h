#pragma once

#include <QString>

class DrawContextInputHandler;
class QMenu;

// The draw tool's context menus: the view menu (the camera's layers, top
// first, then tools, layer and frame commands, ghosting, panels, the time
// slider display and cleanup) and the time slider's frame menu. Every item
// runs a slot of the input handler.
class DrawContextMenu
{
public:
    // New menus; the caller shows them with PopUp.
    static QMenu* BuildDrawMenu(DrawContextInputHandler& handler, const QString& camera);
    static QMenu* BuildTimeControlMenu(DrawContextInputHandler& handler);
    // Shows the menu at the pointer; it deletes itself when closed.
    static void PopUp(QMenu* menu);

    // Object name of the menus, for tests and the host's UI lookups.
    static const char* const DRAW_MENU_NAME;
    static const char* const TIME_CONTROL_MENU_NAME;

private:
    static void AddLayers(QMenu& menu, DrawContextInputHandler& handler, const QString& camera);
    static void AddToolMenu(QMenu& menu, DrawContextInputHandler& handler);
    static void AddFrameItems(QMenu& menu, DrawContextInputHandler& handler, bool withSteps);
    static void AddGhostingMenu(QMenu& menu, DrawContextInputHandler& handler);
    static void AddPanelItems(QMenu& menu, DrawContextInputHandler& handler);
    static void AddTimelineMenu(QMenu& menu, DrawContextInputHandler& handler);
    static void AddCleanupMenu(QMenu& menu, DrawContextInputHandler& handler);
};
