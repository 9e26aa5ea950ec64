#include "core/ArrayValues.h"

#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MStringArray.h>

namespace nbhost {

Value ArrayValues::toValue(const MIntArray& array)
{
    std::vector<long long> items;
    for (unsigned int i = 0; i < array.length(); ++i)
        items.push_back(array[i]);
    return Value::fromIntArray(std::move(items));
}

Value ArrayValues::toValue(const MDoubleArray& array)
{
    std::vector<double> items;
    for (unsigned int i = 0; i < array.length(); ++i)
        items.push_back(array[i]);
    return Value::fromFloatArray(std::move(items));
}

Value ArrayValues::toValue(const MStringArray& array)
{
    std::vector<std::string> items;
    for (unsigned int i = 0; i < array.length(); ++i)
        items.push_back(array[i].asChar());
    return Value::fromStringArray(std::move(items));
}

void ArrayValues::copy(const Value& value, MIntArray& array)
{
    array.clear();
    for (long long item : value.asIntArray())
        array.append(static_cast<int>(item));
}

void ArrayValues::copy(const Value& value, MDoubleArray& array)
{
    array.clear();
    for (double item : value.asFloatArray())
        array.append(item);
}

void ArrayValues::copy(const Value& value, MStringArray& array)
{
    array.clear();
    for (const std::string& item : value.asStringArray())
        array.append(item.c_str());
}

} // namespace nbhost
