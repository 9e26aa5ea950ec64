#include "scene/SceneStartup.h"

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "scene/Scene.h"
#include "scene/commands/CameraCommand.h"
#include "scene/commands/CreateNodeCommand.h"
#include "scene/commands/DeleteCommand.h"
#include "scene/commands/GetAttrCommand.h"
#include "scene/commands/ListRelativesCommand.h"
#include "scene/commands/LsCommand.h"
#include "scene/commands/MoveCommand.h"
#include "scene/commands/ObjExistsCommand.h"
#include "scene/commands/RenameCommand.h"
#include "scene/commands/SelectCommand.h"
#include "scene/commands/SetAttrCommand.h"

namespace nbhost {

namespace {
// Adds the hooks when the library is loaded.
const bool g_hooked = [] {
    Host::addStartHook(Host::StartPhase::Registration, &SceneStartup::registerCommands);
    Host::addStartHook(Host::StartPhase::Scene, &SceneStartup::buildScene);
    Host::addStopHook(&SceneStartup::clearScene);
    return true;
}();
} // namespace

void SceneStartup::registerCommands(Host& host)
{
    CommandRegistry& registry = host.commands();
    registry.registerCommand("camera", CameraCommand::creator, CameraCommand::newSyntax);
    registry.registerCommand("createNode", CreateNodeCommand::creator, CreateNodeCommand::newSyntax);
    registry.registerCommand("delete", DeleteCommand::creator, DeleteCommand::newSyntax);
    registry.registerCommand("getAttr", GetAttrCommand::creator, GetAttrCommand::newSyntax);
    registry.registerCommand("listRelatives", ListRelativesCommand::creator,
                             ListRelativesCommand::newSyntax);
    registry.registerCommand("ls", LsCommand::creator, LsCommand::newSyntax);
    registry.registerCommand("move", MoveCommand::creator, MoveCommand::newSyntax);
    registry.registerCommand("objExists", ObjExistsCommand::creator, ObjExistsCommand::newSyntax);
    registry.registerCommand("rename", RenameCommand::creator, RenameCommand::newSyntax);
    registry.registerCommand("select", SelectCommand::creator, SelectCommand::newSyntax);
    // setAttr reads its own arguments (plug-in data follows its flags).
    registry.registerCommand("setAttr", SetAttrCommand::creator);
}

void SceneStartup::buildScene(Host&)
{
    Scene::instance().reset();
}

void SceneStartup::clearScene(Host&)
{
    Scene::instance().clear();
}

} // namespace nbhost
