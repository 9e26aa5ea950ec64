#include "scene/commands/LsCommand.h"

#include "scene/NodeNaming.h"
#include "scene/Scene.h"
#include "scene/commands/SceneLookup.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include <algorithm>

namespace nbhost {

namespace {

std::vector<std::shared_ptr<Node>> candidates(const MArgDatabase& db)
{
    Scene& scene = Scene::instance();
    if (db.isFlagSet("-sl"))
        return SceneLookup::selectedNodes();
    if (db.isFlagSet("-dag")) {
        std::vector<std::shared_ptr<Node>> result;
        for (const auto& node : scene.fileOrder())
            if (node->isDag())
                result.push_back(node);
        return result;
    }
    return scene.nodes();
}

bool matchesAny(const Node& node, const MStringArray& patterns)
{
    for (unsigned int i = 0; i < patterns.length(); ++i) {
        const std::string pattern = patterns[i].asChar();
        const bool isPath = pattern.find('|') != std::string::npos;
        if (isPath ? Scene::instance().find(pattern).get() == &node
                   : NodeNaming::matches(pattern, node.name()))
            return true;
    }
    return false;
}

} // namespace

void* LsCommand::creator() { return new LsCommand; }

MSyntax LsCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-sl", "-selection");
    syntax.addFlag("-typ", "-type", MSyntax::kString);
    syntax.makeFlagMultiUse("-type");
    syntax.addFlag("-l", "-long");
    syntax.addFlag("-dag", "-dagObjects");
    syntax.addFlag("-tr", "-transforms");
    syntax.addFlag("-s", "-shapes");
    syntax.setObjectType(MSyntax::kStringObjects);
    return syntax;
}

MStatus LsCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    std::vector<std::string> types;
    for (unsigned int i = 0; i < db.numberOfFlagUses("-type"); ++i) {
        MArgList use;
        db.getFlagArgumentList("-type", i, use);
        types.push_back(use.asString(0).asChar());
    }
    MStringArray patterns;
    db.getObjects(patterns);
    const bool longNames = db.isFlagSet("-l");

    MStringArray result;
    for (const auto& node : candidates(db)) {
        if (patterns.length() > 0 && !matchesAny(*node, patterns))
            continue;
        if (!types.empty() && std::none_of(types.begin(), types.end(), [&](const std::string& t) {
                return SceneLookup::isOfType(*node, t);
            }))
            continue;
        if (db.isFlagSet("-tr") && node->type().kind() != NodeType::Kind::Transform)
            continue;
        if (db.isFlagSet("-s") && !node->hasFn(MFn::kShape))
            continue;
        result.append(SceneLookup::displayName(*node, longNames).c_str());
    }
    setResult(result);
    return MStatus::kSuccess;
}

} // namespace nbhost
