#include "core/SyntaxData.h"

namespace nbhost {

namespace {

std::string withoutDash(const std::string& name)
{
    return !name.empty() && name[0] == '-' ? name.substr(1) : name;
}

} // namespace

const FlagDefinition* SyntaxData::findFlag(const std::string& name) const
{
    const std::string bare = withoutDash(name);
    if (bare.empty())
        return nullptr;
    for (const FlagDefinition& flag : flags)
        if (flag.matches(bare))
            return &flag;
    return nullptr;
}

FlagDefinition* SyntaxData::findFlag(const std::string& name)
{
    return const_cast<FlagDefinition*>(static_cast<const SyntaxData*>(this)->findFlag(name));
}

unsigned int SyntaxData::objectLimit() const
{
    if (objectFormat == MSyntax::kStringObjects || objectFormat == MSyntax::kSelectionList)
        return maxObjects;
    return 0;
}

} // namespace nbhost
