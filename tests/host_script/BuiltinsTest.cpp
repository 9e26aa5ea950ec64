#include "ScriptFixture.h"

namespace nbhost {

using BuiltinsTest = ScriptTest;

TEST_F(BuiltinsTest, Tokenize)
{
    EXPECT_EQ(value("string $p[]; int $n = tokenize(\"  a b\\tc \", $p); $r = {$n, size($p)}"),
              Value::fromIntArray({3, 3}));
    EXPECT_EQ(value("string $q[]; tokenize \"|grp||node|\" \"|\" $q; $q"), Value::fromStringArray({"grp", "node"}));
    EXPECT_EQ(value("string $r[] = {\"old\"}; tokenize(\"\", $r); size($r)"), Value::fromInt(0));
    EXPECT_NE(failure("int $i[]; tokenize(\"a\", $i);").find("string array"), std::string::npos);
}

TEST_F(BuiltinsTest, RegularExpressions)
{
    EXPECT_EQ(value("match(\"[0-9]+\", \"frame0042.png\")"), Value::fromString("0042"));
    EXPECT_EQ(value("match(\"^[^|]*\", \"|a|b\")"), Value::fromString(""));
    EXPECT_EQ(value("match(\"[^|]*$\", \"|grp|node\")"), Value::fromString("node"));
    EXPECT_EQ(value("match(\"a.*b\", \"xaxbxbz\")"), Value::fromString("axbxb")); // greedy
    EXPECT_EQ(value("match(\"(ab)+c?\", \"zzababc\")"), Value::fromString("ababc"));
    EXPECT_EQ(value("match(\"cat|dog\", \"hotdog\")"), Value::fromString("dog"));
    EXPECT_EQ(value("match(\"\\\\.\", \"a.b\")"), Value::fromString("."));
    EXPECT_EQ(value("match(\"x\", \"abc\")"), Value::fromString(""));
    EXPECT_EQ(value("substitute(\"[0-9]+\", \"f12_34\", \"#\")"), Value::fromString("f#_34"));
    EXPECT_EQ(value("substitute(\"^\", \"abc\", \">\")"), Value::fromString(">abc"));
    EXPECT_EQ(value("substitute(\"q\", \"abc\", \"-\")"), Value::fromString("abc"));
    EXPECT_NE(failure("match(\"(a\", \"a\")").find("Invalid regular expression"), std::string::npos);
    EXPECT_NE(failure("match(\"*a\", \"a\")").find("nothing to repeat"), std::string::npos);
    EXPECT_NE(failure("match(\"[a\", \"a\")").find("missing \"]\""), std::string::npos);
}

TEST_F(BuiltinsTest, RegexOnLongTextNeitherRecursesNorBacktracks)
{
    interpreter.setGlobal("long", Value::fromString(std::string(200000, 'a') + "b"));
    EXPECT_EQ(value("global string $long; size(match(\"(a|aa)*b\", $long))"), Value::fromInt(200001));
    EXPECT_EQ(value("global string $long; size(match(\"(a*)*c\", $long))"), Value::fromInt(0));
}

TEST_F(BuiltinsTest, StringHelpers)
{
    EXPECT_EQ(value("$r = {strcmp(\"a\", \"b\"), strcmp(\"b\", \"b\"), strcmp(\"c\", \"b\")}"),
              Value::fromIntArray({-1, 0, 1}));
    EXPECT_EQ(value("toupper(\"Ab1\") + tolower(\"CD\")"), Value::fromString("AB1cd"));
    EXPECT_EQ(value("$r = {startsWith(\"persp\", \"per\"), endsWith(\"persp\", \"sp\"), endsWith(\"p\", \"persp\")}"),
              Value::fromIntArray({1, 1, 0}));
    EXPECT_EQ(value("stringArrayToString({\"a\", \"b\", \"c\"}, \", \")"), Value::fromString("a, b, c"));
    EXPECT_EQ(value("stringArrayContains(\"b\", {\"a\", \"b\"}) + stringArrayContains(\"z\", {\"a\"})"),
              Value::fromInt(1));
    EXPECT_EQ(value("size(\"hello\")"), Value::fromInt(5));
    EXPECT_EQ(value("substring(\"camera1\", 1, 6) + substring(\"abc\", 3, 99) + substring(\"abc\", 3, 2)"),
              Value::fromString("camerac"));
    EXPECT_NE(failure("size(3)").find("Wrong type of argument 1 on call to \"size\""), std::string::npos);
    EXPECT_NE(failure("toupper({\"a\"})").find("got string[]"), std::string::npos);
    EXPECT_NE(failure("strcmp(\"a\")").find("Wrong number of arguments on call to \"strcmp\""), std::string::npos);
}

TEST_F(BuiltinsTest, NumberHelpers)
{
    EXPECT_EQ(value("abs(-3)"), Value::fromInt(3));
    EXPECT_EQ(value("abs(-2.5)"), Value::fromFloat(2.5));
    EXPECT_EQ(value("floor(-1.5)"), Value::fromFloat(-2));
    EXPECT_EQ(value("ceil(1.2)"), Value::fromFloat(2));
}

TEST_F(BuiltinsTest, WarningAndErrorGoThroughTheOutput)
{
    value("warning \"careful\";");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "careful");
    EXPECT_EQ(value("catch(error(\"boom\"))"), Value::fromInt(1));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "boom");
}

} // namespace nbhost
