#include "ScriptFixture.h"

namespace nbhost {

class CommandSyntaxTest : public ScriptTest
{
protected:
    CommandSyntaxTest()
    {
        host.addResult("cmd", Value::fromString("done"));
        host.addResult("ls", Value::fromStringArray({"persp", "top"}));
        host.addResult("noResult", Value());
    }

    const std::vector<Value>& lastArgs() const { return host.calls.back().args; }
};

TEST_F(CommandSyntaxTest, WordsAreTypedAsWritten)
{
    value("int $n = 3; cmd -flag 5 -0.5 -5 1e2 word \"quoted\" $n ($n + 1) |grp|node persp.tx;");
    EXPECT_EQ(lastArgs(), (std::vector<Value>{
                              Value::fromString("-flag"), Value::fromInt(5), Value::fromFloat(-0.5),
                              Value::fromInt(-5), Value::fromFloat(100), Value::fromString("word"),
                              Value::fromString("quoted"), Value::fromInt(3), Value::fromInt(4),
                              Value::fromString("|grp|node"), Value::fromString("persp.tx")}));
}

TEST_F(CommandSyntaxTest, FunctionSyntaxKeepsExpressionTypes)
{
    value("cmd(\"-flag\", \"5\", 5, 2.0 * 2);");
    EXPECT_EQ(lastArgs(), (std::vector<Value>{Value::fromString("-flag"), Value::fromString("5"),
                                              Value::fromInt(5), Value::fromFloat(4)}));
}

TEST_F(CommandSyntaxTest, ParenthesisedFirstWordStillMeansCommandSyntax)
{
    value("string $node = \"box\"; cmd ($node + \".v\") -lock on;");
    EXPECT_EQ(lastArgs(), (std::vector<Value>{Value::fromString("box.v"), Value::fromString("-lock"),
                                              Value::fromString("on")}));
    // While an operator after the call makes it an expression.
    EXPECT_EQ(value("cmd(1) + \"!\""), Value::fromString("done!"));
}

TEST_F(CommandSyntaxTest, ArraysExpandToTheirElements)
{
    value("string $objs[] = {\"a\", \"b\"}; cmd -sel $objs; cmd($objs, `ls`);");
    EXPECT_EQ(host.calls[0].args, (std::vector<Value>{Value::fromString("-sel"), Value::fromString("a"),
                                                      Value::fromString("b")}));
    EXPECT_EQ(lastArgs().size(), 4u);
    EXPECT_EQ(lastArgs()[3], Value::fromString("top"));
}

TEST_F(CommandSyntaxTest, BackquotesGiveTheCommandResult)
{
    EXPECT_EQ(value("string $r[] = `ls -type camera`; size($r)"), Value::fromInt(2));
    EXPECT_EQ(value("`ls`"), Value::fromStringArray({"persp", "top"}));
    EXPECT_EQ(value("$x = `cmd`"), Value::fromString("done"));
    EXPECT_EQ(host.calls[0].args, (std::vector<Value>{Value::fromString("-type"), Value::fromString("camera")}));
    EXPECT_NE(failure("string $s = `noResult`;").find("void"), std::string::npos);
}

TEST_F(CommandSyntaxTest, StatementsSpanLinesUntilTheSemicolon)
{
    value("cmd -label \"Draw\"\n    -command \"vxNiblineUtil -draw\"\n    item;\ncmd;");
    ASSERT_EQ(host.calls.size(), 2u);
    EXPECT_EQ(host.calls[0].args.size(), 5u);
    EXPECT_TRUE(host.calls[1].args.empty());
}

TEST_F(CommandSyntaxTest, FailedCommandsAreErrorsAndStopTheScript)
{
    host.addFailing("bad", "No object matches name: foo");
    EXPECT_EQ(failure("cmd;\nbad foo;\ncmd;"), "line 2: No object matches name: foo");
    EXPECT_EQ(host.calls.size(), 2u);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "line 2: No object matches name: foo");
}

TEST_F(CommandSyntaxTest, SelfReportedFailuresAreNotPrintedAgain)
{
    host.addFailing("quiet", "");
    EXPECT_FALSE(run("quiet;").ok);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(value("catch(`quiet`)"), Value::fromInt(1));
    EXPECT_TRUE(errors.empty());
}

TEST_F(CommandSyntaxTest, CommandsMayEvaluateScriptWhileTheyRun)
{
    // As MGlobal::executeCommand from inside a plug-in command does: the nested
    // evaluation prints its own error, the failed command does not repeat it.
    host.add("nested", [this](const std::vector<Value>& args) {
        EvalResult r = interpreter.evaluate(args.at(0).asString());
        return CommandOutcome{r.ok, r.value, {}};
    });
    EXPECT_EQ(value("int $outer = 1; nested \"$inner = 41; $inner + 1\""), Value::fromInt(42));
    EXPECT_EQ(failure("nested \"undefinedThing\"; print \"not reached\";"), "line 1: \"nested\" failed.");
    EXPECT_EQ(errors, (std::vector<std::string>{"line 1: Cannot find procedure \"undefinedThing\"."}));
    EXPECT_TRUE(printed.empty());
}

TEST_F(CommandSyntaxTest, AProcedureMayRedefineItselfWhileRunning)
{
    value("global proc again() { eval(\"global proc again() { print \\\"new\\\"; }\"); print \"old\"; }");
    value("again(); again();");
    EXPECT_EQ(printed, "oldnew");
}

TEST_F(CommandSyntaxTest, UnknownCommandsAreNotRun)
{
    EXPECT_EQ(failure("cmd;\nfoo -x 1;"), "line 2: Cannot find procedure \"foo\".");
    EXPECT_EQ(host.calls.size(), 1u);
}

TEST_F(CommandSyntaxTest, CatchReportsAndCatchQuietDoesNot)
{
    host.addFailing("bad", "it broke");
    EXPECT_EQ(value("catch(`bad`)"), Value::fromInt(1));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "line 1: it broke");
    EXPECT_EQ(value("catchQuiet(error(\"x\")) + catchQuiet(`cmd`)"), Value::fromInt(1));
    EXPECT_EQ(errors.size(), 1u);
    // The script goes on after a caught error.
    EXPECT_EQ(value("catch(unknownProc()); \"after\""), Value::fromString("after"));
}

TEST_F(CommandSyntaxTest, BuiltinsAndProceduresWorkInBothSyntaxes)
{
    value("global proc show(string $s, int $n) { print ($s + \":\" + $n + \"\\n\"); }");
    value("show \"a b\" 2; show(\"c\", 3.7); print `size \"four\"`;");
    EXPECT_EQ(printed, "a b:2\nc:3\n4");
    EXPECT_NE(failure("show \"only one\";").find("Wrong number of arguments on call to \"show\": expected 2, got 1"),
              std::string::npos);
}

} // namespace nbhost
