#include "plugin/MayaUtil.h"

#include "plugin/Logger.h"
#include "plugin/Settings.h"

#include <maya/M3dView.h>
#include <maya/MAnimControl.h>
#include <maya/MCommandResult.h>
#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MObject.h>
#include <maya/MQtUtil.h>
#include <maya/MSelectionList.h>

#include <QFile>
#include <QPointer>
#include <QWidget>

#include <cmath>

namespace {

const QString SCRIPT_RESOURCE = QStringLiteral(":/scripts/Nibline.mel");

// The time slider, kept so that a failed lookup still answers the last one.
// A guarded pointer, because the host may destroy the widget first.
QPointer<QWidget> cachedTimeControl;

template <typename T>
bool ExecuteTyped(const MString& command, MCommandResult::Type type, T& result, bool display,
                  bool undo)
{
    MCommandResult commandResult;
    if (!MGlobal::executeCommand(command, commandResult, display, undo))
        return false;
    if (commandResult.resultType() != type)
        return false;
    T value{};
    if (!commandResult.getResult(value))
        return false;
    result = value;
    return true;
}

// Every argument of a command string goes through a single multi-argument
// QString::arg, so that a '%' inside a name is never taken as one of its markers.
QString Num(int value)
{
    return QString::number(value);
}

QString Bit(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString Rgb(const QColor& color)
{
    return QStringLiteral("%1 %2 %3").arg(Num(color.red()), Num(color.green()), Num(color.blue()));
}

} // namespace

// --- Conversion -------------------------------------------------------------

QString MayaUtil::ToQString(const MString& text)
{
    return MQtUtil::toQString(text);
}

MString MayaUtil::ToMString(const QString& text)
{
    return MQtUtil::toMString(text);
}

QString MayaUtil::Number(double value)
{
    return QString::number(value);
}

QString MayaUtil::QuoteString(const QString& text)
{
    return QLatin1Char('"') + EscapeString(text) + QLatin1Char('"');
}

QString MayaUtil::EscapeString(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': escaped += QLatin1String("\\\""); break;
        case '\\': escaped += QLatin1String("\\\\"); break;
        case '\n': escaped += QLatin1String("\\n"); break;
        case '\r': escaped += QLatin1String("\\r"); break;
        case '\t': escaped += QLatin1String("\\t"); break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

// --- Evaluation -------------------------------------------------------------

bool MayaUtil::ExecuteMel(const MString& command, bool display, bool undo)
{
    return MGlobal::executeCommand(command, display, undo) == MStatus::kSuccess;
}

bool MayaUtil::ExecuteMel(const QString& command, bool display, bool undo)
{
    return ExecuteMel(ToMString(command), display, undo);
}

bool MayaUtil::ExecuteMelIntResult(const MString& command, int& result, bool display, bool undo)
{
    return ExecuteTyped(command, MCommandResult::kInt, result, display, undo);
}

bool MayaUtil::ExecuteMelIntResult(const QString& command, int& result, bool display, bool undo)
{
    return ExecuteMelIntResult(ToMString(command), result, display, undo);
}

bool MayaUtil::ExecuteMelDoubleResult(const MString& command, double& result, bool display,
                                      bool undo)
{
    return ExecuteTyped(command, MCommandResult::kDouble, result, display, undo);
}

bool MayaUtil::ExecuteMelDoubleResult(const QString& command, double& result, bool display,
                                      bool undo)
{
    return ExecuteMelDoubleResult(ToMString(command), result, display, undo);
}

bool MayaUtil::ExecuteMelDoubleArrayResult(const MString& command, MDoubleArray& result,
                                           bool display, bool undo)
{
    return ExecuteTyped(command, MCommandResult::kDoubleArray, result, display, undo);
}

bool MayaUtil::ExecuteMelDoubleArrayResult(const QString& command, MDoubleArray& result,
                                           bool display, bool undo)
{
    return ExecuteMelDoubleArrayResult(ToMString(command), result, display, undo);
}

bool MayaUtil::ExecuteMelStringResult(const MString& command, MString& result, bool display,
                                      bool undo)
{
    return ExecuteTyped(command, MCommandResult::kString, result, display, undo);
}

bool MayaUtil::ExecuteMelStringResult(const QString& command, QString& result, bool display,
                                      bool undo)
{
    MString value;
    if (!ExecuteMelStringResult(ToMString(command), value, display, undo))
        return false;
    result = ToQString(value);
    return true;
}

// --- Environment ------------------------------------------------------------

bool MayaUtil::IsBatchMode()
{
    int batch = 0;
    return ExecuteMelIntResult(MString("about -batch"), batch) && batch != 0;
}

QString MayaUtil::GetMayaPrefsDirectory()
{
    QString directory;
    ExecuteMelStringResult(QStringLiteral("internalVar -userPrefDir"), directory);
    return directory;
}

bool MayaUtil::CachedPlaybackEnabled()
{
    int exists = 0;
    int enabled = 0;
    return ExecuteMelIntResult(MString("optionVar -exists cachedPlaybackEnable"), exists)
        && exists != 0
        && ExecuteMelIntResult(MString("optionVar -q cachedPlaybackEnable"), enabled)
        && enabled != 0;
}

QWidget* MayaUtil::GetTimeControlWidget()
{
    MString name;
    if (!ExecuteMelStringResult(MString("$tempVar = $gPlayBackSlider"), name)) {
        Logger::Error("Failed to get time control name");
        return cachedTimeControl;
    }
    if (name.length() == 0)
        return cachedTimeControl;
    cachedTimeControl = MQtUtil::findControl(name);
    return cachedTimeControl;
}

// --- Menu script ------------------------------------------------------------

bool MayaUtil::SourceScripts()
{
    QFile resource(SCRIPT_RESOURCE);
    if (!resource.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = resource.readAll();
    const int end = bytes.indexOf('\0');
    const QString text = QString::fromLatin1(end < 0 ? bytes : bytes.left(end));
    return ExecuteMel(ParseScript(text));
}

// The menu name comes from the user's settings file: it is escaped so that,
// inside the script's string literals, it cannot end the string early.
QString MayaUtil::ParseScript(const QString& text)
{
    const QString menuName = EscapeString(Settings::mainMenuName);
    const std::pair<const char*, QString> nameTokens[] = {
        {"{MAIN_MENU_NAME}", menuName},
        {"{NODE_CMD}", Settings::NODE_COMMAND_NAME},
        {"{LAYER_CMD}", Settings::LAYER_COMMAND_NAME},
        {"{FRAME_CMD}", Settings::FRAME_COMMAND_NAME},
        {"{UTIL_CMD}", Settings::UTIL_COMMAND_NAME},
        {"{FUNC_CREATE_MAIN_MENU}", Settings::CREATE_MAIN_MENU_FUNC_NAME},
        {"{FUNC_DELETE_MAIN_MENU}", Settings::DELETE_MAIN_MENU_FUNC_NAME},
        {"{FUNC_UPDATE_MAIN_MENU}", Settings::UPDATE_MAIN_MENU_FUNC_NAME},
        {"{FUNC_CREATE_FLOATING_VIEWPORT}", Settings::CREATE_FLOATING_VIEWPORT_FUNC_NAME},
        {"{FUNC_VIEWPORT_LOOK_THROUGH}", Settings::VIEWPORT_LOOK_THROUGH_FUNC_NAME},
        {"{FUNC_VIEWPORT_CREATE_CAMERA}", Settings::VIEWPORT_CREATE_CAMERA_FUNC},
        {"{FUNC_DELETE_ACTIVE_LAYER}", Settings::DELETE_ACTIVE_LAYER_FUNC},
        {"{FUNC_DELETE_ACTIVE_CAMERA_LAYERS}", Settings::DELETE_ACTIVE_CAMERA_LAYERS_FUNC},
        {"{FUNC_DELETE_ALL_NODES}", Settings::DELETE_ALL_NODES_FUNC},
        {"{NODE_TYPE_NAME}", Settings::NODE_TYPE_NAME},
    };
    QString script = text;
    for (const auto& [token, name] : nameTokens)
        script.replace(QLatin1String(token), name, Qt::CaseSensitive);
    return script;
}

bool MayaUtil::CreateMainMenu()
{
    return ExecuteMel(QStringLiteral("%1(%2)")
                          .arg(Settings::CREATE_MAIN_MENU_FUNC_NAME,
                               Bit(Settings::showMainMenuInAnimationSet)));
}

bool MayaUtil::DeleteMainMenu()
{
    return ExecuteMel(Settings::DELETE_MAIN_MENU_FUNC_NAME);
}

bool MayaUtil::UpdateMainMenu()
{
    return ExecuteMel(QStringLiteral("%1(%2, %3, %4, %5)")
                          .arg(Settings::UPDATE_MAIN_MENU_FUNC_NAME, Num(Settings::activeTool),
                               Bit(Settings::ghostPrev), Bit(Settings::ghostNext),
                               Num(Settings::timelineFrameDisplay)));
}

bool MayaUtil::CreateFloatingViewport(const QString& camera)
{
    return ExecuteMel(QStringLiteral("%1(%2)").arg(Settings::CREATE_FLOATING_VIEWPORT_FUNC_NAME,
                                                   QuoteString(camera)),
                      false, true);
}

// --- Tool contexts ----------------------------------------------------------

bool MayaUtil::CreateContext(const MString& contextCommand, MString& name)
{
    return ExecuteMelStringResult(contextCommand, name);
}

bool MayaUtil::SetContext(const MString& name)
{
    return ExecuteMel(MString("setToolTo ") + name);
}

bool MayaUtil::ContextExists(const MString& name)
{
    int exists = 0;
    return ExecuteMelIntResult(MString("contextInfo -exists ") + name, exists) && exists != 0;
}

bool MayaUtil::CurrentContext(MString& name)
{
    return ExecuteMelStringResult(MString("currentCtx"), name);
}

// --- Time and time slider ---------------------------------------------------

bool MayaUtil::IsPlaying()
{
    return MAnimControl::isPlaying();
}

MTime MayaUtil::GetPlaybackTime()
{
    return MAnimControl::currentTime();
}

int MayaUtil::GetPlaybackTimeValue()
{
    return static_cast<int>(MAnimControl::currentTime().as(MTime::uiUnit()));
}

MStatus MayaUtil::SetPlaybackTime(const MTime& time)
{
    return MAnimControl::setCurrentTime(time);
}

void MayaUtil::SetPlaybackTime(int time)
{
    MAnimControl::setCurrentTime(MTime(static_cast<double>(time), MTime::uiUnit()));
}

MTime MayaUtil::GetPlaybackRangeStart()
{
    return MAnimControl::minTime();
}

MTime MayaUtil::GetPlaybackRangeEnd()
{
    return MAnimControl::maxTime();
}

bool MayaUtil::GetTimeSliderRange(MDoubleArray& range)
{
    if (!ExecuteMelDoubleArrayResult(MString("timeControl -q -rangeArray $gPlayBackSlider"), range))
        return false;
    return range.length() >= 2 && range[1] != range[0];
}

bool MayaUtil::IsTimeSliderRangeVisible()
{
    int visible = 0;
    return ExecuteMelIntResult(MString("timeControl -q -rangeVisible $gPlayBackSlider"), visible)
        && visible != 0;
}

// Setting the selection raises the host's selection-change event, which
// redraws the timeline overlay. An empty selection is restored as well, so
// the user's selection is never changed by a refresh.
void MayaUtil::RefreshTimeControl(const MObject& node)
{
    MSelectionList selection;
    MGlobal::getActiveSelectionList(selection);
    if (selection.length() == 0) {
        MSelectionList nodeOnly;
        nodeOnly.add(node);
        MGlobal::setActiveSelectionList(nodeOnly);
        MGlobal::clearSelectionList();
    } else {
        MGlobal::clearSelectionList();
        MGlobal::setActiveSelectionList(selection);
    }
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

void MayaUtil::ExecuteGhostColor(const QString& flag, const QColor& color)
{
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

// --- Cameras ----------------------------------------------------------------

QString MayaUtil::GetCameraName(const MDagPath& camera)
{
    MStatus status;
    const MObject transform = camera.transform(&status);
    if (!status)
        return QString();
    return ToQString(MFnDependencyNode(transform).name());
}

QString MayaUtil::GetCameraName(M3dView& view)
{
    MDagPath camera;
    if (!view.getCamera(camera))
        return QString();
    return GetCameraName(camera);
}

QString MayaUtil::GetActive3dViewCameraName()
{
    MStatus status;
    M3dView view = M3dView::active3dView(&status);
    if (!status)
        return QString();
    return GetCameraName(view);
}

void MayaUtil::GetCameras(QStringList& names)
{
    names.clear();
    for (MItDependencyNodes it(MFn::kCamera); !it.isDone(); it.next()) {
        MDagPath path;
        if (MFnDagNode(it.thisNode()).getPath(path))
            names.append(GetCameraName(path));
    }
}

bool MayaUtil::CameraExists(const QString& name)
{
    QStringList names;
    GetCameras(names);
    return names.contains(name, Qt::CaseSensitive);
}

bool MayaUtil::CameraExists(const MString& name)
{
    return CameraExists(ToQString(name));
}

// --- Colour slider control --------------------------------------------------

QWidget* MayaUtil::CreateColorSliderGrp(const QString& name, int width, int height)
{
    MString created;
    const QString command = QStringLiteral("colorSliderGrp -columnWidth3 0 %1 0 %2").arg(Num(width), name);
    if (!ExecuteMelStringResult(ToMString(command), created))
        return nullptr;
    QWidget* control = MQtUtil::findControl(ToMString(name));
    if (!control)
        return nullptr;
    if (QWidget* slider = control->findChild<QWidget*>(QStringLiteral("slider")))
        slider->hide();
    control->setFixedWidth(width);
    if (QWidget* port = control->findChild<QWidget*>(QStringLiteral("port")))
        port->setFixedHeight(height);
    return control;
}

void MayaUtil::SetColorSliderGrpColor(const QString& name, const QColor& color)
{
    ExecuteMel(QStringLiteral("colorSliderGrp -e -rgbValue %1 %2 %3 %4")
                   .arg(Number(color.redF()), Number(color.greenF()), Number(color.blueF()), name));
}

QColor MayaUtil::GetColorSliderGrpColor(const QString& name)
{
    MDoubleArray rgb;
    if (!ExecuteMelDoubleArrayResult(QStringLiteral("colorSliderGrp -q -rgbValue %1").arg(name), rgb)
        || rgb.length() < 3)
        return QColor();
    const auto channel = [&rgb](unsigned int i) {
        return qBound(0, static_cast<int>(std::lround(rgb[i] * 255.0)), 255);
    };
    return QColor(channel(0), channel(1), channel(2), 255);
}

void MayaUtil::SetColorSliderGrpChangeCommand(const QString& name, const QString& command)
{
    ExecuteMel(QStringLiteral("colorSliderGrp -e -changeCommand %1 %2").arg(QuoteString(command), name));
}
