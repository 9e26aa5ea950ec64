#pragma once

#include "script/Value.h"

#include <string>
#include <vector>

namespace nbhost {

// The interpreter's own commands that work on values alone: print, warning,
// error, size and the string and number helpers. (catch, clear, tokenize,
// eval and exists need the executor and live there.)
class Builtins
{
public:
    using Args = std::vector<const Value*>;

    static bool has(const std::string& name);

    // Checks the number and types of the arguments and runs the command.
    // Errors, including the error command itself, throw ScriptError.
    static Value call(const std::string& name, const Args& args, int line);

    // Splits at any of `separators`, dropping empty pieces.
    static std::vector<std::string> split(const std::string& text, const std::string& separators);
};

} // namespace nbhost
