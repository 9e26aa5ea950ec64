#include "core/ArgumentConversion.h"

#include "script/Value.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace nbhost {

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

bool ArgumentConversion::parseNumber(const std::string& text, double& out)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    double value = std::strtod(begin, &end);
    if (end == begin)
        return false;
    while (*end && std::isspace(static_cast<unsigned char>(*end)))
        ++end;
    if (*end || !std::isfinite(value))
        return false;
    out = value;
    return true;
}

bool ArgumentConversion::toDouble(const Value& value, double& out)
{
    switch (value.type()) {
    case Value::Type::Int:
    case Value::Type::Float:
        out = value.asFloat();
        return true;
    case Value::Type::String:
        return parseNumber(value.asString(), out);
    default:
        return false;
    }
}

bool ArgumentConversion::toInt(const Value& value, int& out)
{
    double number = 0.0;
    if (value.type() == Value::Type::Int) {
        long long v = value.asInt();
        if (v < INT_MIN || v > INT_MAX)
            return false;
        out = static_cast<int>(v);
        return true;
    }
    if (!toDouble(value, number) || number < INT_MIN || number > INT_MAX)
        return false;
    out = static_cast<int>(number); // truncates toward zero, as the language does
    return true;
}

bool ArgumentConversion::toUnsigned(const Value& value, unsigned int& out)
{
    double number = 0.0;
    if (!toDouble(value, number) || number < 0.0 || number > UINT_MAX)
        return false;
    out = static_cast<unsigned int>(number);
    return true;
}

bool ArgumentConversion::toBool(const Value& value, bool& out)
{
    if (value.type() == Value::Type::String) {
        const std::string word = lower(value.asString());
        if (word == "on" || word == "true" || word == "yes") {
            out = true;
            return true;
        }
        if (word == "off" || word == "false" || word == "no") {
            out = false;
            return true;
        }
    }
    double number = 0.0;
    if (!toDouble(value, number))
        return false;
    out = number != 0.0;
    return true;
}

bool ArgumentConversion::toString(const Value& value, std::string& out)
{
    if (value.isVoid() || value.isArray())
        return false;
    out = value.asString();
    return true;
}

bool ArgumentConversion::toMString(const Value& value, MString& out)
{
    std::string text;
    if (!toString(value, text))
        return false;
    out = text.c_str();
    return true;
}

bool ArgumentConversion::fits(const Value& value, MSyntax::MArgType type)
{
    bool b = false;
    int i = 0;
    unsigned int u = 0;
    double d = 0.0;
    std::string s;
    switch (type) {
    case MSyntax::kBoolean: return toBool(value, b);
    case MSyntax::kLong: return toInt(value, i);
    case MSyntax::kUnsigned: return toUnsigned(value, u);
    case MSyntax::kDouble:
    case MSyntax::kDistance:
    case MSyntax::kAngle:
    case MSyntax::kTime: return toDouble(value, d);
    case MSyntax::kString:
    case MSyntax::kSelectionItem: return toString(value, s);
    default: return false;
    }
}

const char* ArgumentConversion::typeName(MSyntax::MArgType type)
{
    switch (type) {
    case MSyntax::kBoolean: return "boolean";
    case MSyntax::kLong: return "int";
    case MSyntax::kUnsigned: return "unsigned int";
    case MSyntax::kDouble: return "float";
    case MSyntax::kDistance: return "linear";
    case MSyntax::kAngle: return "angle";
    case MSyntax::kTime: return "time";
    case MSyntax::kString: return "string";
    case MSyntax::kSelectionItem: return "object";
    default: return "unknown";
    }
}

} // namespace nbhost
