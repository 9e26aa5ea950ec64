#include "files/AsciiSceneCommands.h"

#include "core/ArgumentConversion.h"
#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "files/SceneBuilder.h"
#include "scene/Attribute.h"
#include "scene/DataTypeRegistry.h"

#include <maya/MArgList.h>
#include <maya/MPxData.h>

#include <cstdlib>
#include <optional>

namespace nbhost {

namespace {

const char* const kSceneCommands[] = {"createNode", "setAttr", "requires", "currentUnit", "fileInfo"};

bool fail(std::string* error, const std::string& text)
{
    *error = text;
    return false;
}

// The argument after a flag, as text.
bool flagArgument(const std::vector<Value>& args, size_t& i, std::string& out, std::string* error)
{
    if (i + 1 >= args.size())
        return fail(error, "flag " + args[i].asString() + " needs an argument");
    out = args[++i].asString();
    return true;
}

bool flagState(const std::vector<Value>& args, size_t& i, std::optional<bool>& out, std::string* error)
{
    bool state = false;
    if (i + 1 >= args.size() || !ArgumentConversion::toBool(args[i + 1], state))
        return fail(error, "flag " + args[i].asString() + " needs on or off");
    out = state;
    ++i;
    return true;
}

} // namespace

bool AsciiSceneCommands::hasCommand(const std::string& name) const
{
    for (const char* command : kSceneCommands)
        if (name == command)
            return true;
    // Known host commands reach runCommand, which refuses them by name.
    Host* host = Host::current();
    return host && host->commands().find(name);
}

CommandOutcome AsciiSceneCommands::runCommand(const std::string& name, const std::vector<Value>& args)
{
    CommandOutcome outcome;
    if (name == "createNode")
        outcome.ok = createNode(args, &outcome.error);
    else if (name == "setAttr")
        outcome.ok = setAttr(args, &outcome.error);
    else if (name == "requires")
        outcome.ok = requirePlugin(args, &outcome.error);
    else if (name == "currentUnit")
        outcome.ok = currentUnit(args, &outcome.error);
    else if (name == "fileInfo")
        outcome.ok = true; // notes about the file; nothing to keep
    else
        outcome.error = "\"" + name + "\" cannot be used in a scene file.";
    return outcome;
}

bool AsciiSceneCommands::isFlag(const Value& value, const char* shortName, const char* longName)
{
    if (value.type() != Value::Type::String)
        return false;
    const std::string text = value.asString();
    return text == std::string("-") + shortName || text == std::string("-") + longName;
}

bool AsciiSceneCommands::createNode(const Args& args, std::string* error)
{
    std::string type, name, parent;
    bool shared = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (isFlag(args[i], "n", "name")) {
            if (!flagArgument(args, i, name, error))
                return false;
        } else if (isFlag(args[i], "p", "parent")) {
            if (!flagArgument(args, i, parent, error))
                return false;
        } else if (isFlag(args[i], "s", "shared")) {
            shared = true;
        } else if (isFlag(args[i], "ss", "skipSelect")) {
            continue;
        } else if (type.empty()) {
            type = args[i].asString();
        } else {
            return fail(error, "createNode: unexpected argument \"" + args[i].asString() + "\"");
        }
    }
    if (type.empty())
        return fail(error, "createNode: no node type was given");
    return m_builder.createNode(type, name, parent, shared, error);
}

// setAttr [-l b] [-k b] [-cb b] [-type t] plug [-type t] values...
// Once the plug is known, only -type and the lock and keyable flags are
// read as flags; anything else (such as -inf) is a value.
bool AsciiSceneCommands::setAttr(const Args& args, std::string* error)
{
    std::optional<bool> locked, keyable, channelBox;
    std::string plug, type;
    Args values;
    for (size_t i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (!values.empty() || (!plug.empty() && !type.empty()))
            values.push_back(args[i]);
        else if (isFlag(args[i], "l", "lock"))
            ok = flagState(args, i, locked, error);
        else if (isFlag(args[i], "k", "keyable"))
            ok = flagState(args, i, keyable, error);
        else if (isFlag(args[i], "cb", "channelBox"))
            ok = flagState(args, i, channelBox, error);
        else if (isFlag(args[i], "typ", "type"))
            ok = flagArgument(args, i, type, error);
        else if (plug.empty())
            plug = args[i].asString();
        else
            values.push_back(args[i]);
        if (!ok)
            return false;
    }
    if (plug.empty())
        return fail(error, "setAttr: no attribute was named");
    SceneBuilder::Target target;
    if (!m_builder.target(plug, target, error))
        return false;
    // An empty target (an attribute this host does not know) skips the values.
    if (!target.isEmpty() && (!values.empty() || !type.empty()) && !setValues(target, type, values, error))
        return false;
    m_builder.setFlags(target, locked, keyable, channelBox);
    return true;
}

bool AsciiSceneCommands::setValues(const SceneBuilder::Target& target, const std::string& type,
                                   const Args& values, std::string* error)
{
    if (SceneBuilder::holdsData(*target.attr) || DataTypeRegistry::instance().find(type)) {
        if (type.empty())
            return fail(error, "setAttr: \"" + target.text + "\" needs -type and its data type");
        const MArgList list(values);
        return m_builder.setData(target, type, [&list](MPxData& data) {
            unsigned int index = 0;
            return data.readASCII(list, index);
        }, error);
    }
    if (type == "string" || SceneBuilder::holdsString(*target.attr)) {
        if (values.size() != 1)
            return fail(error, "setAttr: \"" + target.text + "\" takes one string");
        return m_builder.setString(target, values[0].asString(), error);
    }
    std::vector<double> numbers(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        if (!toNumber(values[i], numbers[i]))
            return fail(error, "setAttr: \"" + values[i].asString() + "\" is not a number for \""
                                   + target.text + "\"");
    return m_builder.setNumbers(target, numbers, error);
}

bool AsciiSceneCommands::toNumber(const Value& value, double& out)
{
    if (value.isNumeric()) {
        out = value.asFloat();
        return true;
    }
    bool state = false;
    if (ArgumentConversion::toBool(value, state)) {
        out = state ? 1.0 : 0.0;
        return true;
    }
    const std::string text = value.asString();
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

// requires [-nodeType t] [-dataType t] plugin version
bool AsciiSceneCommands::requirePlugin(const Args& args, std::string* error)
{
    std::vector<std::string> positional;
    std::string ignored;
    for (size_t i = 0; i < args.size(); ++i) {
        if (isFlag(args[i], "nt", "nodeType") || isFlag(args[i], "dt", "dataType")) {
            if (!flagArgument(args, i, ignored, error))
                return false;
        } else {
            positional.push_back(args[i].asString());
        }
    }
    if (positional.empty())
        return fail(error, "requires: no plug-in was named");
    if (positional[0] != "maya" && positional[0] != "nbhost")
        m_builder.requirePlugin(positional[0]);
    return true;
}

bool AsciiSceneCommands::currentUnit(const Args& args, std::string* error)
{
    std::string linear, angle, time, ignored;
    for (size_t i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (isFlag(args[i], "l", "linear"))
            ok = flagArgument(args, i, linear, error);
        else if (isFlag(args[i], "a", "angle"))
            ok = flagArgument(args, i, angle, error);
        else if (isFlag(args[i], "t", "time"))
            ok = flagArgument(args, i, time, error);
        else if (isFlag(args[i], "ua", "updateAnimation"))
            ok = flagArgument(args, i, ignored, error);
        else
            return fail(error, "currentUnit: unexpected argument \"" + args[i].asString() + "\"");
        if (!ok)
            return false;
    }
    return m_builder.setUnits(linear, angle, time, error);
}

} // namespace nbhost
