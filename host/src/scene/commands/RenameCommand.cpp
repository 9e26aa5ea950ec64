#include "scene/commands/RenameCommand.h"

#include "scene/NodeNaming.h"
#include "scene/commands/SceneLookup.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

namespace nbhost {

void* RenameCommand::creator() { return new RenameCommand; }

MSyntax RenameCommand::newSyntax()
{
    MSyntax syntax;
    syntax.setObjectType(MSyntax::kStringObjects, 1, 2);
    return syntax;
}

MStatus RenameCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    MStringArray objects;
    db.getObjects(objects);
    std::shared_ptr<Node> node;
    std::string error;
    if (objects.length() == 2) {
        node = SceneLookup::node(objects[0].asChar(), &error);
        if (!node)
            return fail(error);
    } else {
        auto selected = SceneLookup::selectedNodes();
        if (selected.empty())
            return fail("nothing is selected to rename");
        node = selected.front();
    }
    const std::string requested = objects[objects.length() - 1].asChar();
    if (NodeNaming::legalize(requested).empty())
        return fail("'" + requested + "' is not a valid name");
    m_edits.renameNode(node, requested);
    MStatus status = run();
    if (status)
        setResult(node->name().c_str());
    return status;
}

} // namespace nbhost
