#include "core/ArgumentParser.h"

#include "core/ArgumentConversion.h"
#include "core/ParsedArguments.h"
#include "script/Value.h"

#include <cctype>

namespace nbhost {

namespace {

std::string quoted(const Value& value) { return "\"" + value.asString() + "\""; }

std::string flagName(const FlagDefinition& definition)
{
    return "-" + (definition.shortName.empty() ? definition.longName : definition.shortName);
}

bool alreadyUsed(const FlagDefinition* definition, const ParsedArguments& out)
{
    for (const FlagUse& use : out.flagUses)
        if (use.definition == definition)
            return true;
    return false;
}

std::string needsMessage(const FlagDefinition& definition, const std::string& given)
{
    std::string text = "Flag " + flagName(definition) + " needs ";
    if (definition.argTypes.size() == 1) {
        text += std::string("an argument of type ") + ArgumentConversion::typeName(definition.argTypes[0]);
    } else {
        text += std::to_string(definition.argTypes.size()) + " arguments of types ";
        for (size_t k = 0; k < definition.argTypes.size(); ++k)
            text += std::string(k ? ", " : "") + ArgumentConversion::typeName(definition.argTypes[k]);
    }
    return given.empty() ? text : text + ", not " + given;
}

} // namespace

bool ArgumentParser::isFlagToken(const Value& value)
{
    if (value.type() != Value::Type::String)
        return false;
    const std::string text = value.asString();
    return text.size() > 1 && text[0] == '-' && std::isalpha(static_cast<unsigned char>(text[1]));
}

bool ArgumentParser::isModeFlag(const std::string& name, const ParsedArguments& out)
{
    return (out.syntax.queryEnabled && (name == "q" || name == "query")) ||
           (out.syntax.editEnabled && (name == "e" || name == "edit"));
}

// Query mode changes how every other flag reads its arguments, so the mode
// flags are found before anything else.
void ArgumentParser::findModes(const std::vector<Value>& args, ParsedArguments& out)
{
    for (const Value& arg : args) {
        if (!isFlagToken(arg))
            continue;
        const std::string name = arg.asString().substr(1);
        if (out.syntax.queryEnabled && (name == "q" || name == "query"))
            out.query = true;
        if (out.syntax.editEnabled && (name == "e" || name == "edit"))
            out.edit = true;
    }
}

bool ArgumentParser::parse(const std::vector<Value>& args, ParsedArguments& out)
{
    findModes(args, out);
    if (out.edit && out.query) {
        out.error = "Edit and query flags cannot be used together";
        return false;
    }
    std::vector<Value> positional;
    for (size_t i = 0; i < args.size();) {
        if (!isFlagToken(args[i])) {
            positional.push_back(args[i++]);
        } else if (isModeFlag(args[i].asString().substr(1), out)) {
            ++i;
        } else if (!readFlag(args, i, out)) {
            return false;
        }
    }
    return splitPositional(positional, out);
}

// A string argument may start with a dash, unless it names one of the
// command's own flags: then the argument is missing.
bool ArgumentParser::readArgument(const std::vector<Value>& args, size_t i, const FlagDefinition& definition,
                                  size_t k, const ParsedArguments& out)
{
    if (i >= args.size())
        return false;
    const Value& arg = args[i];
    if (isFlagToken(arg) && (out.syntax.findFlag(arg.asString()) || isModeFlag(arg.asString().substr(1), out)))
        return false;
    return ArgumentConversion::fits(arg, definition.argTypes[k]);
}

bool ArgumentParser::readFlag(const std::vector<Value>& args, size_t& i, ParsedArguments& out)
{
    const std::string token = args[i].asString();
    const FlagDefinition* definition = out.syntax.findFlag(token);
    if (!definition) {
        out.error = "Invalid flag: " + token;
        return false;
    }
    if (!definition->multiUse && alreadyUsed(definition, out)) {
        out.error = "Flag " + flagName(*definition) + " can be used only once";
        return false;
    }
    size_t wanted = definition->argTypes.size();
    bool optional = false;
    if (out.query) {
        optional = definition->queryWithFullArgs && definition->queryArgsOptional;
        if (!definition->queryWithFullArgs)
            wanted = 0;
    }
    FlagUse use{definition, {}, static_cast<unsigned int>(i)};
    ++i;
    for (size_t k = 0; k < wanted; ++k, ++i) {
        if (readArgument(args, i, *definition, k, out)) {
            use.args.push_back(args[i]);
            continue;
        }
        if (optional && k == 0)
            break;
        const bool present = i < args.size() && !isFlagToken(args[i]);
        out.error = needsMessage(*definition, present ? quoted(args[i]) : "");
        return false;
    }
    out.flagUses.push_back(std::move(use));
    return true;
}

bool ArgumentParser::splitPositional(std::vector<Value>& positional, ParsedArguments& out)
{
    const std::vector<MSyntax::MArgType>& types = out.syntax.commandArgs;
    size_t count = std::min(types.size(), positional.size());
    if (count < types.size() && !out.query) {
        out.error = "Not enough arguments: " + std::to_string(types.size()) + " needed, " +
                    std::to_string(count) + " given";
        return false;
    }
    for (size_t k = 0; k < count; ++k) {
        if (!ArgumentConversion::fits(positional[k], types[k])) {
            out.error = "Argument " + std::to_string(k + 1) + " needs to be of type " +
                        ArgumentConversion::typeName(types[k]) + ", not " + quoted(positional[k]);
            return false;
        }
        out.commandArgs.push_back(positional[k]);
    }
    out.objects.assign(positional.begin() + count, positional.end());
    const unsigned int limit = out.syntax.objectLimit();
    if (out.objects.size() > limit) {
        out.error = limit == 0 ? "Unexpected argument: " + quoted(out.objects[0])
                               : "Too many objects: at most " + std::to_string(limit) + " allowed, " +
                                     std::to_string(out.objects.size()) + " given";
        return false;
    }
    if (out.objects.size() < out.syntax.minObjects && !out.syntax.selectionAsDefault && !out.query) {
        out.error = "Not enough objects: at least " + std::to_string(out.syntax.minObjects) +
                    " needed, " + std::to_string(out.objects.size()) + " given";
        return false;
    }
    return true;
}

} // namespace nbhost
