#include "scene/commands/SceneLookup.h"

#include "scene/ReturnStatus.h"
#include "scene/Scene.h"

namespace nbhost {

bool SceneLookup::named(const MStringArray& names, MSelectionList& out, std::string* error)
{
    out.clear();
    for (unsigned int i = 0; i < names.length(); ++i)
        if (!out.add(names[i])) {
            setError(error, std::string("No object matches name: ") + names[i].asChar());
            return false;
        }
    return true;
}

std::vector<std::shared_ptr<Node>> SceneLookup::nodesIn(const MSelectionList& list)
{
    std::vector<std::shared_ptr<Node>> result;
    for (const MObject& item : list.hostItems())
        if (Node* node = Node::from(item))
            result.push_back(node->shared());
    return result;
}

std::shared_ptr<Node> SceneLookup::node(const std::string& name, std::string* error)
{
    auto found = Scene::instance().find(name);
    if (!found)
        setError(error, "No object matches name: " + name);
    return found;
}

std::vector<std::shared_ptr<Node>> SceneLookup::selectedNodes()
{
    return nodesIn(Scene::instance().selection().list());
}

bool SceneLookup::plug(const std::string& text, PlugRef& out, std::string* error)
{
    const size_t dot = text.find('.');
    if (dot == std::string::npos || dot + 1 == text.size()) {
        setError(error, "'" + text + "' does not name an attribute (node.attribute)");
        return false;
    }
    out.node = dot == 0 ? Scene::instance().lastCreated() : Scene::instance().find(text.substr(0, dot));
    // "node.translate.translateX" names the child directly.
    const std::string attrName = text.substr(text.rfind('.') + 1);
    out.attr = out.node ? out.node->findAttribute(attrName) : nullptr;
    if (!out.attr) {
        setError(error, dot == 0 && !out.node ? "there is no node for '" + text + "' (no node was created)"
                                              : "No object matches name: " + text);
        return false;
    }
    return true;
}

bool SceneLookup::isOfType(const Node& node, const std::string& typeName)
{
    if (node.type().name() == typeName)
        return true;
    if (typeName == "dagNode")
        return node.isDag() && !node.isWorld();
    if (typeName == "shape")
        return node.hasFn(MFn::kShape);
    return false;
}

std::string SceneLookup::displayName(const Node& node, bool longNames)
{
    return longNames && node.isDag() ? node.fullPathName() : node.name();
}

bool SceneLookup::objectsOrSelection(const MArgDatabase& db,
                                     std::vector<std::shared_ptr<Node>>& out, std::string* error)
{
    MStringArray objects;
    db.getObjects(objects);
    if (objects.length() == 0) {
        out = selectedNodes();
        return true;
    }
    MSelectionList list;
    if (!named(objects, list, error))
        return false;
    out = nodesIn(list);
    return true;
}

} // namespace nbhost
