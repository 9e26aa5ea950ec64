#pragma once

#include <functional>
#include <string>

namespace nbhost {

// Node names as the host forms them: letters, digits and underscores, not
// starting with a digit, unique in the scene. A requested name that is taken
// gets the next free number: "nibline" becomes "nibline1", and a name ending
// in digits counts on from them ("camera1" becomes "camera2").
class NodeNaming
{
public:
    // Replaces illegal characters by underscores and puts an underscore in
    // front of a leading digit. A name without any legal character gives
    // the empty string.
    static std::string legalize(const std::string& requested);
    // name itself when free, else the next free numbered form.
    static std::string unique(const std::string& name,
                              const std::function<bool(const std::string&)>& isTaken);
    // Whether a name may contain wildcard characters for matching.
    static bool hasWildcards(const std::string& pattern);
    // Glob match with '*' (any run) and '?' (any one character).
    static bool matches(const std::string& pattern, const std::string& name);
};

} // namespace nbhost
