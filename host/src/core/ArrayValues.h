#pragma once

#include "script/Value.h"

class MDoubleArray;
class MIntArray;
class MStringArray;

namespace nbhost {

// Converts between the interface's array classes and the script language's
// array values, for command arguments and results.
class ArrayValues
{
public:
    static Value toValue(const MIntArray& array);
    static Value toValue(const MDoubleArray& array);
    static Value toValue(const MStringArray& array);

    // Replaces the array's contents with the value's elements; the value
    // must hold an array of the matching type.
    static void copy(const Value& value, MIntArray& array);
    static void copy(const Value& value, MDoubleArray& array);
    static void copy(const Value& value, MStringArray& array);
};

} // namespace nbhost
