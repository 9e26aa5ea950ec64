#include "ui/commands/UiCommands.h"

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "ui/commands/ColorSliderGrpCommand.h"
#include "ui/commands/DeleteUICommand.h"
#include "ui/commands/MenuCommand.h"
#include "ui/commands/MenuItemCommand.h"
#include "ui/commands/MenuSetCommand.h"
#include "ui/commands/RadioMenuItemCollectionCommand.h"
#include "ui/commands/RefreshCommand.h"
#include "ui/commands/SetMenuModeCommand.h"
#include "ui/commands/SetParentCommand.h"
#include "ui/commands/ShowWindowCommand.h"
#include "ui/commands/WindowCommand.h"

namespace nbhost {

namespace {
const bool g_hooked = [] {
    Host::addStartHook(Host::StartPhase::Registration, &UiCommands::registerAll);
    return true;
}();
} // namespace

void UiCommands::registerAll(Host& host)
{
    CommandRegistry& registry = host.commands();
    registry.registerCommand("colorSliderGrp", ColorSliderGrpCommand::creator, ColorSliderGrpCommand::newSyntax);
    registry.registerCommand("deleteUI", DeleteUICommand::creator, DeleteUICommand::newSyntax);
    registry.registerCommand("menu", MenuCommand::creator, MenuCommand::newSyntax);
    registry.registerCommand("menuItem", MenuItemCommand::creator, MenuItemCommand::newSyntax);
    registry.registerCommand("menuSet", MenuSetCommand::creator, MenuSetCommand::newSyntax);
    registry.registerCommand("radioMenuItemCollection", RadioMenuItemCollectionCommand::creator,
                             RadioMenuItemCollectionCommand::newSyntax);
    registry.registerCommand("refresh", RefreshCommand::creator, RefreshCommand::newSyntax);
    registry.registerCommand("setMenuMode", SetMenuModeCommand::creator, SetMenuModeCommand::newSyntax);
    registry.registerCommand("setParent", SetParentCommand::creator, SetParentCommand::newSyntax);
    registry.registerCommand("showWindow", ShowWindowCommand::creator, ShowWindowCommand::newSyntax);
    registry.registerCommand("window", WindowCommand::creator, WindowCommand::newSyntax);
}

} // namespace nbhost
