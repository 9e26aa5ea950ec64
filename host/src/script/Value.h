#pragma once

#include <string>
#include <vector>

namespace nbhost {

// A value of the host's script language: a scalar or an array of int,
// float or string, or nothing (the result of a procedure without a return
// type, or of a command without a result).
class Value
{
public:
    enum class Type { Void, Int, Float, String, IntArray, FloatArray, StringArray };

    Value() = default;
    static Value fromInt(long long v);
    static Value fromFloat(double v);
    static Value fromString(std::string v);
    static Value fromIntArray(std::vector<long long> v);
    static Value fromFloatArray(std::vector<double> v);
    static Value fromStringArray(std::vector<std::string> v);

    Type type() const { return m_type; }
    bool isVoid() const { return m_type == Type::Void; }
    bool isArray() const;
    bool isNumeric() const { return m_type == Type::Int || m_type == Type::Float; }

    // Conversions as the language performs them: "12abc" reads as 12, a
    // float converted to int truncates toward zero, numbers print in the
    // language's own format.
    long long asInt() const;
    double asFloat() const;
    std::string asString() const;
    std::vector<long long> asIntArray() const;
    std::vector<double> asFloatArray() const;
    std::vector<std::string> asStringArray() const;

    // Converts to the given type (arrays convert element-wise).
    Value convertedTo(Type type) const;

    size_t arraySize() const;
    bool operator==(const Value& other) const;
    bool operator!=(const Value& other) const { return !(*this == other); }

    // Array elements. Reading past the end gives the element type's default
    // value; writing past the end grows the array with defaults. The value
    // written is converted to the element type.
    Value element(size_t index) const;
    void setElement(size_t index, const Value& v);
    void clearArray();

    static const char* typeName(Type type);
    static std::string formatFloat(double v);
    // int[] -> int and so on; scalars and Void map to themselves.
    static Type elementType(Type arrayType);
    // int -> int[] and so on; arrays and Void map to themselves.
    static Type arrayType(Type scalarType);
    // Zero, the empty string, or an array of `size` such elements.
    static Value defaultValue(Type type, size_t size = 0);

private:
    Type m_type = Type::Void;
    long long m_int = 0;
    double m_float = 0.0;
    std::string m_string;
    std::vector<long long> m_ints;
    std::vector<double> m_floats;
    std::vector<std::string> m_strings;
};

} // namespace nbhost
