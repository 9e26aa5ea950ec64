#include "script/Value.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace nbhost {

namespace {

// The language reads the number a string starts with ("12abc" is 12,
// "abc" is 0). Hexadecimal, "inf" and "nan" are not numbers here.
double leadingNumber(const std::string& s)
{
    size_t i = 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
        ++i;
    const size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const size_t digitsStart = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        ++i;
    bool digits = i > digitsStart;
    if (i < s.size() && s[i] == '.') {
        size_t j = i + 1;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
            ++j;
        digits = digits || j > i + 1;
        i = j;
    }
    if (!digits)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
                ++j;
            i = j;
        }
    }
    return std::strtod(s.substr(start, i - start).c_str(), nullptr);
}

// Truncates toward zero; values outside the integer range saturate.
long long truncateToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 9.2233720368547758e18)
        return LLONG_MAX;
    if (v <= -9.2233720368547758e18)
        return LLONG_MIN;
    return static_cast<long long>(v);
}

long long stringToInt(const std::string& s)
{
    return truncateToInt(leadingNumber(s));
}

template <typename Out, typename In, typename F>
std::vector<Out> mapAll(const std::vector<In>& in, F f)
{
    std::vector<Out> out;
    out.reserve(in.size());
    for (const In& v : in)
        out.push_back(f(v));
    return out;
}

std::string join(const std::vector<std::string>& parts)
{
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i)
            out += ' ';
        out += parts[i];
    }
    return out;
}

} // namespace

Value Value::fromInt(long long v)
{
    Value r;
    r.m_type = Type::Int;
    r.m_int = v;
    return r;
}

Value Value::fromFloat(double v)
{
    Value r;
    r.m_type = Type::Float;
    r.m_float = v;
    return r;
}

Value Value::fromString(std::string v)
{
    Value r;
    r.m_type = Type::String;
    r.m_string = std::move(v);
    return r;
}

Value Value::fromIntArray(std::vector<long long> v)
{
    Value r;
    r.m_type = Type::IntArray;
    r.m_ints = std::move(v);
    return r;
}

Value Value::fromFloatArray(std::vector<double> v)
{
    Value r;
    r.m_type = Type::FloatArray;
    r.m_floats = std::move(v);
    return r;
}

Value Value::fromStringArray(std::vector<std::string> v)
{
    Value r;
    r.m_type = Type::StringArray;
    r.m_strings = std::move(v);
    return r;
}

bool Value::isArray() const
{
    return m_type == Type::IntArray || m_type == Type::FloatArray || m_type == Type::StringArray;
}

long long Value::asInt() const
{
    switch (m_type) {
    case Type::Int: return m_int;
    case Type::Float: return truncateToInt(m_float);
    case Type::String: return stringToInt(m_string);
    default: return 0;
    }
}

double Value::asFloat() const
{
    switch (m_type) {
    case Type::Int: return static_cast<double>(m_int);
    case Type::Float: return m_float;
    case Type::String: return leadingNumber(m_string);
    default: return 0.0;
    }
}

std::string Value::asString() const
{
    switch (m_type) {
    case Type::Int: return std::to_string(m_int);
    case Type::Float: return formatFloat(m_float);
    case Type::String: return m_string;
    case Type::Void: return std::string();
    default: return join(asStringArray());
    }
}

std::vector<long long> Value::asIntArray() const
{
    switch (m_type) {
    case Type::IntArray: return m_ints;
    case Type::FloatArray: return mapAll<long long>(m_floats, truncateToInt);
    case Type::StringArray: return mapAll<long long>(m_strings, stringToInt);
    case Type::Void: return {};
    default: return {asInt()};
    }
}

std::vector<double> Value::asFloatArray() const
{
    switch (m_type) {
    case Type::IntArray:
        return mapAll<double>(m_ints, [](long long v) { return static_cast<double>(v); });
    case Type::FloatArray: return m_floats;
    case Type::StringArray: return mapAll<double>(m_strings, leadingNumber);
    case Type::Void: return {};
    default: return {asFloat()};
    }
}

std::vector<std::string> Value::asStringArray() const
{
    switch (m_type) {
    case Type::IntArray:
        return mapAll<std::string>(m_ints, [](long long v) { return std::to_string(v); });
    case Type::FloatArray: return mapAll<std::string>(m_floats, formatFloat);
    case Type::StringArray: return m_strings;
    case Type::Void: return {};
    default: return {asString()};
    }
}

Value Value::convertedTo(Type type) const
{
    if (type == m_type)
        return *this;
    switch (type) {
    case Type::Int: return fromInt(asInt());
    case Type::Float: return fromFloat(asFloat());
    case Type::String: return fromString(asString());
    case Type::IntArray: return fromIntArray(asIntArray());
    case Type::FloatArray: return fromFloatArray(asFloatArray());
    case Type::StringArray: return fromStringArray(asStringArray());
    case Type::Void: break;
    }
    return Value();
}

size_t Value::arraySize() const
{
    switch (m_type) {
    case Type::IntArray: return m_ints.size();
    case Type::FloatArray: return m_floats.size();
    case Type::StringArray: return m_strings.size();
    default: return 0;
    }
}

bool Value::operator==(const Value& other) const
{
    if (m_type != other.m_type)
        return false;
    switch (m_type) {
    case Type::Void: return true;
    case Type::Int: return m_int == other.m_int;
    case Type::Float: return m_float == other.m_float;
    case Type::String: return m_string == other.m_string;
    case Type::IntArray: return m_ints == other.m_ints;
    case Type::FloatArray: return m_floats == other.m_floats;
    case Type::StringArray: return m_strings == other.m_strings;
    }
    return false;
}

Value Value::element(size_t index) const
{
    switch (m_type) {
    case Type::IntArray: return fromInt(index < m_ints.size() ? m_ints[index] : 0);
    case Type::FloatArray: return fromFloat(index < m_floats.size() ? m_floats[index] : 0.0);
    case Type::StringArray:
        return fromString(index < m_strings.size() ? m_strings[index] : std::string());
    default: return Value();
    }
}

void Value::setElement(size_t index, const Value& v)
{
    switch (m_type) {
    case Type::IntArray:
        if (index >= m_ints.size())
            m_ints.resize(index + 1, 0);
        m_ints[index] = v.asInt();
        break;
    case Type::FloatArray:
        if (index >= m_floats.size())
            m_floats.resize(index + 1, 0.0);
        m_floats[index] = v.asFloat();
        break;
    case Type::StringArray:
        if (index >= m_strings.size())
            m_strings.resize(index + 1);
        m_strings[index] = v.asString();
        break;
    default: break;
    }
}

void Value::clearArray()
{
    m_ints.clear();
    m_floats.clear();
    m_strings.clear();
}

const char* Value::typeName(Type type)
{
    switch (type) {
    case Type::Void: return "void";
    case Type::Int: return "int";
    case Type::Float: return "float";
    case Type::String: return "string";
    case Type::IntArray: return "int[]";
    case Type::FloatArray: return "float[]";
    case Type::StringArray: return "string[]";
    }
    return "void";
}

std::string Value::formatFloat(double v)
{
    if (std::isnan(v))
        return "nan";
    if (std::isinf(v))
        return v < 0 ? "-inf" : "inf";
    if (v == 0.0)
        return "0"; // also for -0
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", v);
    return buffer;
}

Value::Type Value::elementType(Type arrayType)
{
    switch (arrayType) {
    case Type::IntArray: return Type::Int;
    case Type::FloatArray: return Type::Float;
    case Type::StringArray: return Type::String;
    default: return arrayType;
    }
}

Value::Type Value::arrayType(Type scalarType)
{
    switch (scalarType) {
    case Type::Int: return Type::IntArray;
    case Type::Float: return Type::FloatArray;
    case Type::String: return Type::StringArray;
    default: return scalarType;
    }
}

Value Value::defaultValue(Type type, size_t size)
{
    switch (type) {
    case Type::Int: return fromInt(0);
    case Type::Float: return fromFloat(0.0);
    case Type::String: return fromString(std::string());
    case Type::IntArray: return fromIntArray(std::vector<long long>(size, 0));
    case Type::FloatArray: return fromFloatArray(std::vector<double>(size, 0.0));
    case Type::StringArray: return fromStringArray(std::vector<std::string>(size));
    case Type::Void: break;
    }
    return Value();
}

} // namespace nbhost
