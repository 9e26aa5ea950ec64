#include "ScriptFixture.h"

#include "script/Lexer.h"

#include <climits>

namespace nbhost {

using LanguageTest = ScriptTest;

TEST_F(LanguageTest, ProceduresTakeTypedParametersAndReturnTypedValues)
{
    value("global proc float half(int $n) { return $n / 2.0; }"
          "global proc string[] pair(string $a, string $b) { return {$a, $b}; }"
          "proc int twice(int $n) { return $n * 2; }");
    EXPECT_EQ(value("half(3)"), Value::fromFloat(1.5));
    EXPECT_EQ(value("pair(\"x\", 4)"), Value::fromStringArray({"x", "4"}));
    // A procedure called in command syntax takes words as its arguments.
    EXPECT_EQ(value("half 5"), Value::fromFloat(2.5));
    EXPECT_EQ(value("`half 7`"), Value::fromFloat(3.5));
    // A local procedure is visible only to the text that defined it.
    EXPECT_NE(failure("twice(2)").find("Cannot find procedure \"twice\""), std::string::npos);
    EXPECT_TRUE(interpreter.hasProcedure("half"));
    EXPECT_FALSE(interpreter.hasProcedure("twice"));
}

TEST_F(LanguageTest, LocalProceduresStayCallableFromTheirGlobalOnes)
{
    value("proc string inner() { return \"inner\"; }"
          "global proc string outer() { return inner(); }");
    EXPECT_EQ(value("outer()"), Value::fromString("inner"));
}

TEST_F(LanguageTest, RecursionAndRedefinition)
{
    value("global proc int fib(int $n) { if ($n < 2) return $n; return fib($n - 1) + fib($n - 2); }");
    EXPECT_EQ(value("fib(15)"), Value::fromInt(610));
    value("global proc int fib(int $n) { return -1; }");
    EXPECT_EQ(value("fib(15)"), Value::fromInt(-1));
}

TEST_F(LanguageTest, TopLevelSeesGlobalsButProceduresMustDeclareThem)
{
    interpreter.setGlobal("$gPlayBackSlider", Value::fromString("timeControl1"));
    EXPECT_EQ(value("$tempVar = $gPlayBackSlider"), Value::fromString("timeControl1"));
    // Top-level variables persist between evaluations, as in the host's editor.
    EXPECT_EQ(value("$tempVar + \"!\""), Value::fromString("timeControl1!"));

    value("global proc string seen() { global string $gPlayBackSlider; return $gPlayBackSlider; }"
          "global proc string unseen() { return $gPlayBackSlider; }");
    EXPECT_EQ(value("seen()"), Value::fromString("timeControl1"));
    EXPECT_EQ(failure("unseen()"), "line 1: \"$gPlayBackSlider\" is an undeclared variable.");

    value("global proc bump() { global int $gCount; $gCount++; }");
    value("global int $gCount = 10; bump(); bump();");
    Value count;
    ASSERT_TRUE(interpreter.getGlobal("gCount", count));
    EXPECT_EQ(count, Value::fromInt(12));
    // A global is initialised once; a declaration of another type is refused.
    EXPECT_EQ(value("global int $gCount = 0; $gCount"), Value::fromInt(12));
    EXPECT_NE(failure("global string $gCount;").find("Invalid redeclaration"), std::string::npos);
}

TEST_F(LanguageTest, BlockVariablesAreLocalToTheirBlock)
{
    EXPECT_NE(failure("{ int $inside = 1; } $inside + 1").find("\"$inside\" is an undeclared variable"),
              std::string::npos);
    // A procedure's implicit variables do not leak into the top level.
    value("global proc leak() { $leaked = 3; }");
    EXPECT_NE(failure("leak(); print $leaked;").find("undeclared"), std::string::npos);
}

TEST_F(LanguageTest, ArraysGrowClearAndIterate)
{
    EXPECT_EQ(value("int $a[]; $a[3] = 7; $a"), Value::fromIntArray({0, 0, 0, 7}));
    EXPECT_EQ(value("int $b[] = {1, 2}; $b[5]"), Value::fromInt(0)); // reading past the end
    EXPECT_EQ(value("string $s[] = {\"a\", \"b\"}; clear($s); size($s)"), Value::fromInt(0));
    EXPECT_EQ(value("float $f[3]; size($f)"), Value::fromInt(3));
    EXPECT_EQ(value("$implicit[1] = \"x\"; $implicit"), Value::fromStringArray({"", "x"}));
    EXPECT_EQ(value("$mixed = {1, 2.5}; $mixed"), Value::fromFloatArray({1, 2.5}));
    EXPECT_EQ(value("string $out = \"\"; for ($w in {\"p\", \"q\"}) $out += $w; $out"),
              Value::fromString("pq"));
    EXPECT_EQ(value("string $typed = \"\"; for (string $t in {1, 2}) $typed += $t; $typed"), Value::fromString("12"));
    EXPECT_NE(failure("int $arr[]; for ($arr in {1}) {}").find("Cannot convert data of type int to type int[]"),
              std::string::npos);
    EXPECT_EQ(value("int $n[] = {1, 2, 3}; int $sum = 0;"
                    "for ($v in $n) { $n[size($n)] = 0; $sum += $v; } $sum"),
              Value::fromInt(6)); // the loop walks a copy
    EXPECT_NE(failure("int $x[]; $x[-1] = 1;").find("Array index -1 is out of range"), std::string::npos);
    EXPECT_NE(failure("int $x[]; $x[2000000000] = 1;").find("too large"), std::string::npos);
}

TEST_F(LanguageTest, ArrayParametersArePassedByReference)
{
    value("global proc fill(string $list[]) { $list[size($list)] = \"new\"; }");
    EXPECT_EQ(value("string $l[] = {\"old\"}; fill($l); $l"), Value::fromStringArray({"old", "new"}));
    // An array of another type is converted and the caller's array is untouched.
    EXPECT_EQ(value("int $i[] = {1}; fill($i); $i"), Value::fromIntArray({1}));
}

TEST_F(LanguageTest, LoopsWithBreakAndContinue)
{
    EXPECT_EQ(value("int $s = 0; for ($i = 0; $i < 10; $i++) { if ($i == 2) continue; if ($i == 5) break; $s += $i; } $s"),
              Value::fromInt(1 + 3 + 4));
    EXPECT_EQ(value("int $n = 0; while (1) { if (++$n >= 4) break; } $n"), Value::fromInt(4));
    EXPECT_EQ(value("int $d = 10; do { $d++; } while ($d < 5); $d"), Value::fromInt(11));
    EXPECT_EQ(value("int $c = 0; for (;;) { $c += 2; if ($c > 6) break; } $c"), Value::fromInt(8));
    EXPECT_EQ(value("int $j, $k; for ($j = 0, $k = 10; $j < $k; $j++, $k--); $j"), Value::fromInt(5));
}

TEST_F(LanguageTest, ConversionsAndArithmetic)
{
    EXPECT_EQ(value("7 / 2"), Value::fromInt(3));
    EXPECT_EQ(value("-7 / 2"), Value::fromInt(-3));
    EXPECT_EQ(value("7 % 3 + 7.0 / 2"), Value::fromFloat(4.5));
    EXPECT_EQ(value("int $i = 2.9; $i"), Value::fromInt(2));
    EXPECT_EQ(value("int $j = \"12abc\"; $j"), Value::fromInt(12));
    EXPECT_EQ(value("string $s = 1.5; $s"), Value::fromString("1.5"));
    EXPECT_EQ(value("\"n\" + 2.0 + 1"), Value::fromString("n21"));
    EXPECT_EQ(value("1 + 2 + \"x\""), Value::fromString("3x"));
    EXPECT_EQ(value("float $f = 1; $f += 1; $f"), Value::fromFloat(2));
    EXPECT_EQ(value("int $k = 5; $k /= 2; $k"), Value::fromInt(2));
    EXPECT_EQ(value("int $m = 1; $m *= 1.9; $m"), Value::fromInt(1));
    EXPECT_EQ(value("int $p = 3; $p-- + --$p"), Value::fromInt(3 + 1));
    EXPECT_EQ(value("-(2 + 3) * 2"), Value::fromInt(-10));
    EXPECT_EQ(value("1 < 2 && !(3 <= 2) || 0"), Value::fromInt(1));
    EXPECT_EQ(value("\"abc\" == \"abc\" && \"a\" < \"b\" && \"1\" == 1"), Value::fromInt(1));
    EXPECT_EQ(value("5 > 3 ? \"yes\" : \"no\""), Value::fromString("yes"));
    EXPECT_EQ(value("0 + on + true + yes + off"), Value::fromInt(3));
    EXPECT_EQ(value("0x10 + 1e1"), Value::fromFloat(26));
    EXPECT_EQ(value("9223372036854775807 + 1"), Value::fromInt(LLONG_MIN)); // wraps, no overflow
}

TEST_F(LanguageTest, ShortCircuitSkipsTheRightSide)
{
    host.addResult("sideEffect", Value::fromInt(1));
    value("0 && `sideEffect`; 1 || `sideEffect`;");
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(LanguageTest, StringEscapesAndComments)
{
    EXPECT_EQ(value("/* block\n comment */ \"a\\tb\\n\\\"q\\\"\\\\\\r\" // trailing"),
              Value::fromString("a\tb\n\"q\"\\\r"));
    // A line break inside the quotes stays in the string.
    EXPECT_EQ(value("\"two\nlines\" + 1"), Value::fromString("two\nlines1"));
    // Text the host quotes into the scripts it writes reads back unchanged.
    for (const std::string text : {"", "tab\there \"q\" a\\b\r\nend; -flag", "ends in \\", "\\\n"})
        EXPECT_EQ(value(Lexer::quote(text)), Value::fromString(text)) << Lexer::quote(text);
}

TEST_F(LanguageTest, ResultIsTheLastStatementEvaluated)
{
    host.addResult("about", Value::fromInt(1));
    EXPECT_EQ(value("int $x = 4; $x * 2;"), Value::fromInt(8));
    EXPECT_EQ(value("about -batch"), Value::fromInt(1));
    EXPECT_EQ(value("if (1) { \"inside\"; }"), Value::fromString("inside"));
    EXPECT_TRUE(value("global proc nothing() {} nothing();").isVoid());
    EXPECT_EQ(value("string $d = \"declared\";"), Value::fromString("declared"));
}

TEST_F(LanguageTest, EvalRunsAtTheTopLevel)
{
    EXPECT_EQ(value("eval(\"1 + 2\")"), Value::fromInt(3));
    value("global proc int local() { int $hidden = 1; return catchQuiet(eval(\"$hidden\")); }");
    EXPECT_EQ(value("local()"), Value::fromInt(1));
    value("eval \"global proc string madeByEval() { return \\\"ok\\\"; }\"");
    EXPECT_EQ(value("madeByEval()"), Value::fromString("ok"));
}

TEST_F(LanguageTest, PrintWritesArraysOneElementPerLine)
{
    value("print \"a\"; print(1.0); print({1, 2}); string $e[]; print $e;");
    EXPECT_EQ(printed, "a11\n2\n");
}

TEST_F(LanguageTest, ExistsKnowsProceduresBuiltinsAndCommands)
{
    host.addResult("ls", Value());
    value("global proc myProc() {}");
    EXPECT_EQ(value("exists(\"myProc\") + exists(\"size\") + exists(\"catch\") + `exists ls`"), Value::fromInt(4));
    EXPECT_EQ(value("exists(\"nothingLikeThis\")"), Value::fromInt(0));
    EXPECT_TRUE(interpreter.exists("ls"));
}

} // namespace nbhost
