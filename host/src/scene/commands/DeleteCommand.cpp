#include "scene/commands/DeleteCommand.h"

#include "scene/commands/SceneLookup.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

#include <algorithm>

namespace nbhost {

void* DeleteCommand::creator() { return new DeleteCommand; }

MSyntax DeleteCommand::newSyntax()
{
    MSyntax syntax;
    syntax.setObjectType(MSyntax::kStringObjects);
    syntax.useSelectionAsDefault(true);
    return syntax;
}

MStatus DeleteCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    std::vector<std::shared_ptr<Node>> nodes;
    std::string error;
    if (!SceneLookup::objectsOrSelection(db, nodes, &error))
        return fail(error);
    if (nodes.empty())
        return fail("Not enough objects or values.");

    // Undo selects again what was selected; a node below another deleted
    // node goes with it.
    m_edits.keepSelection();
    for (const auto& node : nodes) {
        const bool underAnother = std::any_of(nodes.begin(), nodes.end(), [&](const auto& other) {
            return other->isAncestorOf(*node);
        });
        if (!underAnother)
            m_edits.deleteNode(node, false);
    }
    return run();
}

} // namespace nbhost
