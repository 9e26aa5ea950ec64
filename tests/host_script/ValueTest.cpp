#include "script/Value.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace nbhost {

TEST(Value, StringsReadTheNumberTheyStartWith)
{
    EXPECT_EQ(Value::fromString("12abc").asInt(), 12);
    EXPECT_EQ(Value::fromString("abc").asInt(), 0);
    EXPECT_EQ(Value::fromString(" -3.7x").asInt(), -3);
    EXPECT_DOUBLE_EQ(Value::fromString("2.5e1 frames").asFloat(), 25.0);
    EXPECT_DOUBLE_EQ(Value::fromString(".5").asFloat(), 0.5);
    EXPECT_EQ(Value::fromString("0x10").asInt(), 0);
    EXPECT_EQ(Value::fromString("inf").asFloat(), 0.0);
    EXPECT_EQ(Value::fromString("1e999").asInt(), LLONG_MAX); // saturates, no overflow
}

TEST(Value, NumbersPrintAsTheLanguageDoes)
{
    EXPECT_EQ(Value::fromFloat(1.5).asString(), "1.5");
    EXPECT_EQ(Value::fromFloat(2.0).asString(), "2");
    EXPECT_EQ(Value::fromFloat(-0.0).asString(), "0");
    EXPECT_EQ(Value::fromFloat(1.0 / 3.0).asString(), "0.3333333333");
    EXPECT_EQ(Value::fromFloat(1e20).asString(), "1e+20");
    EXPECT_EQ(Value::fromInt(-42).asString(), "-42");
}

TEST(Value, FloatToIntTruncatesTowardZero)
{
    EXPECT_EQ(Value::fromFloat(2.9).asInt(), 2);
    EXPECT_EQ(Value::fromFloat(-2.9).asInt(), -2);
    EXPECT_EQ(Value::fromFloat(1e300).asInt(), LLONG_MAX);
    EXPECT_EQ(Value::fromFloat(std::nan("")).asInt(), 0);
}

TEST(Value, ArraysConvertElementWiseAndGrowOnWrite)
{
    Value a = Value::fromStringArray({"1", "2.5", "x"});
    EXPECT_EQ(a.convertedTo(Value::Type::IntArray), Value::fromIntArray({1, 2, 0}));
    EXPECT_EQ(Value::fromFloatArray({1.5, 2}).asStringArray(), (std::vector<std::string>{"1.5", "2"}));

    Value ints = Value::defaultValue(Value::Type::IntArray);
    ints.setElement(3, Value::fromString("7"));
    EXPECT_EQ(ints, Value::fromIntArray({0, 0, 0, 7}));
    EXPECT_EQ(ints.element(10), Value::fromInt(0));
    EXPECT_EQ(ints.arraySize(), 4u);
    EXPECT_NE(ints, Value::fromFloatArray({0, 0, 0, 7}));
}

} // namespace nbhost
