#include "ScriptFixture.h"

namespace nbhost {

using ErrorTest = ScriptTest;

TEST_F(ErrorTest, MessagesNameTheTextAndTheLine)
{
    EXPECT_EQ(failure("int $a = 1;\n\n foo($a);"), "line 3: Cannot find procedure \"foo\".");
    EXPECT_EQ(failure("if (1) {\n}\n}"), "line 3: Syntax error: unexpected \"}\"");
    EXPECT_EQ(failure("int $a;\nprint $b;"), "line 2: \"$b\" is an undeclared variable.");
    EXPECT_EQ(failure("string $s = \"open\nprint 1;\n"), "line 1: Syntax error: unterminated string");
    EXPECT_EQ(failure("int $a = (1 + 2;"), "line 1: Syntax error: unexpected \";\"");
    EXPECT_EQ(failure("{ print 1;"), "line 1: Syntax error: missing \"}\" at the end of the input");
    EXPECT_EQ(failure("/* never closed"), "line 1: Syntax error: unterminated comment");
    EXPECT_EQ(failure("1 / 0"), "line 1: Division by zero.");
    EXPECT_EQ(failure("int $a[] = {1}; int $b = $a;"),
              "line 1: Cannot convert data of type int[] to type int.");
    EXPECT_EQ(failure("string $s = \"x\"; $s++;"), "line 1: Cannot apply \"++\" to a value of type string.");
    EXPECT_EQ(failure("\"a\" - 1"), "line 1: Cannot apply \"-\" to a string.");
    EXPECT_EQ(failure("break;"), "line 1: Syntax error: \"break\" outside of a loop");
    EXPECT_EQ(failure("switch ($x) {}"), "line 1: Syntax error: \"switch\" is not supported");
    EXPECT_EQ(failure("error \"custom text\";"), "custom text");
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.back(), "custom text");
}

TEST_F(ErrorTest, StrayBytesNeitherHangNorCrash)
{
    EXPECT_EQ(value(std::string("size a\0b", 8)), Value::fromInt(3));
    EXPECT_NE(failure(std::string("1 +\0", 4)).find("Syntax error: unexpected"), std::string::npos);
    EXPECT_NE(failure("int $x = 5 @ 3;").find("Syntax error: unexpected \"@\""), std::string::npos);
    EXPECT_NE(failure("cmd $node.tx;").find("unexpected \".\" after \"$node\""), std::string::npos);
}

TEST_F(ErrorTest, ProcedureArgumentsAreChecked)
{
    value("global proc takesArray(string $a[]) {}\n"
          "global proc int typed() { return 1; }");
    EXPECT_EQ(failure("takesArray(\"x\");"),
              "line 1: Wrong type of argument 1 on call to \"takesArray\": expected string[], got string.");
    EXPECT_EQ(failure("typed(1);"), "line 1: Wrong number of arguments on call to \"typed\": expected 0, got 1.");
    EXPECT_EQ(failure("global proc int bad() { return; }"),
              "line 1: Syntax error: procedure \"bad\" must return a int value");
    EXPECT_EQ(failure("global proc none() { return 1; }"),
              "line 1: Syntax error: procedure \"none\" has no return type and cannot return a value");
    EXPECT_EQ(failure("global proc print() {}"), "line 1: Cannot redefine the built-in command \"print\".");
    EXPECT_EQ(failure("if (1) { global proc nested() {} }"),
              "line 1: Syntax error: procedures can only be defined at the top level");
}

TEST_F(ErrorTest, ErrorsInsideProceduresNameTheirLineAndFile)
{
    EXPECT_TRUE(interpreter.evaluate("global proc broken()\n{\n    missingThing;\n}", "menu.mel").ok);
    EXPECT_EQ(failure("broken();"), "file: menu.mel line 3: Cannot find procedure \"missingThing\".");
}

TEST_F(ErrorTest, NothingRunsAfterAnErrorNorWhenTheTextDoesNotParse)
{
    host.addResult("cmd", Value());
    failure("cmd; error \"stop\"; cmd;");
    EXPECT_EQ(host.calls.size(), 1u);
    failure("cmd; cmd; $;");
    EXPECT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(errors.size(), 2u); // each error printed once
}

TEST_F(ErrorTest, DeepRecursionIsAnErrorNotACrash)
{
    value("global proc int down(int $n) { return down($n + 1); }");
    EXPECT_NE(failure("down(0);").find("Maximum call depth exceeded on call to \"down\""), std::string::npos);
    value("$s = \"eval($s)\";");
    EXPECT_NE(failure("eval($s)").find("Maximum call depth exceeded"), std::string::npos);
    // The interpreter is usable afterwards.
    EXPECT_EQ(value("1 + 1"), Value::fromInt(2));
}

TEST_F(ErrorTest, AbsurdNestingIsASyntaxError)
{
    const std::string parens = std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_NE(failure(parens).find("nested too deeply"), std::string::npos);
    std::string chain = "1";
    for (int i = 0; i < 5000; ++i)
        chain += " + 1";
    EXPECT_NE(failure(chain).find("too long"), std::string::npos);
    std::string blocks = std::string(5000, '{') + std::string(5000, '}');
    EXPECT_NE(failure(blocks).find("nested too deeply"), std::string::npos);
}

} // namespace nbhost
