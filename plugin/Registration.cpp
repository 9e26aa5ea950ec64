// The API version marker is defined once, by the plug-in's entry points.
#define MNoVersionString
#include "plugin/Registration.h"

#include "base/Logger.h"
#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "commands/FrameCommand.h"
#include "commands/LayerCommand.h"
#include "commands/NodeCommand.h"
#include "commands/StrokeCommand.h"
#include "commands/UtilCommand.h"
#include "node/BaseNode.h"
#include "node/BaseNodeDrawOverride.h"
#include "node/BaseNodeLayerData.h"
#include "plugin/HostCallbacks.h"
#include "tools/DrawContextCommand.h"
#include "tools/ToolNotifier.h"
#include "tools/TransformContextCommand.h"
#include "ui/DialogManager.h"
#include "ui/DialogPanels.h"
#include "ui/TimeControlOverlay.h"
#include "ui/ToolOptionsDialog.h"

#include <maya/MDrawRegistry.h>
#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>

#include <QString>

#include <vector>

namespace {

struct CommandEntry
{
    QString name;
    MCreatorFunction creator;
    MCreateSyntaxFunction syntax;
};

// The scripting commands in registration order; the utility command, which
// drives the others from menus and panels, goes last.
const std::vector<CommandEntry>& Commands()
{
    static const std::vector<CommandEntry> commands = {
        {NodeCommand::GetCommandName(), &NodeCommand::Creator, &NodeCommand::CommandSyntax},
        {LayerCommand::GetCommandName(), &LayerCommand::Creator, &LayerCommand::CommandSyntax},
        {FrameCommand::GetCommandName(), &FrameCommand::Creator, &FrameCommand::CommandSyntax},
        {StrokeCommand::GetCommandName(), &StrokeCommand::Creator, &StrokeCommand::CommandSyntax},
        {UtilCommand::GetCommandName(), &UtilCommand::Creator, &UtilCommand::CommandSyntax},
    };
    return commands;
}

struct ContextCommandEntry
{
    QString name;
    MCreatorFunction creator;
};

// The context commands in registration order; they deregister in the same
// order.
const std::vector<ContextCommandEntry>& ContextCommands()
{
    static const std::vector<ContextCommandEntry> commands = {
        {MayaUtil::ToQString(DrawContextCommand::GetCommandName()), &DrawContextCommand::Creator},
        {MayaUtil::ToQString(TransformContextCommand::GetCommandName()), &TransformContextCommand::Creator},
    };
    return commands;
}

// The utility command reaches the panels through this while the host runs
// with a user interface.
DialogPanels dialogPanels;

// The tool options panel follows the sizes and opacities the draw tool
// changes while B or M is held; connected while the contexts are registered.
QMetaObject::Connection toolOptionsConnection;

void FollowToolOptions(bool follow)
{
    QObject::disconnect(toolOptionsConnection);
    if (!follow)
        return;
    toolOptionsConnection = QObject::connect(ToolNotifier::GetInstance(), &ToolNotifier::ToolOptionsChanged, [] {
        if (ToolOptionsDialog* panel = DialogManager::ExistingToolOptionsDialog())
            panel->Refresh();
    });
}

void ShowError(const QString& text)
{
    MGlobal::displayError(MayaUtil::ToMString(text));
}

QString ErrorText(const MStatus& status)
{
    return MayaUtil::ToQString(status.errorString());
}

} // namespace

MStatus Registration::RegisterAll(MFnPlugin& plugin)
{
    InterfacePanels::Install(Settings::guiEnabled ? &dialogPanels : nullptr);
    MStatus status;
    if (RegisterCommands(plugin, status) && RegisterContextCommands(plugin, status)
        && RegisterDataTypes(plugin, status) && RegisterNodes(plugin, status)) {
        HostCallbacks::AddCallbacks();
        HostCallbacks::AddScriptJobs();
    }
    return status;
}

MStatus Registration::DeregisterAll(MFnPlugin& plugin)
{
    // Panels go before the node's cleanup, which writes their geometry out.
    DialogManager::Shutdown();
    InterfacePanels::Install(nullptr);
    MStatus status;
    if (DeregisterNodes(plugin, status) && DeregisterDataTypes(plugin, status)
        && DeregisterContextCommands(plugin, status))
        DeregisterCommands(plugin, status);
    return status;
}

MStatus Registration::RegisterCommands(MFnPlugin& plugin, MStatus& status)
{
    status = MStatus::kSuccess;
    for (const CommandEntry& command : Commands()) {
        status = plugin.registerCommand(MayaUtil::ToMString(command.name), command.creator,
                                        command.syntax);
        if (!status) {
            ShowError(QStringLiteral("Failed to register '%1' command: %2")
                          .arg(command.name, ErrorText(status)));
            break;
        }
    }
    return status;
}

MStatus Registration::RegisterContextCommands(MFnPlugin& plugin, MStatus& status)
{
    status = MStatus::kSuccess;
    for (const ContextCommandEntry& command : ContextCommands()) {
        status = plugin.registerContextCommand(MayaUtil::ToMString(command.name), command.creator);
        if (!status) {
            ShowError(QStringLiteral("Failed to register '%1' contextCommand: %2")
                          .arg(command.name, ErrorText(status)));
            return status;
        }
    }
    FollowToolOptions(true);
    return status;
}

MStatus Registration::RegisterDataTypes(MFnPlugin& plugin, MStatus& status)
{
    status = plugin.registerData(BaseNodeLayerData::GetTypeName(), BaseNodeLayerData::GetTypeID(),
                                 &BaseNodeLayerData::Creator, MPxData::kData);
    if (!status)
        ShowError(QStringLiteral("Could not register '%1")
                      .arg(MayaUtil::ToQString(BaseNodeLayerData::GetTypeName())));
    return status;
}

// The node's Viewport 2.0 draw override registers after the node, for the
// node's classification; its failure leaves the node registered.
MStatus Registration::RegisterNodes(MFnPlugin& plugin, MStatus& status)
{
    const MString classification = BaseNode::GetDrawDbClassification();
    status = plugin.registerNode(BaseNode::GetTypeName(), BaseNode::GetTypeID(), &BaseNode::Creator,
                                 &BaseNode::Initialize, MPxNode::kLocatorNode, &classification);
    if (!status) {
        ShowError(QStringLiteral("Failed to register base node"));
        return status;
    }
    CreateTimelineMarks();
    status = MHWRender::MDrawRegistry::registerDrawOverrideCreator(
        classification, BaseNode::GetDrawRegistrationId(), &BaseNodeDrawOverride::Creator);
    if (!status)
        ShowError(QStringLiteral("Failed to register draw node override"));
    return status;
}

// The drawing-frame marks live on the host's time slider, once per session
// with a user interface; the node owns them from here on.
void Registration::CreateTimelineMarks()
{
    if (!Settings::guiEnabled || BaseNode::GetTimelineMarks())
        return;
    QWidget* slider = MayaUtil::GetTimeControlWidget();
    if (!slider) {
        Logger::Error("Failed to get time control widget.");
        return;
    }
    auto* overlay = new TimeControlOverlay(slider);
    overlay->hide();
    BaseNode::SetTimelineMarks(overlay);
}

// The draw override goes first, then the node.
MStatus Registration::DeregisterNodes(MFnPlugin& plugin, MStatus& status)
{
    status = MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(
        BaseNode::GetDrawDbClassification(), BaseNode::GetDrawRegistrationId());
    if (!status) {
        ShowError(QStringLiteral("Failed to deregister base node draw override"));
        return status;
    }
    status = plugin.deregisterNode(BaseNode::GetTypeID());
    if (!status) {
        ShowError(QStringLiteral("Failed to deregister base node"));
        return status;
    }
    BaseNode::Cleanup();
    return status;
}

MStatus Registration::DeregisterDataTypes(MFnPlugin& plugin, MStatus& status)
{
    status = plugin.deregisterData(BaseNodeLayerData::GetTypeID());
    if (!status)
        ShowError(QStringLiteral("Could not deregister %1")
                      .arg(MayaUtil::ToQString(BaseNodeLayerData::GetTypeName())));
    return status;
}

MStatus Registration::DeregisterContextCommands(MFnPlugin& plugin, MStatus& status)
{
    status = MStatus::kSuccess;
    FollowToolOptions(false);
    for (const ContextCommandEntry& command : ContextCommands()) {
        status = plugin.deregisterContextCommand(MayaUtil::ToMString(command.name));
        if (!status) {
            ShowError(QStringLiteral("Failed to deregister '%1' contextCommand: %2")
                          .arg(command.name, ErrorText(status)));
            break;
        }
    }
    return status;
}

MStatus Registration::DeregisterCommands(MFnPlugin& plugin, MStatus& status)
{
    status = MStatus::kSuccess;
    const std::vector<CommandEntry>& commands = Commands();
    for (auto command = commands.rbegin(); command != commands.rend(); ++command) {
        status = plugin.deregisterCommand(MayaUtil::ToMString(command->name));
        if (!status) {
            ShowError(QStringLiteral("Failed to deregister '%1' command: %2")
                          .arg(command->name, ErrorText(status)));
            break;
        }
    }
    return status;
}
