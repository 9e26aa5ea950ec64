#pragma once

#include "base/TimelineFrameDisplay.h"

#include <maya/MDoubleArray.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTime.h>

#include <QColor>
#include <QString>
#include <QStringList>

class M3dView;
class MDagPath;
class MObject;
class QWidget;

// The plug-in's bridge to the host: string conversion, script evaluation
// with typed results, time and environment queries, cameras, and the exact
// command strings through which panels, tools and menus run the plug-in's
// own commands. Runs on the host's main thread only.
class MayaUtil
{
public:
    // Conversion.
    static QString ToQString(const MString& text);
    static MString ToMString(const QString& text);

    // Evaluation. The typed forms succeed only when the command succeeded
    // and its result has the requested type; otherwise the result is left
    // unchanged.
    static bool ExecuteMel(const MString& command, bool display = false, bool undo = false);
    static bool ExecuteMel(const QString& command, bool display = false, bool undo = false);
    static bool ExecuteMelIntResult(const MString& command, int& result, bool display = false,
                                    bool undo = false);
    static bool ExecuteMelIntResult(const QString& command, int& result, bool display = false,
                                    bool undo = false);
    static bool ExecuteMelDoubleResult(const MString& command, double& result,
                                       bool display = false, bool undo = false);
    static bool ExecuteMelDoubleResult(const QString& command, double& result,
                                       bool display = false, bool undo = false);
    static bool ExecuteMelDoubleArrayResult(const MString& command, MDoubleArray& result,
                                            bool display = false, bool undo = false);
    static bool ExecuteMelDoubleArrayResult(const QString& command, MDoubleArray& result,
                                            bool display = false, bool undo = false);
    static bool ExecuteMelStringResult(const MString& command, MString& result,
                                       bool display = false, bool undo = false);
    static bool ExecuteMelStringResult(const QString& command, QString& result,
                                       bool display = false, bool undo = false);

    // Text as a double-quoted script string literal: quotes, backslashes and
    // line breaks are escaped so that the host reads back exactly the text.
    static QString QuoteString(const QString& text);

    // Environment.
    static bool IsBatchMode();
    static QString GetMayaPrefsDirectory();
    static bool CachedPlaybackEnabled();
    static QWidget* GetTimeControlWidget();

    // The menu script and the main menu.
    static bool SourceScripts();
    static QString ParseScript(const QString& text);
    static bool CreateMainMenu();
    static bool DeleteMainMenu();
    static bool UpdateMainMenu();
    static bool CreateFloatingViewport(const QString& camera);

    // Tool contexts.
    static bool CreateContext(const MString& contextCommand, MString& name);
    static bool SetContext(const MString& name);
    static bool ContextExists(const MString& name);
    static bool CurrentContext(MString& name);

    // Time and time slider.
    static bool IsPlaying();
    static MTime GetPlaybackTime();
    static int GetPlaybackTimeValue();
    static MStatus SetPlaybackTime(const MTime& time);
    static void SetPlaybackTime(int time);
    static MTime GetPlaybackRangeStart();
    static MTime GetPlaybackRangeEnd();
    // The highlighted range [start, end); false when nothing is highlighted.
    static bool GetTimeSliderRange(MDoubleArray& range);
    static bool IsTimeSliderRangeVisible();
    static void RefreshTimeControl(const MObject& node);

    // Layer command.
    static void AddLayer(const QString& camera, const QString& name, int state);
    static void InsertLayer(const QString& camera, int index);
    static void RemoveLayer(const QString& camera, int index);
    static void MoveLayer(const QString& camera, int from, int to);
    static void MoveLayer(const QString& camera, int from, const QString& toCamera, int to);
    static void MoveAllLayers(const QString& camera, const QString& toCamera);
    static void SetActiveLayer(const QString& camera, int index);
    static void SetLayerName(const QString& camera, int index, const QString& name);
    static void SetLayerVisible(const QString& camera, int index, bool visible);
    static void SetLayerOpacity(const QString& camera, int index, float opacity);
    static void SetLayerState(const QString& camera, int index, int state);

    // Node and stroke commands.
    static void CreateNode(bool addLayer, bool f, const QString& camera,
                           const QString& layerName, int layerState);
    static void RefreshNode();
    static void PushStroke(const QString& camera, int layerIndex, bool f);

    // Utility command.
    static bool SetTool(const QString& flag);
    static bool SetPencilTool();
    static bool SetBrushTool();
    static bool SetEraserTool();
    static bool SetTextTool();
    static bool SetLineTool();
    static bool SetArrowTool();
    static bool SetEllipseTool();
    static bool SetRectangleTool();
    static void SetPencilOptions(int size, int opacity, bool tablet);
    static void SetBrushOptions(int size, int opacity, int hardness, bool tablet);
    static void SetEraserOptions(int size, int opacity, int hardness, bool tablet);
    static void SetTextOptions(int size, int opacity, const QString& fontFamily);
    static void SetLineOptions(int size, int opacity);
    static void SetArrowOptions(int size, int opacity);
    static void SetEllipseOptions(int size, int opacity);
    static void SetRectangleOptions(int size, int opacity);
    static bool SetActiveColor(const QColor& color);
    static bool ToggleGhostPrevious();
    static bool ToggleGhostNext();
    static void SetGhostPreviousCount(int count);
    static void SetGhostNextCount(int count);
    static void SetGhostColorOverrideEnabled(bool enabled);
    static void SetGhostColorOverridePrev(const QColor& color);
    static void SetGhostColorOverrideNext(const QColor& color);
    static void SetTimelineFrameDisplay(TimelineFrameDisplay display);
    static void RefreshTimelineOverlay();
    static void ShowNewLayerDialog();
    static void ShowLayerPropertiesDialog();
    static void ShowToolboxDialog();
    static void ShowToolOptionsDialog();
    static void ShowLayerManagerDialog();
    static void ShowColorPaletteDialog();
    static void ShowRetimingTool();
    static void ShowGhostingDialog();
    static void RefreshLayerManagerDialog();
    static void Draw();
    static void ActivateTransformTool();

    // Frame command.
    static void InsertFrame();
    static void DuplicateFrame();
    static void DeleteFrame();
    static void CutFrame();
    static void CopyFrame();
    static void PasteFrame();
    static void ClearFrame();
    static void StepForward();
    static void StepBack();
    static void RetimeFrames(int frames, bool relative, bool moveToNext);
    static void MoveFrames(int a, int b, int c);

    // Cleanup procedures of the menu script.
    static void DeleteActiveLayer();
    static void DeleteActiveCameraLayers();
    static void DeleteAllNodes();

    // Cameras, named by their transform node.
    static QString GetCameraName(const MDagPath& camera);
    static QString GetCameraName(M3dView& view);
    static QString GetActive3dViewCameraName();
    static void GetCameras(QStringList& names);
    static bool CameraExists(const QString& name);
    static bool CameraExists(const MString& name);

    // The host's colour slider control, embedded in panels.
    static QWidget* CreateColorSliderGrp(const QString& name, int width, int height);
    static void SetColorSliderGrpColor(const QString& name, const QColor& color);
    static QColor GetColorSliderGrpColor(const QString& name);
    static void SetColorSliderGrpChangeCommand(const QString& name, const QString& command);

private:
    static QString EscapeString(const QString& text);
    static QString Number(double value);
    // Command-string arguments: an integer, a 0/1 flag, "r g b".
    static QString Num(int value);
    static QString Bit(bool value);
    static QString Rgb(const QColor& color);
    static void ExecuteLayerCommand(const QString& arguments);
    static void ExecuteUtilCommand(const QString& arguments, bool display = false);
    static void ExecuteFrameCommand(const QString& arguments, bool display, bool undo);
    static void ExecuteDeferredUtilCommand(const QString& flag);
    static void ExecuteGhostColor(const QString& flag, const QColor& color);
};
