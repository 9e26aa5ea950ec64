#include "core/ParsedArguments.h"

namespace nbhost {

const FlagUse* ParsedArguments::use(const std::string& flag, unsigned int i) const
{
    const FlagDefinition* definition = syntax.findFlag(flag);
    if (!definition)
        return nullptr;
    for (const FlagUse& use : flagUses)
        if (use.definition == definition && i-- == 0)
            return &use;
    return nullptr;
}

unsigned int ParsedArguments::useCount(const std::string& flag) const
{
    const FlagDefinition* definition = syntax.findFlag(flag);
    unsigned int count = 0;
    for (const FlagUse& use : flagUses)
        if (definition && use.definition == definition)
            ++count;
    return count;
}

} // namespace nbhost
