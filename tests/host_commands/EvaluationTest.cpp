#include "CommandTestBase.h"

#include <maya/MCommandResult.h>
#include <maya/MDoubleArray.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>

#include "core/IdleQueue.h"

using nbhost::JournalSource;

TEST_F(CommandTest, TypedResultsCarryTheirTypesAndMismatchesFail)
{
    MCommandResult result;
    ASSERT_TRUE(MGlobal::executeCommand("testCmd -v 4", result));
    EXPECT_EQ(result.resultType(), MCommandResult::kInt);
    int i = 0;
    EXPECT_TRUE(result.getResult(i));
    EXPECT_EQ(i, 4);
    double d = -1.0;
    EXPECT_EQ(result.getResult(d), MStatus::kInvalidParameter);
    EXPECT_EQ(d, -1.0);

    ASSERT_TRUE(MGlobal::executeCommand("currentTime -q", result));
    EXPECT_EQ(result.resultType(), MCommandResult::kDouble);
    ASSERT_TRUE(MGlobal::executeCommand("timeControl -q -rangeArray $gPlayBackSlider", result));
    EXPECT_EQ(result.resultType(), MCommandResult::kDoubleArray);
    ASSERT_TRUE(MGlobal::executeCommand("about -version", result));
    EXPECT_EQ(result.resultType(), MCommandResult::kString);
    EXPECT_EQ(result.stringResult(), MString("2020"));

    EXPECT_TRUE(MGlobal::executeCommand("about -batch", i));
    EXPECT_EQ(i, 1);
    MString s("unchanged");
    EXPECT_FALSE(MGlobal::executeCommand("about -batch", s));
    EXPECT_EQ(s, MString("unchanged"));
    EXPECT_TRUE(MGlobal::executeCommand("playbackOptions -q -max", d));
    EXPECT_DOUBLE_EQ(d, 120.0);
    EXPECT_FALSE(MGlobal::executeCommand("playbackOptions -q -max", i));
    MDoubleArray range;
    EXPECT_TRUE(MGlobal::executeCommand("timeControl -q -rangeArray $gPlayBackSlider", range));
    EXPECT_EQ(range.length(), 2u);
    EXPECT_EQ(MGlobal::executeCommandStringResult("about -apiVersion"), MString("20200000"));
    EXPECT_FALSE(MGlobal::executeCommand("testCmd -fail", i));
    EXPECT_EQ(MGlobal::mayaState(), MGlobal::kBatch);
}

TEST_F(CommandTest, BadArgumentsAndUnknownCommandsAreErrorsAndNothingRuns)
{
    nbhost::EvalResult result = eval("testCmd -v 1 -foo");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("Invalid flag: -foo"), std::string::npos) << result.error;
    result = eval("testCmd -v");
    EXPECT_NE(result.error.find("Flag -v needs an argument of type int"), std::string::npos) << result.error;
    result = eval("testCmd extra");
    EXPECT_NE(result.error.find("Unexpected argument"), std::string::npos) << result.error;
    EXPECT_FALSE(eval("noSuchCommand -x").ok);
    EXPECT_EQ(TestCommand::created, 0);
    EXPECT_EQ(TestCommand::total, 0);
}

TEST_F(CommandTest, ResultsOfNestedCommandsStayApart)
{
    // The inner command's result must not leak into the outer one's.
    MCommandResult result;
    ASSERT_TRUE(MGlobal::executeCommand("testCmd -v 7 -nested \"about -version\"", result));
    int value = 0;
    EXPECT_TRUE(result.getResult(value));
    EXPECT_EQ(value, 7);
}

TEST_F(CommandTest, TheJournalRecordsWhatWasEvaluatedWithItsFlags)
{
    host().journal().clear();
    MGlobal::executeCommand("testCmd -v 1", true, true);
    MGlobal::executeCommand("testCmd -v 2", false, false);
    MGlobal::executeCommandOnIdle("testCmd -v 3", true);
    eval("evalDeferred \"testCmd -v 4\"");
    ASSERT_EQ(host().journal().entries().size(), 3u) << "idle work is recorded when it runs";
    host().processIdleQueue();

    const auto& entries = host().journal().entries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].text, "testCmd -v 1");
    EXPECT_TRUE(entries[0].display && entries[0].undo);
    EXPECT_EQ(entries[0].source, JournalSource::ExecuteCommand);
    EXPECT_FALSE(entries[1].display || entries[1].undo);
    EXPECT_EQ(entries[2].source, JournalSource::User);
    EXPECT_EQ(entries[3].text, "testCmd -v 3");
    EXPECT_EQ(entries[3].source, JournalSource::Idle);
    EXPECT_TRUE(entries[3].display);
    EXPECT_EQ(entries[4].source, JournalSource::Deferred);
    EXPECT_EQ(output().text(nbtest::OutputCapture::Kind::Echo), "testCmd -v 1\ntestCmd -v 3\n");
}

TEST_F(CommandTest, IdleAndDeferredWorkRunsAfterTheScriptInOrder)
{
    ASSERT_TRUE(eval(R"(global proc p(string $s) { print($s + "\n"); }
                        global proc queueNested() { p("first"); evalDeferred "p nested"; }
                        evalDeferred -lowestPriority "p low";
                        evalDeferred "queueNested";
                        p script;)")
                    .ok);
    MGlobal::executeCommandOnIdle("p idle");
    EXPECT_EQ(output().printed(), "script\n");
    EXPECT_EQ(host().processIdleQueue(), 4u);
    EXPECT_EQ(output().printed(), "script\nfirst\nidle\nnested\nlow\n");
    EXPECT_EQ(host().processIdleQueue(), 0u);
}

TEST(IdleQueue, EndlessRequeuingStopsWithAWarning)
{
    nbhost::IdleQueue queue;
    nbtest::OutputCapture output;
    int runs = 0;
    queue.enqueue({"again", false, JournalSource::Idle});
    const size_t ran = queue.drain(
        [&](const nbhost::IdleQueue::Item& item) {
            ++runs;
            queue.enqueue(item);
        },
        50);
    EXPECT_EQ(ran, 50u);
    EXPECT_EQ(runs, 50);
    EXPECT_EQ(queue.size(), 1u);
    EXPECT_NE(output.warnings().find("Idle queue"), std::string::npos);
}
