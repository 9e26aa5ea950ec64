#include "scene/commands/SetAttrCommand.h"

#include "core/ArgumentConversion.h"
#include "core/ArgumentParser.h"
#include "scene/DataTypeRegistry.h"
#include "scene/PluginDataObject.h"

#include <maya/MArgList.h>

namespace nbhost {

namespace {

bool isDataAttribute(const Attribute& attr)
{
    return attr.kind() == Attribute::Kind::Typed && attr.dataType() == MFnData::kPlugin;
}

bool isPluginDataType(const std::string& type)
{
    return !type.empty() && DataTypeRegistry::instance().find(type) != nullptr;
}

} // namespace

void* SetAttrCommand::creator() { return new SetAttrCommand; }

MStatus SetAttrCommand::parse(const MArgList& args, Request& request)
{
    const std::vector<Value>& tokens = args.hostValues();
    // Once the plug and a plug-in -type are known, the rest is data.
    auto dataFollows = [&] { return !request.positional.empty() && isPluginDataType(request.type); };
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (dataFollows() || !ArgumentParser::isFlagToken(tokens[i])) {
            request.positional.push_back(tokens[i]);
            continue;
        }
        const std::string flag = tokens[i].asString().substr(1);
        if (i + 1 >= tokens.size())
            return fail("flag -" + flag + " needs an argument");
        const Value& argument = tokens[++i];
        bool state = false;
        if (flag == "type" || flag == "typ") {
            request.type = argument.asString();
            continue;
        }
        if (!ArgumentConversion::toBool(argument, state))
            return fail("flag -" + flag + " needs on or off, not '" + argument.asString() + "'");
        if (flag == "lock" || flag == "l")
            request.lock = state;
        else if (flag == "keyable" || flag == "k")
            request.keyable = state;
        else if (flag == "channelBox" || flag == "cb")
            request.channelBox = state;
        else
            return fail("Invalid flag: -" + flag);
    }
    if (request.positional.empty())
        return fail("no attribute was named");
    return MStatus::kSuccess;
}

MStatus SetAttrCommand::doIt(const MArgList& args)
{
    Request request;
    MStatus status = parse(args, request);
    if (!status)
        return status;
    SceneLookup::PlugRef plug;
    std::string error;
    if (!SceneLookup::plug(request.positional.front().asString(), plug, &error))
        return fail(error);

    using Flag = SceneEditList::PlugFlag;
    if (request.lock == false)
        m_edits.setPlugFlag(plug.node, plug.attr, Flag::Locked, false);
    const bool hasValues = request.positional.size() > 1 || isDataAttribute(*plug.attr);
    if (hasValues && !(status = recordValues(plug, request)))
        return status;
    if (!hasValues && !request.lock && !request.keyable && !request.channelBox)
        return fail("Not enough data was provided for '" + plug.text() + "'");
    if (request.keyable)
        m_edits.setPlugFlag(plug.node, plug.attr, Flag::Keyable, *request.keyable);
    if (request.channelBox)
        m_edits.setPlugFlag(plug.node, plug.attr, Flag::ChannelBox, *request.channelBox);
    if (request.lock == true)
        m_edits.setPlugFlag(plug.node, plug.attr, Flag::Locked, true);
    return run();
}

MStatus SetAttrCommand::recordValues(const SceneLookup::PlugRef& plug, const Request& request)
{
    const Attribute& attr = *plug.attr;
    if (isDataAttribute(attr))
        return recordData(plug, request);
    const std::vector<Value> values(request.positional.begin() + 1, request.positional.end());
    if (attr.kind() == Attribute::Kind::Typed) {
        if (!request.type.empty() && request.type != "string")
            return fail("'" + plug.text() + "' holds a string, not " + request.type);
        if (values.size() != 1)
            return fail("'" + plug.text() + "' takes one string");
        return m_edits.setPlugValue(plug.node, plug.attr, PlugValue::ofString(values[0].asString()));
    }
    if (request.type == "string" || isPluginDataType(request.type))
        return fail("'" + plug.text() + "' holds numbers, not " + request.type);
    const std::vector<std::shared_ptr<Attribute>> targets =
        attr.kind() == Attribute::Kind::Compound ? attr.children()
                                                 : std::vector<std::shared_ptr<Attribute>>{plug.attr};
    if (values.size() != targets.size())
        return fail("'" + plug.text() + "' takes " + std::to_string(targets.size()) + " value"
                    + (targets.size() == 1 ? "" : "s") + ", not " + std::to_string(values.size()));
    for (size_t i = 0; i < targets.size(); ++i) {
        double number = 0.0;
        bool state = false;
        if (targets[i]->isBoolean() && ArgumentConversion::toBool(values[i], state))
            number = state ? 1.0 : 0.0;
        else if (!ArgumentConversion::toDouble(values[i], number))
            return fail("'" + values[i].asString() + "' is not a number for '" + plug.text() + "'");
        m_edits.setPlugValue(plug.node, targets[i], PlugValue::ofNumber(number));
    }
    return MStatus::kSuccess;
}

MStatus SetAttrCommand::recordData(const SceneLookup::PlugRef& plug, const Request& request)
{
    auto type = DataTypeRegistry::instance().find(plug.attr->dataTypeId());
    if (!type)
        return fail("the data type of '" + plug.text() + "' is not registered");
    if (request.type != type->name)
        return fail("'" + plug.text() + "' needs -type \"" + type->name + "\"");
    std::string error;
    MObject value = DataTypeRegistry::instance().createValue(type->id, &error);
    if (value.isNull())
        return fail(error);
    const std::vector<Value> tokens(request.positional.begin() + 1, request.positional.end());
    unsigned int index = 0;
    if (!PluginDataObject::from(value)->data()->readASCII(MArgList(tokens), index))
        return fail("the " + type->name + " value for '" + plug.text() + "' could not be read");
    return m_edits.setPlugValue(plug.node, plug.attr, PlugValue::ofData(value));
}

} // namespace nbhost
