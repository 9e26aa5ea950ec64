#include "script/Builtins.h"

#include "core/Output.h"
#include "script/Regex.h"
#include "script/ScriptError.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <unordered_map>

namespace nbhost {

namespace {

// One invocation: the arguments with checked accessors.
struct Invocation
{
    const char* name;
    const Builtins::Args& args;
    int line;

    [[noreturn]] void wrongType(size_t i, const char* expected) const
    {
        throw ScriptError(line, "Wrong type of argument " + std::to_string(i + 1) + " on call to \""
                                    + name + "\": expected " + expected + ", got "
                                    + Value::typeName(args[i]->type()) + ".");
    }
    const Value& scalar(size_t i) const
    {
        if (args[i]->isArray() || args[i]->isVoid())
            wrongType(i, "a single value");
        return *args[i];
    }
    std::string string(size_t i) const { return scalar(i).asString(); }
    const Value& array(size_t i) const
    {
        if (!args[i]->isArray())
            wrongType(i, "an array");
        return *args[i];
    }
};

using Function = Value (*)(const Invocation&);

struct Entry
{
    size_t minArgs;
    size_t maxArgs;
    Function function;
};

Value yes(bool b)
{
    return Value::fromInt(b ? 1 : 0);
}

Value print(const Invocation& c)
{
    const Value& v = *c.args[0];
    if (!v.isArray()) {
        Output::write(Output::Kind::Print, v.asString());
        return Value();
    }
    std::string text; // one element per line
    for (const std::string& element : v.asStringArray())
        text += element + '\n';
    Output::write(Output::Kind::Print, text);
    return Value();
}

Value warning(const Invocation& c)
{
    Output::write(Output::Kind::Warning, c.string(0));
    return Value();
}

Value error(const Invocation& c)
{
    throw ScriptError(0, c.string(0));
}

Value size(const Invocation& c)
{
    const Value& v = *c.args[0];
    if (v.isArray())
        return Value::fromInt(static_cast<long long>(v.arraySize()));
    if (v.type() != Value::Type::String)
        c.wrongType(0, "an array or a string");
    return Value::fromInt(static_cast<long long>(v.asString().size()));
}

Value strcmpFunction(const Invocation& c)
{
    const int r = c.string(0).compare(c.string(1));
    return Value::fromInt(r < 0 ? -1 : r > 0 ? 1 : 0);
}

Value match(const Invocation& c)
{
    const std::string text = c.string(1);
    size_t start = 0, length = 0;
    if (!Regex(c.string(0), c.line).search(text, start, length))
        return Value::fromString(std::string());
    return Value::fromString(text.substr(start, length));
}

// Replaces the first match only.
Value substitute(const Invocation& c)
{
    std::string text = c.string(1);
    size_t start = 0, length = 0;
    if (Regex(c.string(0), c.line).search(text, start, length))
        text.replace(start, length, c.string(2));
    return Value::fromString(text);
}

template <int (*Convert)(int)>
Value changeCase(const Invocation& c)
{
    std::string s = c.string(0);
    for (char& ch : s)
        ch = static_cast<char>(Convert(static_cast<unsigned char>(ch)));
    return Value::fromString(s);
}

Value startsWith(const Invocation& c)
{
    const std::string s = c.string(0), prefix = c.string(1);
    return yes(s.compare(0, prefix.size(), prefix) == 0);
}

Value endsWith(const Invocation& c)
{
    const std::string s = c.string(0), suffix = c.string(1);
    return yes(s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0);
}

Value stringArrayToString(const Invocation& c)
{
    const std::vector<std::string> parts = c.array(0).asStringArray();
    const std::string separator = c.string(1);
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i)
        out += (i ? separator : std::string()) + parts[i];
    return Value::fromString(out);
}

Value stringArrayContains(const Invocation& c)
{
    const std::string item = c.string(0);
    const std::vector<std::string> all = c.array(1).asStringArray();
    return yes(std::find(all.begin(), all.end(), item) != all.end());
}

// 1-based, both ends included, clamped to the string.
Value substring(const Invocation& c)
{
    const std::string s = c.string(0);
    const long long first = std::max(1LL, c.scalar(1).asInt());
    const long long last = std::min(static_cast<long long>(s.size()), c.scalar(2).asInt());
    if (first > last)
        return Value::fromString(std::string());
    return Value::fromString(s.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1)));
}

Value absFunction(const Invocation& c)
{
    const Value& v = c.scalar(0);
    if (v.type() == Value::Type::Int) {
        const long long i = v.asInt();
        return Value::fromInt(i < 0 && i != LLONG_MIN ? -i : i);
    }
    return Value::fromFloat(std::fabs(v.asFloat()));
}

Value floorFunction(const Invocation& c)
{
    return Value::fromFloat(std::floor(c.scalar(0).asFloat()));
}

Value ceilFunction(const Invocation& c)
{
    return Value::fromFloat(std::ceil(c.scalar(0).asFloat()));
}

const std::unordered_map<std::string, Entry>& table()
{
    static const std::unordered_map<std::string, Entry> entries = {
        {"print", {1, 1, print}},
        {"warning", {1, 1, warning}},
        {"error", {1, 1, error}},
        {"size", {1, 1, size}},
        {"strcmp", {2, 2, strcmpFunction}},
        {"match", {2, 2, match}},
        {"substitute", {3, 3, substitute}},
        {"toupper", {1, 1, changeCase<std::toupper>}},
        {"tolower", {1, 1, changeCase<std::tolower>}},
        {"startsWith", {2, 2, startsWith}},
        {"endsWith", {2, 2, endsWith}},
        {"stringArrayToString", {2, 2, stringArrayToString}},
        {"stringArrayContains", {2, 2, stringArrayContains}},
        {"substring", {3, 3, substring}},
        {"abs", {1, 1, absFunction}},
        {"floor", {1, 1, floorFunction}},
        {"ceil", {1, 1, ceilFunction}},
    };
    return entries;
}

} // namespace

bool Builtins::has(const std::string& name)
{
    return table().count(name) != 0;
}

Value Builtins::call(const std::string& name, const Args& args, int line)
{
    const Entry& entry = table().at(name);
    if (args.size() < entry.minArgs || args.size() > entry.maxArgs)
        throw ScriptError(line, "Wrong number of arguments on call to \"" + name + "\".");
    return entry.function(Invocation{name.c_str(), args, line});
}

std::vector<std::string> Builtins::split(const std::string& text, const std::string& separators)
{
    std::vector<std::string> pieces;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t begin = text.find_first_not_of(separators, pos);
        if (begin == std::string::npos)
            break;
        size_t end = text.find_first_of(separators, begin);
        if (end == std::string::npos)
            end = text.size();
        pieces.push_back(text.substr(begin, end - begin));
        pos = end;
    }
    return pieces;
}

} // namespace nbhost
