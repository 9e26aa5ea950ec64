#pragma once

#include "base/ToolType.h"

#include <QByteArray>
#include <QColor>
#include <QString>

#include <atomic>

// Fixed names and limits of the plug-in, the user's persisted settings and a
// few values that live only while the plug-in is loaded. All members are
// static; whoever changes a value refreshes what depends on it.
class Settings
{
public:
    // Constants.
    static const int CONFIG_FILE_VERSION;
    static const int FINAL_IMAGE_WIDTH;
    static const int DEFAULT_STATIC_FRAME_TIME;
    static const int MAX_PENCIL_SIZE;
    static const int MAX_BRUSH_SIZE;
    static const int MAX_ERASER_SIZE;
    static const int MAX_TEXT_SIZE;
    static const int MAX_LINE_SIZE;
    static const int MAX_ARROW_SIZE;
    static const int MAX_ELLIPSE_SIZE;
    static const int MAX_RECTANGLE_SIZE;
    static const int DEFAULT_GHOSTED_FRAME_COUNT;
    static const int MIN_GHOSTED_FRAMES;
    static const int MAX_GHOSTED_FRAMES;

    static const QString APPLICATION_NAME;
    static const QString APPLICATION_TITLE;
    static const QString NODE_TYPE_NAME;
    static const QString VERSION_STRING;
    static const QString AUTHOR;
    static const QString CONFIG_FILE_NAME;
    static const QString DEFAULT_MAIN_MENU_NAME;
    static const QString NODE_COMMAND_NAME;
    static const QString LAYER_COMMAND_NAME;
    static const QString FRAME_COMMAND_NAME;
    static const QString STROKE_COMMAND_NAME;
    static const QString UTIL_COMMAND_NAME;
    static const QString DEFAULT_LAYER_NAME;
    static const QColor DEFAULT_DRAW_COLOR;
    static const QColor DEFAULT_TIMELINE_FRAME_COLOR;
    static const QString CREATE_MAIN_MENU_FUNC_NAME;
    static const QString DELETE_MAIN_MENU_FUNC_NAME;
    static const QString UPDATE_MAIN_MENU_FUNC_NAME;
    static const QString CREATE_FLOATING_VIEWPORT_FUNC_NAME;
    static const QString VIEWPORT_LOOK_THROUGH_FUNC_NAME;
    static const QString VIEWPORT_CREATE_CAMERA_FUNC;
    static const QString DELETE_ACTIVE_LAYER_FUNC;
    static const QString DELETE_ACTIVE_CAMERA_LAYERS_FUNC;
    static const QString DELETE_ALL_NODES_FUNC;

    // Persisted, group "main".
    static QString mainMenuName;
    static QByteArray toolboxGeometry;
    static QByteArray toolOptionsGeometry;
    static QByteArray layerManagerGeometry;
    static QByteArray colorPaletteGeometry;
    static QByteArray retimingGeometry;

    // Persisted, group "tools".
    static int activeTool;
    static QColor activeColor;
    static int pencilSize;
    static int pencilOpacity;
    static bool pencilTabletEnabled;
    static int brushSize;
    static int brushOpacity;
    static bool brushTabletEnabled;
    static int eraserSize;
    static QString textFontFamily;
    static int textSize;
    static int textOpacity;
    static int lineSize;
    static int lineOpacity;
    static int arrowSize;
    static int arrowOpacity;
    static int ellipseSize;
    static int ellipseOpacity;
    static int rectangleSize;
    static int rectangleOpacity;
    static bool ghostPrev;
    static bool ghostNext;
    static int ghostPrevCount;
    static int ghostNextCount;
    static bool ghostColorOverride;
    static QColor ghostColorOverridePrev;
    static QColor ghostColorOverrideNext;
    static bool retimeMoveToNextFrame;

    // Persisted, group "preferences".
    static bool drawToolContextMenu;
    static bool transformToolContextMenu;
    static bool timelineContextMenu;
    static bool toolboxDrawToolContextMenu;
    static bool toolboxGhostingContextMenu;
    static bool showMainMenuInAnimationSet;
    static bool disableGhostingDuringPlayback;
    static bool timeControlRangeMoveEnabled;
    static bool ignore2dPanZoom;
    static int defaultLayerState;
    static bool automaticallyAddFirstLayer;
    static bool alwaysDisplayNewLayerDialog;
    static bool insertDefaultStaticFrame;
    static int defaultStaticFrameTime;
    static int timelineFrameDisplay;
    static QColor timelineFrameColor;

    // Not persisted.
    static int brushHardness;
    static int eraserOpacity;
    static int eraserHardness;
    static bool eraserTabletEnabled;
    // Written on the GUI thread, read by the stroke input thread.
    static std::atomic<float> tabletPressure;
    static bool tabletEraserEnabled;
    static bool guiEnabled;
    static bool excludeAsLocator;

    // The settings file in the host's user preference directory; empty (and
    // an error logged) when the host gives no usable directory.
    static QString GetUserConfigPath();
    static void ReadUserConfig();
    static void WriteUserConfig();
    // The same on a given file. Reading keeps every member whose key is
    // missing or unreadable; writing returns false when the file could not
    // be written.
    static void ReadUserConfig(const QString& path);
    static bool WriteUserConfig(const QString& path);

    // Per-tool access with the limits of each tool. Sizes and opacities of a
    // value outside the eight drawing tools log an error.
    static void SetToolSize(ToolType tool, int size);
    static int GetToolSize(ToolType tool);
    static void SetToolOpacity(ToolType tool, int opacity);
    static int GetToolOpacity(ToolType tool);
    static void SetToolHardness(ToolType tool, int hardness);
    static int GetToolHardness(ToolType tool);
    static bool IsTabletPressureEnabled(ToolType tool);

private:
    static int* ToolSizeMember(ToolType tool, int& maxSize);
    static int* ToolOpacityMember(ToolType tool);
    static void FillDefaultFontFamily();
};
