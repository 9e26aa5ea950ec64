#include "scene/commands/ObjExistsCommand.h"

#include "scene/Scene.h"
#include "scene/commands/SceneLookup.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

namespace nbhost {

void* ObjExistsCommand::creator() { return new ObjExistsCommand; }

MSyntax ObjExistsCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addArg(MSyntax::kString);
    return syntax;
}

MStatus ObjExistsCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    const std::string name = db.commandArgumentString(0).asChar();
    SceneLookup::PlugRef plug;
    const bool exists = name.find('.') == std::string::npos
                            ? Scene::instance().find(name) != nullptr
                            : name[0] != '.' && SceneLookup::plug(name, plug, nullptr);
    setResult(exists);
    return MStatus::kSuccess;
}

} // namespace nbhost
