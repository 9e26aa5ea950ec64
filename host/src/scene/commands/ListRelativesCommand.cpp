#include "scene/commands/ListRelativesCommand.h"

#include "scene/commands/SceneLookup.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include <algorithm>

namespace nbhost {

namespace {

std::vector<Node*> relativesOf(Node& node, bool parent, bool all)
{
    std::vector<Node*> result;
    if (parent) {
        if (node.parent() && !node.parent()->isWorld())
            result.push_back(node.parent());
        return result;
    }
    for (const auto& child : node.children()) {
        result.push_back(child.get());
        if (all)
            for (const auto& below : child->subtree())
                if (below != child)
                    result.push_back(below.get());
    }
    return result;
}

} // namespace

void* ListRelativesCommand::creator() { return new ListRelativesCommand; }

MSyntax ListRelativesCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-p", "-parent");
    syntax.addFlag("-c", "-children");
    syntax.addFlag("-ad", "-allDescendents");
    syntax.addFlag("-s", "-shapes");
    syntax.addFlag("-f", "-fullPath");
    syntax.setObjectType(MSyntax::kStringObjects);
    syntax.useSelectionAsDefault(true);
    return syntax;
}

MStatus ListRelativesCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    std::vector<std::shared_ptr<Node>> nodes;
    std::string error;
    if (!SceneLookup::objectsOrSelection(db, nodes, &error)) {
        displayError(("listRelatives: " + error).c_str());
        return MStatus::kFailure;
    }

    std::vector<Node*> found;
    for (const auto& node : nodes)
        for (Node* relative : relativesOf(*node, db.isFlagSet("-p"), db.isFlagSet("-ad")))
            if ((!db.isFlagSet("-s") || relative->hasFn(MFn::kShape))
                && std::find(found.begin(), found.end(), relative) == found.end())
                found.push_back(relative);
    MStringArray result;
    for (Node* relative : found)
        result.append(SceneLookup::displayName(*relative, db.isFlagSet("-f")).c_str());
    setResult(result);
    return MStatus::kSuccess;
}

} // namespace nbhost
