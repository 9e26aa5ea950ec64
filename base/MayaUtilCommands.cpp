#include "base/MayaUtil.h"

// The exact command strings through which menus, panels and tools run the
// plug-in's own commands.

#include "base/Settings.h"

#include <maya/MGlobal.h>

// Every argument of a command string goes through a single multi-argument
// QString::arg, so that a '%' inside a name is never taken as one of its markers.
QString MayaUtil::Num(int value)
{
    return QString::number(value);
}

QString MayaUtil::Bit(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString MayaUtil::Rgb(const QColor& color)
{
    return QStringLiteral("%1 %2 %3").arg(Num(color.red()), Num(color.green()), Num(color.blue()));
}

// --- Layer command ----------------------------------------------------------

void MayaUtil::ExecuteLayerCommand(const QString& arguments)
{
    ExecuteMel(Settings::LAYER_COMMAND_NAME + arguments, false, true);
}

void MayaUtil::AddLayer(const QString& camera, const QString& name, int state)
{
    QString arguments = QStringLiteral(" -add");
    if (!name.isEmpty())
        arguments += QStringLiteral(" -n ") + QuoteString(name);
    if (state >= 0)
        arguments += QStringLiteral(" -ls ") + Num(state);
    ExecuteLayerCommand(arguments + QLatin1Char(' ') + camera);
}

void MayaUtil::InsertLayer(const QString& camera, int index)
{
    ExecuteLayerCommand(QStringLiteral(" -insert %1 %2").arg(Num(index), camera));
}

void MayaUtil::RemoveLayer(const QString& camera, int index)
{
    ExecuteLayerCommand(QStringLiteral(" -delete %1 %2").arg(Num(index), camera));
}

void MayaUtil::MoveLayer(const QString& camera, int from, int to)
{
    ExecuteLayerCommand(QStringLiteral(" -move %1 %2 %3").arg(Num(from), Num(to), camera));
}

void MayaUtil::MoveLayer(const QString& camera, int from, const QString& toCamera, int to)
{
    ExecuteLayerCommand(QStringLiteral(" -newCamera %1 -move %2 %3 %4")
                            .arg(toCamera, Num(from), Num(to), camera));
}

void MayaUtil::MoveAllLayers(const QString& camera, const QString& toCamera)
{
    ExecuteLayerCommand(QStringLiteral(" -moveAll %1 %2").arg(toCamera, camera));
}

void MayaUtil::SetActiveLayer(const QString& camera, int index)
{
    ExecuteLayerCommand(QStringLiteral(" -e -active %1 %2").arg(Num(index), camera));
}

void MayaUtil::SetLayerName(const QString& camera, int index, const QString& name)
{
    ExecuteLayerCommand(QStringLiteral(" -en %1 %2 %3").arg(QuoteString(name), Num(index), camera));
}

void MayaUtil::SetLayerVisible(const QString& camera, int index, bool visible)
{
    ExecuteLayerCommand(QStringLiteral(" -ev %1 %2 %3").arg(Bit(visible), Num(index), camera));
}

void MayaUtil::SetLayerOpacity(const QString& camera, int index, float opacity)
{
    ExecuteLayerCommand(
        QStringLiteral(" -eo %1 %2 %3").arg(Number(opacity), Num(index), camera));
}

void MayaUtil::SetLayerState(const QString& camera, int index, int state)
{
    ExecuteLayerCommand(QStringLiteral(" -es %1 %2 %3").arg(Num(state), Num(index), camera));
}

// --- Node and stroke commands -----------------------------------------------

void MayaUtil::CreateNode(bool addLayer, bool f, const QString& camera, const QString& layerName,
                          int layerState)
{
    QString command = Settings::NODE_COMMAND_NAME;
    if (addLayer) {
        command += QStringLiteral(" -l");
        if (!camera.isEmpty())
            command += QStringLiteral(" -c ") + camera;
        if (!layerName.isEmpty())
            command += QStringLiteral(" -ln ") + QuoteString(layerName);
        if (layerState >= 0)
            command += QStringLiteral(" -ls ") + Num(layerState);
        if (f)
            command += QStringLiteral(" -f");
    }
    MGlobal::executeCommandOnIdle(ToMString(command), false);
}

void MayaUtil::RefreshNode()
{
    MGlobal::executeCommandOnIdle(ToMString(Settings::NODE_COMMAND_NAME + QStringLiteral(" -r")),
                                  false);
}

void MayaUtil::PushStroke(const QString& camera, int layerIndex, bool f)
{
    QString command = Settings::STROKE_COMMAND_NAME;
    if (layerIndex >= 0)
        command += QStringLiteral(" -la ") + Num(layerIndex);
    if (f)
        command += QStringLiteral(" -fa");
    ExecuteMel(command + QLatin1Char(' ') + camera, false, true);
}

// --- Utility command --------------------------------------------------------

void MayaUtil::ExecuteUtilCommand(const QString& arguments, bool display)
{
    ExecuteMel(Settings::UTIL_COMMAND_NAME + arguments, display, false);
}

void MayaUtil::ExecuteDeferredUtilCommand(const QString& flag)
{
    ExecuteMel(QStringLiteral("evalDeferred(\"%1 %2\")").arg(Settings::UTIL_COMMAND_NAME, flag));
}

bool MayaUtil::SetTool(const QString& flag)
{
    return ExecuteMel(QStringLiteral("%1 %2").arg(Settings::UTIL_COMMAND_NAME, flag));
}

bool MayaUtil::SetPencilTool() { return SetTool(QStringLiteral("-pencilTool")); }
bool MayaUtil::SetBrushTool() { return SetTool(QStringLiteral("-brushTool")); }
bool MayaUtil::SetEraserTool() { return SetTool(QStringLiteral("-eraserTool")); }
bool MayaUtil::SetTextTool() { return SetTool(QStringLiteral("-textTool")); }
bool MayaUtil::SetLineTool() { return SetTool(QStringLiteral("-lineTool")); }
bool MayaUtil::SetArrowTool() { return SetTool(QStringLiteral("-arrowTool")); }
bool MayaUtil::SetEllipseTool() { return SetTool(QStringLiteral("-ellipseTool")); }
bool MayaUtil::SetRectangleTool() { return SetTool(QStringLiteral("-rectangleTool")); }

void MayaUtil::SetPencilOptions(int size, int opacity, bool tablet)
{
    ExecuteUtilCommand(
        QStringLiteral(" -pencilOptions %1 %2 %3").arg(Num(size), Num(opacity), Bit(tablet)));
}

void MayaUtil::SetBrushOptions(int size, int opacity, int hardness, bool tablet)
{
    ExecuteUtilCommand(QStringLiteral(" -brushOptions %1 %2 %3 %4")
                           .arg(Num(size), Num(opacity), Num(hardness), Bit(tablet)));
}

void MayaUtil::SetEraserOptions(int size, int opacity, int hardness, bool tablet)
{
    ExecuteUtilCommand(QStringLiteral(" -eraserOptions %1 %2 %3 %4")
                           .arg(Num(size), Num(opacity), Num(hardness), Bit(tablet)));
}

void MayaUtil::SetTextOptions(int size, int opacity, const QString& fontFamily)
{
    ExecuteUtilCommand(QStringLiteral(" -textOptions %1 %2 %3")
                           .arg(Num(size), Num(opacity), QuoteString(fontFamily)));
}

void MayaUtil::SetLineOptions(int size, int opacity)
{
    ExecuteUtilCommand(QStringLiteral(" -lineOptions %1 %2").arg(Num(size), Num(opacity)));
}

void MayaUtil::SetArrowOptions(int size, int opacity)
{
    ExecuteUtilCommand(QStringLiteral(" -arrowOptions %1 %2").arg(Num(size), Num(opacity)));
}

void MayaUtil::SetEllipseOptions(int size, int opacity)
{
    ExecuteUtilCommand(QStringLiteral(" -ellipseOptions %1 %2").arg(Num(size), Num(opacity)));
}

void MayaUtil::SetRectangleOptions(int size, int opacity)
{
    ExecuteUtilCommand(QStringLiteral(" -rectangleOptions %1 %2").arg(Num(size), Num(opacity)));
}

bool MayaUtil::SetActiveColor(const QColor& color)
{
    if (!color.isValid())
        return false;
    return ExecuteMel(Settings::UTIL_COMMAND_NAME + QStringLiteral(" -e -drawColor ") + Rgb(color),
                      true, false);
}

bool MayaUtil::ToggleGhostPrevious()
{
    return ExecuteMel(Settings::UTIL_COMMAND_NAME + QStringLiteral(" -e -ghostPrevious ")
                          + Bit(!Settings::ghostPrev),
                      true, false);
}

bool MayaUtil::ToggleGhostNext()
{
    return ExecuteMel(Settings::UTIL_COMMAND_NAME + QStringLiteral(" -e -ghostNext ")
                          + Bit(!Settings::ghostNext),
                      true, false);
}

void MayaUtil::SetGhostPreviousCount(int count)
{
    ExecuteUtilCommand(QStringLiteral(" -e -ghostPreviousCount %1").arg(Num(count)));
}

void MayaUtil::SetGhostNextCount(int count)
{
    ExecuteUtilCommand(QStringLiteral(" -e -ghostNextCount %1").arg(Num(count)));
}

void MayaUtil::SetGhostColorOverrideEnabled(bool enabled)
{
    ExecuteUtilCommand(QStringLiteral(" -e -ghostColorOverride ") + Bit(enabled));
}

// An invalid colour (a control that could not be read) would read as black:
// it issues nothing, as SetActiveColor does.
void MayaUtil::ExecuteGhostColor(const QString& flag, const QColor& color)
{
    if (!color.isValid())
        return;
    ExecuteUtilCommand(QStringLiteral(" -e %1 %2").arg(flag, Rgb(color)));
}

void MayaUtil::SetGhostColorOverridePrev(const QColor& color)
{
    ExecuteGhostColor(QStringLiteral("-ghostColorPrevious"), color);
}

void MayaUtil::SetGhostColorOverrideNext(const QColor& color)
{
    ExecuteGhostColor(QStringLiteral("-ghostColorNext"), color);
}

void MayaUtil::SetTimelineFrameDisplay(TimelineFrameDisplay display)
{
    ExecuteUtilCommand(QStringLiteral(" -e -timelineFrameDisplay %1").arg(Num(display)));
}

void MayaUtil::RefreshTimelineOverlay() { ExecuteUtilCommand(QStringLiteral(" -refreshTimelineDisplay")); }
void MayaUtil::ShowNewLayerDialog() { ExecuteUtilCommand(QStringLiteral(" -newLayer")); }
void MayaUtil::ShowLayerPropertiesDialog() { ExecuteUtilCommand(QStringLiteral(" -layerProperties")); }
void MayaUtil::ShowToolboxDialog() { ExecuteUtilCommand(QStringLiteral(" -toolbox")); }
void MayaUtil::ShowToolOptionsDialog() { ExecuteUtilCommand(QStringLiteral(" -toolOptions")); }
void MayaUtil::ShowLayerManagerDialog() { ExecuteUtilCommand(QStringLiteral(" -layerManager")); }
void MayaUtil::ShowColorPaletteDialog() { ExecuteUtilCommand(QStringLiteral(" -colorPalette")); }
void MayaUtil::ShowRetimingTool() { ExecuteUtilCommand(QStringLiteral(" -retimingTool")); }
void MayaUtil::ShowGhostingDialog() { ExecuteUtilCommand(QStringLiteral(" -ghostingSettings")); }
void MayaUtil::RefreshLayerManagerDialog() { ExecuteDeferredUtilCommand(QStringLiteral("-rlm")); }
void MayaUtil::Draw() { ExecuteDeferredUtilCommand(QStringLiteral("-draw")); }
void MayaUtil::ActivateTransformTool() { ExecuteDeferredUtilCommand(QStringLiteral("-transform")); }

// --- Frame command ----------------------------------------------------------

void MayaUtil::ExecuteFrameCommand(const QString& arguments, bool display, bool undo)
{
    ExecuteMel(Settings::FRAME_COMMAND_NAME + arguments, display, undo);
}

void MayaUtil::InsertFrame() { ExecuteFrameCommand(QStringLiteral(" -insert"), true, true); }
void MayaUtil::DuplicateFrame() { ExecuteFrameCommand(QStringLiteral(" -duplicate"), true, true); }
void MayaUtil::DeleteFrame() { ExecuteFrameCommand(QStringLiteral(" -delete"), true, true); }
void MayaUtil::CutFrame() { ExecuteFrameCommand(QStringLiteral(" -cut"), true, true); }
void MayaUtil::CopyFrame() { ExecuteFrameCommand(QStringLiteral(" -copy"), true, false); }
void MayaUtil::PasteFrame() { ExecuteFrameCommand(QStringLiteral(" -paste"), true, true); }
void MayaUtil::ClearFrame() { ExecuteFrameCommand(QStringLiteral(" -clear"), true, true); }
void MayaUtil::StepForward() { ExecuteFrameCommand(QStringLiteral(" -stepForward"), false, true); }
void MayaUtil::StepBack() { ExecuteFrameCommand(QStringLiteral(" -stepBack"), false, true); }

void MayaUtil::RetimeFrames(int frames, bool relative, bool moveToNext)
{
    QString arguments;
    if (relative)
        arguments += QStringLiteral(" -relative");
    if (moveToNext)
        arguments += QStringLiteral(" -moveToNext");
    ExecuteFrameCommand(arguments + QStringLiteral(" -retime %1").arg(Num(frames)), true, true);
}

void MayaUtil::MoveFrames(int a, int b, int c)
{
    ExecuteFrameCommand(QStringLiteral(" -move %1 %2 %3").arg(Num(a), Num(b), Num(c)), false, true);
}

// --- Cleanup procedures -----------------------------------------------------

void MayaUtil::DeleteActiveLayer()
{
    ExecuteMel(Settings::DELETE_ACTIVE_LAYER_FUNC + QStringLiteral("()"), false, true);
}

void MayaUtil::DeleteActiveCameraLayers()
{
    ExecuteMel(Settings::DELETE_ACTIVE_CAMERA_LAYERS_FUNC + QStringLiteral("()"), false, true);
}

void MayaUtil::DeleteAllNodes()
{
    ExecuteMel(Settings::DELETE_ALL_NODES_FUNC + QStringLiteral("()"), false, true);
}
