#include "files/FilesStartup.h"

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "events/EventBus.h"
#include "files/FileCommand.h"
#include "files/SceneFiles.h"

namespace nbhost {

namespace {
// Adds the hooks when the library is loaded.
const bool g_hooked = [] {
    Host::addStartHook(Host::StartPhase::Registration, &FilesStartup::registerCommands);
    Host::addStartHook(Host::StartPhase::Scene, &FilesStartup::startUntitled);
    return true;
}();
} // namespace

void FilesStartup::registerCommands(Host& host)
{
    host.commands().registerCommand("file", FileCommand::creator, FileCommand::newSyntax);
}

void FilesStartup::startUntitled(Host& host)
{
    SceneFiles::instance().startUntitled(host);
    for (const char* event : {"Undo", "Redo"})
        host.events().addEventListener(event, [] { SceneFiles::instance().noteChange(); });
}

} // namespace nbhost
