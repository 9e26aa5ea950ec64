#include "core/ParsedArguments.h"

namespace nbhost {

const FlagUse* ParsedArguments::use(const std::string& flag, unsigned int i) const
{
    const FlagSpec* spec = syntax.findFlag(flag);
    if (!spec)
        return nullptr;
    for (const FlagUse& use : flagUses)
        if (use.spec == spec && i-- == 0)
            return &use;
    return nullptr;
}

unsigned int ParsedArguments::useCount(const std::string& flag) const
{
    const FlagSpec* spec = syntax.findFlag(flag);
    unsigned int count = 0;
    for (const FlagUse& use : flagUses)
        if (spec && use.spec == spec)
            ++count;
    return count;
}

} // namespace nbhost
