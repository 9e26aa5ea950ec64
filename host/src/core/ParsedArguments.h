#pragma once

#include "core/SyntaxData.h"
#include "script/Value.h"

#include <string>
#include <vector>

namespace nbhost {

// One use of a flag on a command line, with the arguments it took.
struct FlagUse
{
    const FlagDefinition* definition = nullptr; // points into ParsedArguments::syntax
    std::vector<Value> args;
    unsigned int position = 0;      // index of the flag in the argument list
};

// A command line parsed against a syntax: what MArgParser answers from.
struct ParsedArguments
{
    SyntaxData syntax;
    bool edit = false;
    bool query = false;
    std::vector<FlagUse> flagUses;
    std::vector<Value> commandArgs;
    std::vector<Value> objects;
    std::string error; // empty when the arguments fit the syntax

    ParsedArguments() = default;
    ParsedArguments(const ParsedArguments&) = delete;
    ParsedArguments& operator=(const ParsedArguments&) = delete;

    // The i-th use of the flag, or null.
    const FlagUse* use(const std::string& flag, unsigned int i = 0) const;
    unsigned int useCount(const std::string& flag) const;
};

} // namespace nbhost
