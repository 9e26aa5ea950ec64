#pragma once

#include "script/Ast.h"
#include "script/Value.h"

#include <vector>

namespace nbhost {

// The language's operators and implicit conversions on values. Errors
// (arrays in arithmetic, division by zero, an array stored into a scalar)
// throw ScriptError naming the given line.
class Operators
{
public:
    // Arithmetic and comparison; && and || are evaluated by the executor.
    static Value binary(BinaryOp op, const Value& a, const Value& b, int line);
    static Value negate(const Value& v, int line);
    static bool isTrue(const Value& v, int line);

    // Converts a value for storing into a variable, parameter or return
    // value of `type`: numbers and strings convert freely, arrays convert
    // element-wise, but scalars and arrays do not mix.
    static Value convertForStore(Value v, Value::Type type, int line);

    // The value of `{a, b, ...}`: a string array if any element is a
    // string, else a float array if any is a float, else an int array.
    static Value arrayOf(const std::vector<Value>& elements, int line);

    static const char* symbol(BinaryOp op);
};

} // namespace nbhost
