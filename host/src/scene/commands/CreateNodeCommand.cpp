#include "scene/commands/CreateNodeCommand.h"

#include "scene/NodeTypeRegistry.h"
#include "scene/Scene.h"
#include "scene/commands/SceneLookup.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

namespace nbhost {

void* CreateNodeCommand::creator() { return new CreateNodeCommand; }

MSyntax CreateNodeCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addArg(MSyntax::kString);
    syntax.addFlag("-n", "-name", MSyntax::kString);
    syntax.addFlag("-p", "-parent", MSyntax::kString);
    syntax.addFlag("-ss", "-skipSelect");
    syntax.addFlag("-s", "-shared");
    return syntax;
}

MStatus CreateNodeCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    const std::string typeName = db.commandArgumentString(0).asChar();
    const std::string name = db.isFlagSet("-n") ? db.flagArgumentString("-n", 0).asChar() : "";
    auto type = NodeTypeRegistry::instance().find(typeName);
    if (!type)
        return fail("Unknown object type: " + typeName);

    Scene& scene = Scene::instance();
    if (db.isFlagSet("-s") && !name.empty()) {
        auto existing = scene.find(name);
        if (existing && existing->type().name() == typeName) {
            scene.setLastCreated(existing);
            setResult(existing->name().c_str());
            return MStatus::kSuccess;
        }
    }
    std::string error;
    std::shared_ptr<Node> parent;
    if (db.isFlagSet("-p") && !(parent = SceneLookup::node(db.flagArgumentString("-p", 0).asChar(), &error)))
        return fail(error);
    if (parent && !type->isDag())
        return fail("'" + typeName + "' nodes are not DAG nodes and cannot have a parent");

    auto node = m_edits.createNode(type, parent, &error);
    if (!node)
        return fail(error);
    if (!name.empty())
        m_edits.renameNode(node, name);
    if (!db.isFlagSet("-ss")) {
        MSelectionList selection;
        selection.add(node->object());
        m_edits.setSelection(selection);
    }
    MStatus status = run();
    if (!status)
        return status;
    scene.setLastCreated(node);
    setResult(node->name().c_str());
    return status;
}

} // namespace nbhost
