#pragma once

#include <maya/MSyntax.h>

#include <climits>
#include <string>
#include <vector>

namespace nbhost {

// One flag of a command's syntax; names are kept without the dash.
struct FlagDefinition
{
    std::string shortName;
    std::string longName;
    std::vector<MSyntax::MArgType> argTypes;
    bool multiUse = false;
    bool queryWithFullArgs = false;
    bool queryArgsOptional = false;

    bool matches(const std::string& name) const { return name == shortName || name == longName; }
};

// What an MSyntax holds.
struct SyntaxData
{
    std::vector<FlagDefinition> flags;
    std::vector<MSyntax::MArgType> commandArgs;
    MSyntax::MObjectFormat objectFormat = MSyntax::kNone;
    unsigned int minObjects = 0;
    unsigned int maxObjects = UINT_MAX;
    bool selectionAsDefault = false;
    bool queryEnabled = false;
    bool editEnabled = false;

    // Accepts the name with or without its leading dash.
    const FlagDefinition* findFlag(const std::string& name) const;
    FlagDefinition* findFlag(const std::string& name);
    // How many objects may follow; none unless an object format was set.
    unsigned int objectLimit() const;
};

} // namespace nbhost
