#include "CommandTestBase.h"

#include <maya/MArgList.h>
#include <maya/MCommandResult.h>
#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "undo/UndoQueue.h"

namespace {

// Builds its result from its flags, in order: -i appends an int, -d a
// double, -s a string; -set replaces the result with one int.
class ResultCommand : public MPxCommand
{
public:
    static void* creator() { return new ResultCommand; }
    static MSyntax newSyntax()
    {
        MSyntax syntax;
        syntax.addFlag("-i", "-int", MSyntax::kLong);
        syntax.addFlag("-d", "-double", MSyntax::kDouble);
        syntax.addFlag("-s", "-string", MSyntax::kString);
        syntax.addFlag("-set", "-set", MSyntax::kLong);
        for (const char* flag : {"-i", "-d", "-s"})
            syntax.makeFlagMultiUse(flag);
        return syntax;
    }

    MStatus doIt(const MArgList& args) override
    {
        for (unsigned int i = 0; i + 1 < args.length(); i += 2) {
            const MString flag = args.asString(i);
            if (flag == "-i")
                appendToResult(args.asInt(i + 1));
            else if (flag == "-d")
                appendToResult(args.asDouble(i + 1));
            else if (flag == "-s")
                appendToResult(args.asString(i + 1));
            else
                setResult(args.asInt(i + 1));
        }
        return MStatus::kSuccess;
    }
};

class ResultTest : public CommandTest
{
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        host().commands().registerCommand("resultCmd", ResultCommand::creator, ResultCommand::newSyntax);
    }
};

} // namespace

TEST_F(ResultTest, AppendingBuildsArraysThatWidenToTheirContents)
{
    MIntArray ints;
    ASSERT_TRUE(MGlobal::executeCommand("resultCmd -i 1 -i 2", ints));
    EXPECT_EQ(ints.length(), 2u);

    MCommandResult result;
    ASSERT_TRUE(MGlobal::executeCommand("resultCmd -i 1 -d 0.5", result));
    EXPECT_EQ(result.resultType(), MCommandResult::kDoubleArray);
    MDoubleArray doubles;
    ASSERT_TRUE(result.getResult(doubles));
    ASSERT_EQ(doubles.length(), 2u);
    EXPECT_EQ(doubles[0], 1.0);
    EXPECT_EQ(doubles[1], 0.5);

    MStringArray strings;
    ASSERT_TRUE(MGlobal::executeCommand("resultCmd -i 3 -s x", strings));
    ASSERT_EQ(strings.length(), 2u);
    EXPECT_EQ(strings[0], MString("3"));
    EXPECT_EQ(MGlobal::executeCommandStringResult("resultCmd -i 3 -s x"), MString("3 x"));

    // A scalar followed by an append becomes a two-element array.
    ASSERT_TRUE(MGlobal::executeCommand("resultCmd -set 7 -i 8", ints));
    ASSERT_EQ(ints.length(), 2u);
    EXPECT_EQ(ints[0], 7);
    int scalar = 0;
    ASSERT_TRUE(MGlobal::executeCommand("resultCmd -i 1 -set 9", scalar));
    EXPECT_EQ(scalar, 9);
    ASSERT_TRUE(MGlobal::executeCommand("resultCmd", result));
    EXPECT_EQ(result.resultType(), MCommandResult::kInvalid);
}

TEST_F(CommandTest, RemovingACommandDropsTheUndoStepsItsCodeMade)
{
    ASSERT_TRUE(eval("testCmd -v 1; testCmd -v 2").ok);
    nbhost::CommandRegistry& registry = host().commands();
    EXPECT_EQ(registry.registerCommand("testCmd", TestCommand::creator), MStatus::kFailure);
    EXPECT_EQ(registry.deregisterCommand("testCmd", "someone else"), MStatus::kFailure);
    EXPECT_EQ(TestCommand::alive(), 2);
    EXPECT_TRUE(registry.deregisterCommand("testCmd", "tests"));
    EXPECT_EQ(TestCommand::alive(), 0) << "destroyed while the plug-in is still loaded";
    EXPECT_FALSE(host().undoQueue().canUndo());
    EXPECT_EQ(registry.deregisterCommand("testCmd", "tests"), MStatus::kNotFound);
    EXPECT_FALSE(eval("testCmd -v 1").ok);

    // Removing an unrelated command leaves the queue alone.
    registry.registerCommand("testCmd", TestCommand::creator, TestCommand::newSyntax, "tests");
    registry.registerCommand("other", TestCommand::creator, nullptr, "tests");
    ASSERT_TRUE(eval("testCmd -v 1").ok);
    EXPECT_TRUE(registry.deregisterCommand("other", "tests"));
    EXPECT_TRUE(host().undoQueue().canUndo());
}

TEST_F(CommandTest, CommandsWithoutSyntaxGetTheirArgumentsUnchecked)
{
    host().commands().registerCommand("rawCmd", TestCommand::creator);
    // No syntax registered: nothing is checked up front and the command's
    // own parsing (against an empty syntax) sees no flags.
    ASSERT_TRUE(eval("rawCmd -anything 1 2 3").ok);
    EXPECT_EQ(TestCommand::total, 0);
}
