#pragma once

#include <string>
#include <vector>

namespace nbhost {

struct FlagDefinition;
struct ParsedArguments;
class Value;

// Parses a command's evaluated arguments against its syntax: flags by short
// or long name with their typed arguments, -e/-edit and -q/-query when the
// syntax enables them, then the command arguments and the objects. Flags
// may stand anywhere on the line.
class ArgumentParser
{
public:
    // `out.syntax` must be set. Returns false with `out.error` set when the
    // arguments do not fit.
    static bool parse(const std::vector<Value>& args, ParsedArguments& out);

    // A string of a dash followed by a letter: "-name", not "-5" or "-".
    static bool isFlagToken(const Value& value);

private:
    static void findModes(const std::vector<Value>& args, ParsedArguments& out);
    static bool isModeFlag(const std::string& name, const ParsedArguments& out);
    static bool readFlag(const std::vector<Value>& args, size_t& i, ParsedArguments& out);
    static bool readArgument(const std::vector<Value>& args, size_t i, const FlagDefinition& definition,
                             size_t k, const ParsedArguments& out);
    static bool splitPositional(std::vector<Value>& positional, ParsedArguments& out);
};

} // namespace nbhost
