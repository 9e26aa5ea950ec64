#include "core/CommandRegistry.h"

namespace nbhost {

MStatus CommandRegistry::registerCommand(const std::string& name, MCreatorFunction creator,
                                         MCreateSyntaxFunction syntax, const std::string& owner)
{
    if (name.empty() || !creator)
        return MStatus::kInvalidParameter;
    if (m_commands.count(name))
        return MStatus::kFailure;
    m_commands[name] = CommandEntry{name, creator, syntax, owner};
    return MStatus::kSuccess;
}

MStatus CommandRegistry::deregisterCommand(const std::string& name, const std::string& owner)
{
    auto it = m_commands.find(name);
    if (it == m_commands.end())
        return MStatus::kNotFound;
    if (it->second.owner != owner)
        return MStatus::kFailure;
    if (m_deregisterHook)
        m_deregisterHook(name);
    m_commands.erase(name); // the hook may have changed the map
    return MStatus::kSuccess;
}

const CommandEntry* CommandRegistry::find(const std::string& name) const
{
    auto it = m_commands.find(name);
    return it == m_commands.end() ? nullptr : &it->second;
}

std::vector<std::string> CommandRegistry::names() const
{
    std::vector<std::string> result;
    for (const auto& entry : m_commands)
        result.push_back(entry.first);
    return result;
}

std::vector<std::string> CommandRegistry::namesOwnedBy(const std::string& owner) const
{
    std::vector<std::string> result;
    for (const auto& entry : m_commands)
        if (entry.second.owner == owner)
            result.push_back(entry.first);
    return result;
}

} // namespace nbhost
