#include "script/Operators.h"

#include "script/ScriptError.h"

#include <climits>
#include <cmath>

namespace nbhost {

namespace {

using Type = Value::Type;

bool isArrayType(Type t)
{
    return t == Type::IntArray || t == Type::FloatArray || t == Type::StringArray;
}

// Integer arithmetic wraps around instead of overflowing.
long long wrap(unsigned long long v)
{
    return static_cast<long long>(v);
}

Value intArithmetic(BinaryOp op, long long a, long long b, int line)
{
    const auto ua = static_cast<unsigned long long>(a);
    const auto ub = static_cast<unsigned long long>(b);
    switch (op) {
    case BinaryOp::Add: return Value::fromInt(wrap(ua + ub));
    case BinaryOp::Sub: return Value::fromInt(wrap(ua - ub));
    case BinaryOp::Mul: return Value::fromInt(wrap(ua * ub));
    default: break;
    }
    if (b == 0)
        throw ScriptError(line, "Division by zero.");
    if (b == -1) // LLONG_MIN / -1 overflows
        return Value::fromInt(op == BinaryOp::Div ? wrap(0ULL - ua) : 0);
    return Value::fromInt(op == BinaryOp::Div ? a / b : a % b);
}

Value floatArithmetic(BinaryOp op, double a, double b, int line)
{
    switch (op) {
    case BinaryOp::Add: return Value::fromFloat(a + b);
    case BinaryOp::Sub: return Value::fromFloat(a - b);
    case BinaryOp::Mul: return Value::fromFloat(a * b);
    default: break;
    }
    if (b == 0.0)
        throw ScriptError(line, "Division by zero.");
    return Value::fromFloat(op == BinaryOp::Div ? a / b : std::fmod(a, b));
}

template <typename V>
bool compare(BinaryOp op, const V& a, const V& b)
{
    switch (op) {
    case BinaryOp::Eq: return a == b;
    case BinaryOp::Ne: return !(a == b);
    case BinaryOp::Lt: return a < b;
    case BinaryOp::Le: return !(b < a);
    case BinaryOp::Gt: return b < a;
    default: return !(a < b);
    }
}

Value comparison(BinaryOp op, const Value& a, const Value& b)
{
    const bool aString = a.type() == Type::String;
    const bool bString = b.type() == Type::String;
    const bool equality = op == BinaryOp::Eq || op == BinaryOp::Ne;
    bool result;
    if ((aString && bString) || (equality && (aString || bString)))
        result = compare(op, a.asString(), b.asString());
    else if (a.type() == Type::Int && b.type() == Type::Int)
        result = compare(op, a.asInt(), b.asInt());
    else
        result = compare(op, a.asFloat(), b.asFloat());
    return Value::fromInt(result ? 1 : 0);
}

void requireScalar(const Value& v, const char* what, int line)
{
    if (v.isVoid())
        throw ScriptError(line, std::string("Cannot use a value of type void with \"") + what + "\".");
    if (v.isArray())
        throw ScriptError(line, std::string("Cannot apply \"") + what + "\" to a value of type "
                                    + Value::typeName(v.type()) + ".");
}

} // namespace

Value Operators::binary(BinaryOp op, const Value& a, const Value& b, int line)
{
    requireScalar(a, symbol(op), line);
    requireScalar(b, symbol(op), line);
    switch (op) {
    case BinaryOp::Eq: case BinaryOp::Ne: case BinaryOp::Lt:
    case BinaryOp::Le: case BinaryOp::Gt: case BinaryOp::Ge:
        return comparison(op, a, b);
    case BinaryOp::And: case BinaryOp::Or:
        return Value::fromInt(op == BinaryOp::And ? isTrue(a, line) && isTrue(b, line)
                                                  : isTrue(a, line) || isTrue(b, line));
    default: break;
    }
    const bool strings = a.type() == Type::String || b.type() == Type::String;
    if (strings && op == BinaryOp::Add)
        return Value::fromString(a.asString() + b.asString());
    if (strings)
        throw ScriptError(line, std::string("Cannot apply \"") + symbol(op) + "\" to a string.");
    if (a.type() == Type::Int && b.type() == Type::Int)
        return intArithmetic(op, a.asInt(), b.asInt(), line);
    return floatArithmetic(op, a.asFloat(), b.asFloat(), line);
}

Value Operators::negate(const Value& v, int line)
{
    requireScalar(v, "-", line);
    if (v.type() == Type::Int)
        return Value::fromInt(wrap(0ULL - static_cast<unsigned long long>(v.asInt())));
    if (v.type() == Type::Float)
        return Value::fromFloat(-v.asFloat());
    throw ScriptError(line, "Cannot apply \"-\" to a string.");
}

bool Operators::isTrue(const Value& v, int line)
{
    if (v.isVoid() || v.isArray())
        throw ScriptError(line, std::string("Cannot use a value of type ") + Value::typeName(v.type())
                                    + " as a condition.");
    return v.type() == Type::Int ? v.asInt() != 0 : v.asFloat() != 0.0;
}

Value Operators::convertForStore(Value v, Value::Type type, int line)
{
    if (v.type() == type)
        return v;
    if (v.isVoid() || isArrayType(type) != v.isArray())
        throw ScriptError(line, std::string("Cannot convert data of type ") + Value::typeName(v.type())
                                    + " to type " + Value::typeName(type) + ".");
    return v.convertedTo(type);
}

Value Operators::arrayOf(const std::vector<Value>& elements, int line)
{
    Type element = Type::Int;
    for (const Value& v : elements) {
        if (v.isVoid() || v.isArray())
            throw ScriptError(line, std::string("An array literal cannot hold a value of type ")
                                        + Value::typeName(v.type()) + ".");
        if (v.type() == Type::String)
            element = Type::String;
        else if (v.type() == Type::Float && element == Type::Int)
            element = Type::Float;
    }
    if (elements.empty())
        element = Type::String;
    Value array = Value::defaultValue(Value::arrayType(element), elements.size());
    for (size_t i = 0; i < elements.size(); ++i)
        array.setElement(i, elements[i]);
    return array;
}

const char* Operators::symbol(BinaryOp op)
{
    switch (op) {
    case BinaryOp::Add: return "+";
    case BinaryOp::Sub: return "-";
    case BinaryOp::Mul: return "*";
    case BinaryOp::Div: return "/";
    case BinaryOp::Mod: return "%";
    case BinaryOp::Eq: return "==";
    case BinaryOp::Ne: return "!=";
    case BinaryOp::Lt: return "<";
    case BinaryOp::Le: return "<=";
    case BinaryOp::Gt: return ">";
    case BinaryOp::Ge: return ">=";
    case BinaryOp::And: return "&&";
    case BinaryOp::Or: return "||";
    }
    return "?";
}

} // namespace nbhost
