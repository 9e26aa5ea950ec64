#pragma once

#include <maya/MString.h>
#include <maya/MSyntax.h>

#include <string>

namespace nbhost {

class Value;

// Reads a command argument as a typed value. Numbers given as strings are
// accepted when the whole string is a number; booleans also read on/off,
// true/false and yes/no. Each returns false and leaves `out` alone when the
// value does not convert.
class ArgumentConversion
{
public:
    static bool toBool(const Value& value, bool& out);
    static bool toInt(const Value& value, int& out);
    static bool toUnsigned(const Value& value, unsigned int& out);
    static bool toDouble(const Value& value, double& out);
    static bool toString(const Value& value, std::string& out);
    static bool toMString(const Value& value, MString& out);

    // Whether the value can be read as an argument of the syntax type.
    static bool fits(const Value& value, MSyntax::MArgType type);
    // "int", "float", "string" ... as error messages name the types.
    static const char* typeName(MSyntax::MArgType type);

    // Text of a whole string that holds one number, with optional blanks.
    static bool parseNumber(const std::string& text, double& out);
};

} // namespace nbhost
