#include "files/SceneBuilder.h"

#include "core/Host.h"
#include "core/Output.h"
#include "plugins/PluginLocator.h"
#include "plugins/PluginManager.h"
#include "scene/Attribute.h"
#include "scene/DataTypeRegistry.h"
#include "scene/PluginDataObject.h"
#include "scene/Scene.h"
#include "time/TimeState.h"
#include "time/TimeUnits.h"

#include <maya/MPxData.h>

#include <exception>

namespace nbhost {

namespace {

bool fail(std::string* error, const std::string& text)
{
    *error = text;
    return false;
}

} // namespace

SceneBuilder::SceneBuilder(FileReadState::Mode mode) : m_mode(mode) {}

bool SceneBuilder::holdsData(const Attribute& attr)
{
    return attr.kind() == Attribute::Kind::Typed && attr.dataType() == MFnData::kPlugin;
}

bool SceneBuilder::holdsString(const Attribute& attr)
{
    return attr.kind() == Attribute::Kind::Typed && attr.dataType() == MFnData::kString;
}

void SceneBuilder::requirePlugin(const std::string& name)
{
    if (name.empty() || PluginManager::instance().find(name))
        return;
    if (PluginLocator::isPath(name)) {
        Output::write(Output::Kind::Warning, "The scene names the plug-in \"" + name
                                                 + "\" by a path; only plug-in names are loaded.");
        return;
    }
    PluginManager::instance().load(name, true);
}

bool SceneBuilder::setUnits(const std::string& linear, const std::string& angle,
                            const std::string& time, std::string* error)
{
    Host* host = Host::current();
    if (!isOpening() || !host)
        return true;
    SceneUnits units = host->sceneUnits();
    const MTime::Unit timeUnit = time.empty() ? host->time().uiUnit() : TimeUnits::fromName(time);
    if ((!linear.empty() && !units.setLinear(linear)) || (!angle.empty() && !units.setAngle(angle))
        || timeUnit == MTime::kInvalid)
        return fail(error, "unknown unit in \"" + linear + " " + angle + " " + time + "\"");
    host->sceneUnits() = units;
    host->time().setUIUnit(timeUnit);
    return true;
}

bool SceneBuilder::createNode(const std::string& type, const std::string& name,
                              const std::string& parent, bool shared, std::string* error)
{
    if (shared && (m_current = reuseShared(type, name))) {
        m_byFileName[name] = m_current;
        return true;
    }
    std::shared_ptr<Node> parentNode;
    m_current.reset(); // values that follow a node that failed go nowhere
    if (!parent.empty() && !(parentNode = lookUp(parent)))
        return fail(error, "createNode: the parent \"" + parent + "\" of \"" + name + "\" does not exist");
    m_current = Scene::instance().createNode(type, name, parentNode.get(), error);
    if (!m_current)
        return false;
    // A shape made without a parent brings a transform of its own.
    if (m_current->parent() && !m_current->parent()->isWorld() && !parentNode)
        m_created.push_back(m_current->parent()->shared());
    m_created.push_back(m_current);
    if (!name.empty())
        m_byFileName[name] = m_current;
    return true;
}

std::shared_ptr<Node> SceneBuilder::reuseShared(const std::string& type, const std::string& name)
{
    auto node = Scene::instance().find(name);
    return node && node->isDefaultNode() && node->type().name() == type ? node : nullptr;
}

std::shared_ptr<Node> SceneBuilder::lookUp(const std::string& name) const
{
    auto it = m_byFileName.find(name);
    if (it != m_byFileName.end() && it->second->inScene())
        return it->second;
    return Scene::instance().find(name);
}

bool SceneBuilder::target(const std::string& plug, Target& out, std::string* error)
{
    out = Target();
    const size_t dot = plug.find('.');
    if (dot == std::string::npos || dot + 1 == plug.size())
        return fail(error, "setAttr: \"" + plug + "\" does not name an attribute");
    const std::string nodeName = plug.substr(0, dot);
    const std::string attrName = plug.substr(dot + 1);
    std::shared_ptr<Node> node = nodeName.empty() ? m_current : lookUp(nodeName);
    if (!node || !node->inScene())
        return fail(error, "setAttr: no node for \"" + plug + "\"");
    if (!isOpening() && node->isDefaultNode())
        return true;
    out.text = node->name() + "." + attrName;
    out.attr = node->findAttribute(attrName);
    if (!out.attr) {
        Output::write(Output::Kind::Warning, "setAttr: \"" + out.text + "\" has no such attribute; its value is skipped.");
        return true;
    }
    out.node = node;
    return true;
}

bool SceneBuilder::setNumbers(const Target& target, const std::vector<double>& values,
                              std::string* error)
{
    if (target.isEmpty())
        return true;
    const Attribute& attr = *target.attr;
    std::vector<std::shared_ptr<Attribute>> leaves = attr.children();
    if (attr.kind() == Attribute::Kind::Numeric)
        leaves = {target.attr};
    if (leaves.empty() || leaves.size() != values.size())
        return fail(error, "setAttr: \"" + target.text + "\" does not take " + std::to_string(values.size())
                               + " number(s)");
    for (size_t i = 0; i < leaves.size(); ++i)
        target.node->setValue(*leaves[i], PlugValue::ofNumber(values[i]));
    return true;
}

bool SceneBuilder::setString(const Target& target, const std::string& value, std::string* error)
{
    if (target.isEmpty())
        return true;
    if (!holdsString(*target.attr))
        return fail(error, "setAttr: \"" + target.text + "\" does not hold a string");
    target.node->setValue(*target.attr, PlugValue::ofString(value));
    return true;
}

bool SceneBuilder::setData(const Target& target, const std::string& dataType, const DataReader& read,
                           std::string* error)
{
    if (target.isEmpty())
        return true;
    auto type = DataTypeRegistry::instance().find(dataType);
    if (!type)
        return fail(error, "setAttr: unknown data type \"" + dataType + "\" for \"" + target.text + "\"");
    if (!holdsData(*target.attr) || target.attr->dataTypeId() != type->id)
        return fail(error, "setAttr: \"" + target.text + "\" does not hold " + dataType + " values");
    MObject value = DataTypeRegistry::instance().createValue(type->id, error);
    PluginDataObject* data = PluginDataObject::from(value);
    if (!data)
        return false;
    std::string why = "its data type could not read it";
    try {
        // What the reader read before it failed is kept, as the real host
        // keeps it.
        const bool complete = read(*data->data());
        const bool kept = target.node->setValue(*target.attr, PlugValue::ofData(value));
        if (complete && kept)
            return true;
        if (kept)
            why = "its data type could not read all of it; what it read is kept";
    } catch (const std::exception& e) {
        why = std::string("its data type threw: ") + e.what();
    } catch (...) {
        why = "its data type threw an exception";
    }
    return fail(error, "setAttr: the " + dataType + " value of \"" + target.text + "\" is damaged: " + why);
}

void SceneBuilder::setFlags(const Target& target, std::optional<bool> locked,
                            std::optional<bool> keyable, std::optional<bool> channelBox)
{
    Node::PlugState* state = target.isEmpty() ? nullptr : target.node->plug(*target.attr);
    if (!state)
        return;
    if (locked)
        state->locked = *locked;
    if (keyable)
        state->keyable = keyable;
    if (channelBox)
        state->channelBox = channelBox;
}

void SceneBuilder::discardCreated()
{
    for (auto it = m_created.rbegin(); it != m_created.rend(); ++it) {
        if ((*it)->inScene())
            Scene::instance().detach(**it);
        (*it)->destroy();
    }
    m_created.clear();
    m_current.reset();
}

} // namespace nbhost
