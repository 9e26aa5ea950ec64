#include "scene/NodeNaming.h"

#include <algorithm>
#include <cctype>

namespace nbhost {

std::string NodeNaming::legalize(const std::string& requested)
{
    // A name without a single legal character has nothing to keep.
    if (std::none_of(requested.begin(), requested.end(),
                     [](unsigned char c) { return std::isalnum(c) || c == '_'; }))
        return std::string();
    std::string name;
    for (unsigned char c : requested)
        name += std::isalnum(c) || c == '_' ? static_cast<char>(c) : '_';
    if (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0])))
        name.insert(name.begin(), '_');
    return name;
}

std::string NodeNaming::unique(const std::string& name,
                               const std::function<bool(const std::string&)>& isTaken)
{
    if (!isTaken(name))
        return name;
    size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
        --digits;
    const std::string base = name.substr(0, digits);
    // Count on from the trailing number; very long digit runs start over.
    unsigned long long number = 0;
    const std::string tail = name.substr(digits);
    if (!tail.empty() && tail.size() < 18)
        number = std::stoull(tail);
    for (;;) {
        const std::string candidate = base + std::to_string(++number);
        if (!isTaken(candidate))
            return candidate;
    }
}

bool NodeNaming::hasWildcards(const std::string& pattern)
{
    return pattern.find_first_of("*?") != std::string::npos;
}

bool NodeNaming::matches(const std::string& pattern, const std::string& name)
{
    // Iterative glob matching with backtracking to the last star.
    size_t p = 0, n = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace nbhost
