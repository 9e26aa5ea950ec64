#include "scene/commands/MoveCommand.h"

#include "scene/commands/SceneLookup.h"

#include <maya/MArgDatabase.h>
#include <maya/MSyntax.h>

namespace nbhost {

namespace {
// The transform that moves a node: itself, or a shape's parent.
std::shared_ptr<Node> movedTransform(Node& node)
{
    if (node.type().kind() == NodeType::Kind::Transform)
        return node.shared();
    Node* parent = node.parent();
    return node.hasFn(MFn::kShape) && parent ? parent->shared() : nullptr;
}
} // namespace

void* MoveCommand::creator() { return new MoveCommand; }

MSyntax MoveCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-a", "-absolute");
    syntax.addFlag("-r", "-relative");
    syntax.addArg(MSyntax::kDouble);
    syntax.addArg(MSyntax::kDouble);
    syntax.addArg(MSyntax::kDouble);
    syntax.setObjectType(MSyntax::kStringObjects);
    syntax.useSelectionAsDefault(true);
    return syntax;
}

MStatus MoveCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (db.isFlagSet("-a") && db.isFlagSet("-r"))
        return fail("-absolute and -relative cannot be used together");
    const bool relative = db.isFlagSet("-r");
    const double offset[3] = {db.commandArgumentDouble(0), db.commandArgumentDouble(1),
                              db.commandArgumentDouble(2)};
    std::vector<std::shared_ptr<Node>> nodes;
    std::string error;
    if (!SceneLookup::objectsOrSelection(db, nodes, &error))
        return fail(error);
    if (nodes.empty())
        return fail("nothing to move: name objects or select them");

    for (const auto& node : nodes) {
        auto transform = movedTransform(*node);
        if (!transform)
            return fail("'" + node->name() + "' cannot be moved");
        const char* axes[3] = {"translateX", "translateY", "translateZ"};
        for (int i = 0; i < 3; ++i) {
            auto attr = transform->findAttribute(axes[i]);
            const double base = relative ? transform->value(*attr).number : 0.0;
            m_edits.setPlugValue(transform, attr, PlugValue::ofNumber(base + offset[i]));
        }
    }
    return run();
}

} // namespace nbhost
