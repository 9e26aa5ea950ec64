#include "commands/UtilCommand.h"

#include "commands/InterfacePanels.h"
#include "node/BaseNode.h"
#include "base/Logger.h"
#include "base/MayaUtil.h"
#include "base/Settings.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MIntArray.h>

#include <vector>

namespace {

const MSyntax::MArgType U = MSyntax::kUnsigned;
const MSyntax::MArgType I = MSyntax::kLong;
const MSyntax::MArgType S = MSyntax::kString;
const MSyntax::MArgType N = MSyntax::kNoArg;

const char* const INVALID_PARAMETERS = "Invalid command parameters";
const char* const COLOR_RANGE = "Color values must be in the range of 0-255.";

} // namespace

// How a flag is used: whether it needs -e or -q, whether it shows a panel,
// a box or a window (and so needs the interactive host).
struct UtilCommand::Flag
{
    const char* shortName;
    const char* longName;
    MSyntax::MArgType args[4];
    UtilCommand::Action action;
    bool needsMode;
    bool interface;
};

namespace {

// Unsigned arguments beyond any limit would turn negative as int and be
// clamped to the minimum instead of the maximum.
int Bounded(unsigned int value)
{
    return int(qMin(value, 100000u));
}

MStatus StatusOf(bool succeeded)
{
    return succeeded ? MStatus::kSuccess : MStatus::kFailure;
}

QString FlagName(const char* longName)
{
    const QString name = QString::fromLatin1(longName);
    return name.startsWith(QLatin1Char('-')) ? name : QLatin1Char('-') + name;
}

} // namespace

// In the order doIt tests them: the first present flag decides.
const std::vector<UtilCommand::Flag>& UtilCommand::Flags()
{
    using C = UtilCommand;
    static const std::vector<Flag> flags = {
        {"-d", "-draw", {N}, &C::ActivateDrawContext, false, false},
        {"-t", "-transform", {N}, &C::ActivateTransformContext, false, false},
        {"-dc", "-drawColor", {U, U, U}, &C::DrawColor, true, false},
        {"-pt", "-pencilTool", {N}, &C::SetPencilTool, false, false},
        {"-bt", "-brushTool", {N}, &C::SetBrushTool, false, false},
        {"-et", "-eraserTool", {N}, &C::SetEraserTool, false, false},
        {"-lt", "-lineTool", {N}, &C::SetLineTool, false, false},
        {"-at", "-arrowTool", {N}, &C::SetArrowTool, false, false},
        {"-elt", "-ellipseTool", {N}, &C::SetEllipseTool, false, false},
        {"-rt", "-rectangleTool", {N}, &C::SetRectangleTool, false, false},
        {"-tt", "-textTool", {N}, &C::SetTextTool, false, false},
        {"-po", "-pencilOptions", {U, U, U}, &C::SetPencilOptions, false, false},
        {"-bo", "-brushOptions", {U, U, U, U}, &C::SetBrushOptions, false, false},
        {"-eo", "-eraserOptions", {U, U, U, U}, &C::SetEraserOptions, false, false},
        {"-txo", "-textOptions", {U, U, S}, &C::SetTextOptions, false, false},
        {"-lo", "-lineOptions", {U, U}, &C::SetLineOptions, false, false},
        {"-ao", "-arrowOptions", {U, U}, &C::SetArrowOptions, false, false},
        {"-elo", "-ellipseOptions", {U, U}, &C::SetEllipseOptions, false, false},
        {"-ro", "-rectangleOptions", {U, U}, &C::SetRectangleOptions, false, false},
        {"-gp", "-ghostPrevious", {I}, &C::GhostPrevious, true, false},
        {"-gn", "-ghostNext", {I}, &C::GhostNext, true, false},
        {"-gpc", "-ghostPreviousCount", {U}, &C::GhostPreviousCount, true, false},
        {"-gnc", "-ghostNextCount", {U}, &C::GhostNextCount, true, false},
        {"-gco", "-ghostColorOverride", {U}, &C::GhostColorOverride, true, false},
        {"-gcp", "-ghostColorPrevious", {U, U, U}, &C::GhostColorPrevious, true, false},
        {"-gcn", "-ghostColorNext", {U, U, U}, &C::GhostColorNext, true, false},
        {"-tfd", "-timelineFrameDisplay", {U}, &C::TimelineFrameDisplay, true, false},
        {"-rtd", "-refreshTimelineDisplay", {N}, &C::RefreshTimelineDisplay, false, false},
        {"-fv", "-floatingViewport", {N}, &C::FloatingViewport, false, true},
        {"-fvm", "-floatingViewportMove", {S}, &C::FloatingViewportMove, false, true},
        {"-lm", "-layerManager", {N}, &C::ShowLayerManager, false, true},
        {"-rlm", "-refreshLayerManager", {N}, &C::RefreshLayerManager, false, false},
        {"-tb", "-toolbox", {N}, &C::ShowToolbox, false, true},
        {"-to", "-toolOptions", {N}, &C::ShowToolOptions, false, true},
        {"-rtb", "-refreshToolbox", {N}, &C::RefreshToolbox, false, false},
        // These two long names are declared without their dash; the host reads
        // both spellings.
        {"-cp", "colorPalette", {N}, &C::ShowColorPalette, false, true},
        {"-rtt", "retimingTool", {N}, &C::ShowRetimingTool, false, true},
        {"-nl", "-newLayer", {N}, &C::NewLayer, false, true},
        {"-lp", "-layerProperties", {N}, &C::LayerProperties, false, true},
        {"-gs", "-ghostingSettings", {N}, &C::GhostingSettings, false, true},
        {"-fzi", "-framedeckImport", {N}, &C::FramedeckImport, false, false},
        {"-rui", "-resetUI", {N}, &C::ResetUI, false, true},
        {"-pr", "-preferences", {N}, &C::Preferences, false, true},
        {"-ab", "-about", {N}, &C::About, false, true},
    };
    return flags;
}

MString UtilCommand::drawContextName;
MString UtilCommand::transformContextName;

UtilCommand::~UtilCommand() = default;

void* UtilCommand::Creator()
{
    return new UtilCommand();
}

MSyntax UtilCommand::CommandSyntax()
{
    // Argument slots the table leaves out are no arguments.
    const auto arg = [](MSyntax::MArgType type) { return type == MSyntax::kInvalidArgType ? N : type; };
    MSyntax syntax;
    for (const Flag& flag : Flags())
        syntax.addFlag(flag.shortName, flag.longName, arg(flag.args[0]), arg(flag.args[1]), arg(flag.args[2]),
                       arg(flag.args[3]));
    syntax.setObjectType(MSyntax::kNone);
    syntax.enableEdit(true);
    syntax.enableQuery(true);
    return syntax;
}

QString UtilCommand::GetCommandName()
{
    return Settings::UTIL_COMMAND_NAME;
}

bool UtilCommand::isUndoable() const
{
    return false;
}

MStatus UtilCommand::doIt(const MArgList& args)
{
    MStatus status;
    MArgDatabase database(syntax(), args, &status);
    if (!status)
        return status;
    db = &database;
    editMode = database.isEdit();
    queryMode = database.isQuery();
    for (const Flag& candidate : Flags()) {
        if (database.isFlagSet(candidate.shortName))
            return Run(candidate);
    }
    Logger::Error(INVALID_PARAMETERS);
    return MStatus::kInvalidParameter;
}

// A query never changes anything, so it is refused for flags that act; a
// flag that sets a value needs -e (or -q to read it).
MStatus UtilCommand::Run(const Flag& chosen)
{
    flag = &chosen;
    const bool moded = editMode || queryMode;
    if ((chosen.needsMode && !moded) || (!chosen.needsMode && queryMode)) {
        Logger::Error(INVALID_PARAMETERS);
        return MStatus::kInvalidParameter;
    }
    if (chosen.interface && !InterfacePanels::Get()) {
        Logger::Error(QStringLiteral("%1 %2 needs the interactive host: there are no panels or windows in batch mode.")
                          .arg(GetCommandName(), FlagName(chosen.longName)));
        return MStatus::kFailure;
    }
    return (this->*chosen.action)();
}

bool UtilCommand::ReadUnsigned(unsigned int count)
{
    for (unsigned int i = 0; i < count; ++i) {
        if (!db->getFlagArgument(flag->shortName, i, values[i])) {
            Logger::Error(INVALID_PARAMETERS);
            return false;
        }
    }
    return true;
}

bool UtilCommand::ReadColor(QColor& color)
{
    if (!ReadUnsigned(3))
        return false;
    if (values[0] > 255 || values[1] > 255 || values[2] > 255) {
        Logger::Error(COLOR_RANGE);
        return false;
    }
    color = QColor(int(values[0]), int(values[1]), int(values[2]), 255);
    return true;
}

// --- Tool contexts and tools -------------------------------------------------

MStatus UtilCommand::ActivateDrawContext()
{
    return StatusOf(ActivateContext(drawContextName, QStringLiteral("vxNbDrawCtx")));
}

MStatus UtilCommand::ActivateTransformContext()
{
    return StatusOf(ActivateContext(transformContextName, QStringLiteral("vxNbTransformCtx")));
}

// The context made once is reused while the host knows it; a new one is
// made when it does not (a new host session, or it was deleted).
bool UtilCommand::ActivateContext(MString& name, const QString& contextCommand)
{
    if (name.length() > 0 && MayaUtil::ContextExists(name))
        return MayaUtil::SetContext(name);
    int known = 0;
    if (!MayaUtil::ExecuteMelIntResult(QStringLiteral("exists %1").arg(contextCommand), known) || !known) {
        Logger::Error(QStringLiteral("The tool cannot be activated: the context command %1 is not available.")
                          .arg(contextCommand));
        return false;
    }
    MString created;
    if (!MayaUtil::CreateContext(MayaUtil::ToMString(contextCommand), created) || created.length() == 0)
        return false;
    name = created;
    return MayaUtil::SetContext(name);
}

MStatus UtilCommand::SetActiveTool(ToolType tool)
{
    if (!ActivateDrawContext())
        return MStatus::kFailure;
    Settings::activeTool = tool;
    MayaUtil::UpdateMainMenu();
    if (InterfacePanels* panels = InterfacePanels::Get()) {
        panels->RefreshToolbox();
        panels->RefreshToolOptions();
    }
    return MStatus::kSuccess;
}

MStatus UtilCommand::SetPencilTool() { return SetActiveTool(TOOL_PENCIL); }
MStatus UtilCommand::SetBrushTool() { return SetActiveTool(TOOL_BRUSH); }
MStatus UtilCommand::SetEraserTool() { return SetActiveTool(TOOL_ERASER); }
MStatus UtilCommand::SetLineTool() { return SetActiveTool(TOOL_LINE); }
MStatus UtilCommand::SetArrowTool() { return SetActiveTool(TOOL_ARROW); }
MStatus UtilCommand::SetEllipseTool() { return SetActiveTool(TOOL_ELLIPSE); }
MStatus UtilCommand::SetRectangleTool() { return SetActiveTool(TOOL_RECTANGLE); }
MStatus UtilCommand::SetTextTool() { return SetActiveTool(TOOL_TEXT); }

// --- Tool options ------------------------------------------------------------

void UtilCommand::SetSizeAndOpacity(ToolType tool)
{
    Settings::SetToolSize(tool, Bounded(values[0]));
    Settings::SetToolOpacity(tool, Bounded(values[1]));
}

void UtilCommand::ToolOptionsChanged()
{
    if (InterfacePanels* panels = InterfacePanels::Get()) {
        panels->RefreshToolOptions();
        panels->RefreshToolboxToolOptions();
    }
}

MStatus UtilCommand::SetPencilOptions()
{
    if (!ReadUnsigned(3))
        return MStatus::kInvalidParameter;
    SetSizeAndOpacity(TOOL_PENCIL);
    Settings::pencilTabletEnabled = values[2] != 0;
    ToolOptionsChanged();
    return MStatus::kSuccess;
}

MStatus UtilCommand::SetBrushOptions()
{
    if (!ReadUnsigned(4))
        return MStatus::kInvalidParameter;
    SetSizeAndOpacity(TOOL_BRUSH);
    Settings::SetToolHardness(TOOL_BRUSH, Bounded(values[2]));
    Settings::brushTabletEnabled = values[3] != 0;
    ToolOptionsChanged();
    return MStatus::kSuccess;
}

MStatus UtilCommand::SetEraserOptions()
{
    if (!ReadUnsigned(4))
        return MStatus::kInvalidParameter;
    SetSizeAndOpacity(TOOL_ERASER);
    Settings::SetToolHardness(TOOL_ERASER, Bounded(values[2]));
    Settings::eraserTabletEnabled = values[3] != 0;
    ToolOptionsChanged();
    return MStatus::kSuccess;
}

MStatus UtilCommand::SetTextOptions()
{
    MString family;
    if (!ReadUnsigned(2) || !db->getFlagArgument(flag->shortName, 2, family))
        return MStatus::kInvalidParameter;
    SetSizeAndOpacity(TOOL_TEXT);
    fontFamily = MayaUtil::ToQString(family);
    Settings::textFontFamily = fontFamily;
    ToolOptionsChanged();
    return MStatus::kSuccess;
}

MStatus UtilCommand::SetLineOptions()
{
    if (!ReadUnsigned(2))
        return MStatus::kInvalidParameter;
    SetSizeAndOpacity(TOOL_LINE);
    ToolOptionsChanged();
    return MStatus::kSuccess;
}

MStatus UtilCommand::SetArrowOptions()
{
    if (!ReadUnsigned(2))
        return MStatus::kInvalidParameter;
    SetSizeAndOpacity(TOOL_ARROW);
    ToolOptionsChanged();
    return MStatus::kSuccess;
}

MStatus UtilCommand::SetEllipseOptions()
{
    if (!ReadUnsigned(2))
        return MStatus::kInvalidParameter;
    SetSizeAndOpacity(TOOL_ELLIPSE);
    ToolOptionsChanged();
    return MStatus::kSuccess;
}

MStatus UtilCommand::SetRectangleOptions()
{
    if (!ReadUnsigned(2))
        return MStatus::kInvalidParameter;
    SetSizeAndOpacity(TOOL_RECTANGLE);
    ToolOptionsChanged();
    return MStatus::kSuccess;
}

// --- Colour, ghosting and the time slider's marks ----------------------------

void UtilCommand::DrawColorChanged()
{
    if (InterfacePanels* panels = InterfacePanels::Get())
        panels->RefreshToolbox();
}

void UtilCommand::GhostingChanged()
{
    if (BaseNode* master = BaseNode::GetMaster())
        master->UpdateGhosting();
    MayaUtil::UpdateMainMenu();
    if (InterfacePanels* panels = InterfacePanels::Get())
        panels->RefreshToolbox();
}

MStatus UtilCommand::Color(QColor& setting, void (*changed)())
{
    if (queryMode) {
        MIntArray rgb;
        rgb.append(setting.red());
        rgb.append(setting.green());
        rgb.append(setting.blue());
        setResult(rgb);
        return MStatus::kSuccess;
    }
    QColor color;
    if (!ReadColor(color))
        return MStatus::kFailure;
    setting = color;
    changed();
    return MStatus::kSuccess;
}

MStatus UtilCommand::DrawColor() { return Color(Settings::activeColor, &DrawColorChanged); }
MStatus UtilCommand::GhostColorPrevious() { return Color(Settings::ghostColorOverridePrev, &GhostingChanged); }
MStatus UtilCommand::GhostColorNext() { return Color(Settings::ghostColorOverrideNext, &GhostingChanged); }

// A negative value toggles, 0 turns off, anything else on.
MStatus UtilCommand::Ghost(bool& setting)
{
    if (queryMode) {
        setResult(int(setting));
        return MStatus::kSuccess;
    }
    if (!db->getFlagArgument(flag->shortName, 0, toggle)) {
        Logger::Error(INVALID_PARAMETERS);
        return MStatus::kInvalidParameter;
    }
    setting = toggle < 0 ? !setting : toggle != 0;
    GhostingChanged();
    return MStatus::kSuccess;
}

MStatus UtilCommand::GhostPrevious() { return Ghost(Settings::ghostPrev); }
MStatus UtilCommand::GhostNext() { return Ghost(Settings::ghostNext); }

MStatus UtilCommand::GhostCount(int& setting)
{
    if (queryMode) {
        setResult(setting);
        return MStatus::kSuccess;
    }
    if (!ReadUnsigned(1))
        return MStatus::kInvalidParameter;
    setting = qBound(Settings::MIN_GHOSTED_FRAMES, Bounded(values[0]), Settings::MAX_GHOSTED_FRAMES);
    GhostingChanged();
    return MStatus::kSuccess;
}

MStatus UtilCommand::GhostPreviousCount() { return GhostCount(Settings::ghostPrevCount); }
MStatus UtilCommand::GhostNextCount() { return GhostCount(Settings::ghostNextCount); }

MStatus UtilCommand::GhostColorOverride()
{
    if (queryMode) {
        setResult(Settings::ghostColorOverride);
        return MStatus::kSuccess;
    }
    if (!ReadUnsigned(1))
        return MStatus::kInvalidParameter;
    Settings::ghostColorOverride = values[0] != 0;
    GhostingChanged();
    return MStatus::kSuccess;
}

MStatus UtilCommand::TimelineFrameDisplay()
{
    if (queryMode) {
        setResult(Settings::timelineFrameDisplay);
        return MStatus::kSuccess;
    }
    if (!ReadUnsigned(1))
        return MStatus::kInvalidParameter;
    if (values[0] >= 3) {
        Logger::Error("Invalid timeline frame display option.");
        return MStatus::kFailure;
    }
    Settings::timelineFrameDisplay = int(values[0]);
    BaseNode::UpdateTimeControlOverlay();
    MayaUtil::UpdateMainMenu();
    return MStatus::kSuccess;
}

MStatus UtilCommand::RefreshTimelineDisplay()
{
    BaseNode::UpdateTimeControlOverlay();
    return MStatus::kSuccess;
}

// --- Views and panels ----------------------------------------------------------

MStatus UtilCommand::FloatingViewport()
{
    return StatusOf(MayaUtil::CreateFloatingViewport(QString()));
}

// With a camera that is not in the scene the view opens without moving
// layers; without a camera the user picks one when there is a drawing.
MStatus UtilCommand::FloatingViewportMove()
{
    MString camera;
    db->getFlagArgument(flag->shortName, 0, camera);
    cameraName = MayaUtil::ToQString(camera);
    QStringList cameras;
    MayaUtil::GetCameras(cameras);
    BaseNode* master = BaseNode::GetMaster();
    if (cameraName.isEmpty() && master) {
        QString chosen;
        if (!InterfacePanels::Get()->ChooseCamera(cameras, master->GetActiveCamera(), chosen))
            return MStatus::kSuccess;
        cameraName = chosen;
    }
    if (!cameras.contains(cameraName))
        cameraName.clear();
    return StatusOf(MayaUtil::CreateFloatingViewport(cameraName));
}

MStatus UtilCommand::ShowLayerManager()
{
    return StatusOf(InterfacePanels::Get()->ShowPanel(InterfacePanels::PANEL_LAYER_MANAGER));
}

MStatus UtilCommand::ShowToolbox()
{
    return StatusOf(InterfacePanels::Get()->ShowPanel(InterfacePanels::PANEL_TOOLBOX));
}

MStatus UtilCommand::ShowToolOptions()
{
    return StatusOf(InterfacePanels::Get()->ShowPanel(InterfacePanels::PANEL_TOOL_OPTIONS));
}

MStatus UtilCommand::ShowColorPalette()
{
    return StatusOf(InterfacePanels::Get()->ShowPanel(InterfacePanels::PANEL_COLOR_PALETTE));
}

MStatus UtilCommand::ShowRetimingTool()
{
    return StatusOf(InterfacePanels::Get()->ShowPanel(InterfacePanels::PANEL_RETIMING));
}

MStatus UtilCommand::RefreshLayerManager()
{
    if (BaseNode* master = BaseNode::GetMaster())
        master->UpdateLayerManagerDialog();
    else
        BaseNode::ClearLayerManagerDialog();
    return MStatus::kSuccess;
}

MStatus UtilCommand::RefreshToolbox()
{
    InterfacePanels* panels = InterfacePanels::Get();
    const QColor color = panels ? panels->ToolboxColor() : QColor();
    if (color.isValid())
        MayaUtil::SetActiveColor(color);
    return MStatus::kSuccess;
}

MStatus UtilCommand::NewLayer()
{
    return StatusOf(InterfacePanels::Get()->ShowNewLayer());
}

MStatus UtilCommand::LayerProperties()
{
    BaseNode* master = BaseNode::GetMaster();
    if (!master)
        return MStatus::kFailure;
    const QString camera = master->GetActiveCamera();
    const int index = camera.isEmpty() ? -1 : master->GetActiveLayerIndex(camera);
    if (index < 0)
        return MStatus::kFailure;
    return StatusOf(InterfacePanels::Get()->ShowLayerProperties(camera, index));
}

MStatus UtilCommand::GhostingSettings()
{
    return StatusOf(InterfacePanels::Get()->ShowGhostingSettings());
}

MStatus UtilCommand::FramedeckImport()
{
    return MStatus::kSuccess;
}

MStatus UtilCommand::ResetUI()
{
    InterfacePanels::Get()->ConfirmAndResetUI();
    return MStatus::kSuccess;
}

MStatus UtilCommand::Preferences()
{
    return StatusOf(InterfacePanels::Get()->ShowPreferences());
}

MStatus UtilCommand::About()
{
    return StatusOf(InterfacePanels::Get()->ShowAbout());
}
