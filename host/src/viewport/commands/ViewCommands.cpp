#include "viewport/commands/ViewCommands.h"

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "viewport/commands/LookThroughModelPanelCommand.h"
#include "viewport/commands/ModelPanelCommand.h"
#include "viewport/commands/PaneLayoutCommand.h"
#include "viewport/commands/PlayblastCommand.h"

namespace nbhost {

namespace {
const bool g_hooked = [] {
    Host::addStartHook(Host::StartPhase::Registration, &ViewCommands::registerAll);
    return true;
}();
} // namespace

void ViewCommands::registerAll(Host& host)
{
    CommandRegistry& registry = host.commands();
    registry.registerCommand("lookThroughModelPanel", LookThroughModelPanelCommand::creator,
                             LookThroughModelPanelCommand::newSyntax);
    registry.registerCommand("modelPanel", ModelPanelCommand::creator, ModelPanelCommand::newSyntax);
    registry.registerCommand("paneLayout", PaneLayoutCommand::creator, PaneLayoutCommand::newSyntax);
    registry.registerCommand("playblast", PlayblastCommand::creator, PlayblastCommand::newSyntax);
}

} // namespace nbhost
