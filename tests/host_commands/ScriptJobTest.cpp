#include "CommandTestBase.h"

#include "events/ScriptJobs.h"

namespace {

int jobNumber(const nbhost::EvalResult& result)
{
    EXPECT_TRUE(result.ok) << result.error;
    return static_cast<int>(result.value.asInt());
}

} // namespace

TEST_F(CommandTest, EventJobsRunOnTheirEventUntilKilled)
{
    const int job = jobNumber(eval(R"(scriptJob -event "timeChanged" "print \"tick\\n\"")"));
    ASSERT_TRUE(eval("currentTime 5; currentTime 5; currentTime 6").ok);
    EXPECT_EQ(output().printed(), "tick\ntick\n") << "setting the same time is no change";
    EXPECT_EQ(queryString("scriptJob -exists " + std::to_string(job)), "1");
    ASSERT_TRUE(eval("scriptJob -kill " + std::to_string(job)).ok);
    EXPECT_EQ(queryString("scriptJob -exists " + std::to_string(job)), "0");
    ASSERT_TRUE(eval("currentTime 7").ok);
    EXPECT_EQ(output().printed(), "tick\ntick\n");

    EXPECT_FALSE(eval("scriptJob -kill " + std::to_string(job)).ok) << "killing it twice is an error";
    EXPECT_FALSE(eval(R"(scriptJob -e "noSuchEvent" "print 1")").ok);
    EXPECT_NE(output().errors().find("unknown event \"noSuchEvent\""), std::string::npos) << output().errors();
}

TEST_F(CommandTest, PlayingBackConditionJobsFollowThePlayingState)
{
    eval(R"(scriptJob -cc "playingBack" "print \"change\\n\"")");
    eval(R"(scriptJob -ct "playingBack" "print \"start\\n\"")");
    const int stopJob = jobNumber(eval(R"(scriptJob -conditionFalse "playingBack" "print \"stop\\n\"")"));
    ASSERT_TRUE(eval("play -state on; play -state on; play -state off").ok);
    EXPECT_EQ(output().printed(), "change\nstart\nchange\nstop\n");
    EXPECT_EQ(queryString("play -q -state"), "0");
    ASSERT_TRUE(eval("scriptJob -f -k " + std::to_string(stopJob)).ok);
    EXPECT_FALSE(eval(R"(scriptJob -cc "noCondition" "print 1")").ok);
}

TEST_F(CommandTest, ProtectedJobsNeedForceAndJobsMayKillThemselves)
{
    const int guarded = jobNumber(eval(R"(scriptJob -protected -e "Undo" "print \"undo\\n\"")"));
    EXPECT_FALSE(eval("scriptJob -kill " + std::to_string(guarded)).ok);
    EXPECT_TRUE(eval("scriptJob -kill " + std::to_string(guarded) + " -force").ok);

    // A job killing itself while it runs must not break the event.
    const int self = jobNumber(eval(R"(scriptJob -e "Redo" "scriptJob -kill 2; print \"once\\n\"")"));
    ASSERT_EQ(self, 2);
    ASSERT_TRUE(eval("testCmd -v 1; undo; redo; undo; redo").ok);
    EXPECT_EQ(output().printed(), "once\n");
    EXPECT_FALSE(host().scriptJobs().exists(self));
}
