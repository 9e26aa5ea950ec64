#include <maya/MArgList.h>

#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MStringArray.h>
#include <maya/MTime.h>

#include "core/ArgumentConversion.h"
#include "core/ArrayValues.h"
#include "script/Value.h"

#include <climits>

using nbhost::ArgumentConversion;
using nbhost::ArrayValues;
using nbhost::Value;

const unsigned int MArgList::kInvalidArgIndex = UINT_MAX;

namespace {

void report(MStatus* status, bool ok)
{
    if (status)
        *status = ok ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

std::string bareName(const char* name)
{
    std::string text = name ? name : "";
    return !text.empty() && text[0] == '-' ? text.substr(1) : text;
}

// Array arguments come either as one array value or as a count followed by
// that many scalars. Reads the elements as Values and moves index past them.
bool readElements(const std::vector<Value>& values, unsigned int& index, std::vector<Value>& out)
{
    if (index >= values.size())
        return false;
    const Value& first = values[index];
    if (first.isArray()) {
        for (size_t i = 0; i < first.arraySize(); ++i)
            out.push_back(first.element(i));
        ++index;
        return true;
    }
    unsigned int count = 0;
    if (!ArgumentConversion::toUnsigned(first, count) || count > values.size() - index - 1)
        return false;
    out.assign(values.begin() + index + 1, values.begin() + index + 1 + count);
    index += count + 1;
    return true;
}

template <typename Array, typename Element, typename Convert>
Array readArray(const std::vector<Value>& values, unsigned int& index, MStatus* status,
                Convert convert)
{
    Array result;
    std::vector<Value> elements;
    unsigned int next = index;
    bool ok = readElements(values, next, elements);
    for (const Value& element : elements) {
        Element item{};
        if (!convert(element, item)) {
            ok = false;
            break;
        }
        result.append(item);
    }
    if (ok)
        index = next;
    else
        result.clear();
    report(status, ok);
    return result;
}

} // namespace

MArgList::MArgList() : m_values(new std::vector<Value>) {}
MArgList::MArgList(const MArgList& other) : m_values(new std::vector<Value>(*other.m_values)) {}
MArgList::MArgList(const std::vector<Value>& values) : m_values(new std::vector<Value>(values)) {}
MArgList::~MArgList() = default;

MArgList& MArgList::operator=(const MArgList& other)
{
    if (this != &other)
        *m_values = *other.m_values;
    return *this;
}

unsigned int MArgList::length(MStatus* ReturnStatus) const
{
    report(ReturnStatus, true);
    return static_cast<unsigned int>(m_values->size());
}

bool MArgList::asBool(unsigned int index, MStatus* ReturnStatus) const
{
    bool result = false;
    report(ReturnStatus, index < m_values->size() &&
                             ArgumentConversion::toBool((*m_values)[index], result));
    return result;
}

int MArgList::asInt(unsigned int index, MStatus* ReturnStatus) const
{
    int result = 0;
    report(ReturnStatus, index < m_values->size() &&
                             ArgumentConversion::toInt((*m_values)[index], result));
    return result;
}

double MArgList::asDouble(unsigned int index, MStatus* ReturnStatus) const
{
    double result = 0.0;
    report(ReturnStatus, index < m_values->size() &&
                             ArgumentConversion::toDouble((*m_values)[index], result));
    return result;
}

MString MArgList::asString(unsigned int index, MStatus* ReturnStatus) const
{
    MString result;
    report(ReturnStatus, index < m_values->size() &&
                             ArgumentConversion::toMString((*m_values)[index], result));
    return result;
}

MTime MArgList::asTime(unsigned int index, MStatus* ReturnStatus) const
{
    return MTime(asDouble(index, ReturnStatus), MTime::uiUnit());
}

MIntArray MArgList::asIntArray(unsigned int& index, MStatus* ReturnStatus) const
{
    return readArray<MIntArray, int>(*m_values, index, ReturnStatus, ArgumentConversion::toInt);
}

MDoubleArray MArgList::asDoubleArray(unsigned int& index, MStatus* ReturnStatus) const
{
    return readArray<MDoubleArray, double>(*m_values, index, ReturnStatus,
                                           ArgumentConversion::toDouble);
}

MStringArray MArgList::asStringArray(unsigned int& index, MStatus* ReturnStatus) const
{
    return readArray<MStringArray, MString>(*m_values, index, ReturnStatus,
                                            ArgumentConversion::toMString);
}

unsigned int MArgList::flagIndex(const char* shortFlag, const char* longFlag) const
{
    const std::string shortName = bareName(shortFlag);
    const std::string longName = bareName(longFlag);
    for (size_t i = 0; i < m_values->size(); ++i) {
        const Value& value = (*m_values)[i];
        if (value.type() != Value::Type::String)
            continue;
        const std::string text = value.asString();
        if (text.size() < 2 || text[0] != '-')
            continue;
        const std::string name = text.substr(1);
        if ((!shortName.empty() && name == shortName) || (!longName.empty() && name == longName))
            return static_cast<unsigned int>(i);
    }
    return kInvalidArgIndex;
}

namespace {

template <typename T, typename Read>
MStatus getScalar(unsigned int& index, T& ret, Read read)
{
    MStatus status;
    T value = read(index, &status);
    if (status) {
        ret = value;
        ++index;
    }
    return status;
}

// The array readers move index themselves, and only on success.
template <typename T, typename Read>
MStatus getArray(unsigned int& index, T& ret, Read read)
{
    MStatus status;
    T value = read(index, &status);
    if (status)
        ret = value;
    return status;
}

} // namespace

MStatus MArgList::get(unsigned int& index, bool& ret) const
{
    return getScalar(index, ret, [this](unsigned int i, MStatus* s) { return asBool(i, s); });
}

MStatus MArgList::get(unsigned int& index, int& ret) const
{
    return getScalar(index, ret, [this](unsigned int i, MStatus* s) { return asInt(i, s); });
}

MStatus MArgList::get(unsigned int& index, double& ret) const
{
    return getScalar(index, ret, [this](unsigned int i, MStatus* s) { return asDouble(i, s); });
}

MStatus MArgList::get(unsigned int& index, MString& ret) const
{
    return getScalar(index, ret, [this](unsigned int i, MStatus* s) { return asString(i, s); });
}

MStatus MArgList::get(unsigned int& index, MTime& ret) const
{
    return getScalar(index, ret, [this](unsigned int i, MStatus* s) { return asTime(i, s); });
}

MStatus MArgList::get(unsigned int& index, MIntArray& ret) const
{
    return getArray(index, ret, [this](unsigned int& i, MStatus* s) { return asIntArray(i, s); });
}

MStatus MArgList::get(unsigned int& index, MDoubleArray& ret) const
{
    return getArray(index, ret, [this](unsigned int& i, MStatus* s) { return asDoubleArray(i, s); });
}

MStatus MArgList::get(unsigned int& index, MStringArray& ret) const
{
    return getArray(index, ret, [this](unsigned int& i, MStatus* s) { return asStringArray(i, s); });
}

MArgList& MArgList::addArg(bool arg)
{
    m_values->push_back(Value::fromInt(arg ? 1 : 0));
    return *this;
}

MArgList& MArgList::addArg(int arg)
{
    m_values->push_back(Value::fromInt(arg));
    return *this;
}

MArgList& MArgList::addArg(double arg)
{
    m_values->push_back(Value::fromFloat(arg));
    return *this;
}

MArgList& MArgList::addArg(const MString& arg)
{
    m_values->push_back(Value::fromString(arg.asChar()));
    return *this;
}

MArgList& MArgList::addArg(const MTime& arg)
{
    m_values->push_back(Value::fromFloat(arg.as(MTime::uiUnit())));
    return *this;
}

MArgList& MArgList::addArg(const MIntArray& arg)
{
    m_values->push_back(ArrayValues::toValue(arg));
    return *this;
}

MArgList& MArgList::addArg(const MDoubleArray& arg)
{
    m_values->push_back(ArrayValues::toValue(arg));
    return *this;
}

MArgList& MArgList::addArg(const MStringArray& arg)
{
    m_values->push_back(ArrayValues::toValue(arg));
    return *this;
}

const std::vector<Value>& MArgList::hostValues() const { return *m_values; }
