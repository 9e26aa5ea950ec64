#include "files/SceneCollector.h"

#include "core/Host.h"
#include "plugins/PluginManager.h"
#include "scene/PluginDataObject.h"
#include "scene/Scene.h"
#include "time/TimeState.h"
#include "time/TimeUnits.h"

#include <maya/MPlug.h>
#include <maya/MPxNode.h>

namespace nbhost {

SceneContents SceneCollector::collect(Host& host)
{
    SceneContents contents;
    contents.linearUnit = host.sceneUnits().linear();
    contents.angleUnit = host.sceneUnits().angle();
    contents.timeUnit = TimeUnits::name(host.time().uiUnit());
    for (const auto& node : Scene::instance().fileOrder()) {
        if (auto owner = PluginManager::instance().ownerOfNodeType(node->type().id()))
            addRequirement(contents, owner->name(), owner->version());
        contents.nodes.push_back(collectNode(*node));
        for (const auto& plug : contents.nodes.back().plugs)
            if (auto* data = PluginDataObject::from(plug.value.data))
                if (auto owner = PluginManager::instance().ownerOfDataType(data->type().id))
                    addRequirement(contents, owner->name(), owner->version());
    }
    return contents;
}

SceneContents::Node SceneCollector::collectNode(Node& node)
{
    SceneContents::Node stored;
    stored.type = node.type().name();
    stored.name = node.name();
    if (node.parent() && !node.parent()->isWorld())
        stored.parent = node.parent()->name();
    stored.shared = node.isDefaultNode();
    for (const auto& attr : node.type().attributes()) {
        SceneContents::Plug plug;
        if (collectPlug(node, attr, plug))
            stored.plugs.push_back(std::move(plug));
    }
    return stored;
}

bool SceneCollector::collectPlug(Node& node, const std::shared_ptr<Attribute>& attribute,
                                 SceneContents::Plug& out)
{
    const Attribute& attr = *attribute;
    const Node::PlugState* state = node.plug(attr);
    if (!state)
        return false;
    bool saveValue = attr.kind() != Attribute::Kind::Compound && hostWouldSave(node, attr);
    if (MPxNode* user = node.userNode()) {
        const MPlug plug(node.object(), MObject(attribute));
        bool isSaving = saveValue;
        if (user->shouldSave(plug, isSaving) == MStatus::kSuccess)
            saveValue = isSaving && attr.kind() != Attribute::Kind::Compound;
    }
    out.attribute = attr.shortName().empty() ? attr.longName() : attr.shortName();
    if (saveValue && state->value.kind != PlugValue::Kind::None)
        out.value = state->value;
    if (auto* data = PluginDataObject::from(out.value.data))
        out.dataType = data->type().name;
    out.isBoolean = attr.isBoolean();
    out.locked = state->locked;
    out.keyable = state->keyable;
    out.channelBox = state->channelBox;
    return out.value.kind != PlugValue::Kind::None || out.locked || out.keyable || out.channelBox;
}

// Stored attributes whose value is not a new node's; plug-in data always,
// since its default cannot be compared.
bool SceneCollector::hostWouldSave(const Node& node, const Attribute& attr)
{
    if (!attr.flags().storable)
        return false;
    const PlugValue value = node.value(attr);
    return value.kind == PlugValue::Kind::Data || value != attr.defaultValue();
}

void SceneCollector::addRequirement(SceneContents& contents, const std::string& plugin,
                                    const std::string& version)
{
    for (const auto& requirement : contents.requirements)
        if (requirement.plugin == plugin)
            return;
    contents.requirements.push_back({plugin, version});
}

} // namespace nbhost
