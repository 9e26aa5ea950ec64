#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <gtest/gtest.h>

TEST(MString, AppendsNumbersAsTheHostWritesThem)
{
    MString s("frame ");
    s += 12;
    s += " at ";
    s += 0.5;
    EXPECT_STREQ(s.asChar(), "frame 12 at 0.5");
    EXPECT_EQ(MString("a") + 3, MString("a3"));
}

TEST(MString, SubstringEndIsInclusiveAndClamped)
{
    MString s("camera1");
    EXPECT_EQ(s.substring(0, 5), MString("camera"));
    EXPECT_EQ(s.substring(6, 100), MString("1"));
    EXPECT_TRUE(s.substring(4, 2).isEmpty());
}

TEST(MString, SplitDropsEmptyPieces)
{
    MStringArray parts;
    MString("|a||b|").split('|', parts);
    ASSERT_EQ(parts.length(), 2u);
    EXPECT_EQ(parts[0], MString("a"));
    EXPECT_EQ(parts[1], MString("b"));
}

TEST(MString, NumberChecks)
{
    EXPECT_TRUE(MString(" 42 ").isInt());
    EXPECT_FALSE(MString("4x").isInt());
    EXPECT_FALSE(MString("").isDouble());
    EXPECT_DOUBLE_EQ(MString("2.5").asDouble(), 2.5);
    EXPECT_EQ(MString("3.9").asInt(), 3);
}

TEST(MString, Utf8LengthCountsCharacters)
{
    MString s(L"h\u00e9llo");
    EXPECT_EQ(s.length(), 6u);
    EXPECT_EQ(s.numChars(), 5u);
}
