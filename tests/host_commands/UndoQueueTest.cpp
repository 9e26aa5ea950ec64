#include "CommandTestBase.h"

#include "undo/UndoQueue.h"

#include <stdexcept>

using nbhost::UndoQueue;

TEST_F(CommandTest, EachSuccessfulUndoableCommandIsOneStep)
{
    int* undoEvents = countEvent("Undo");
    int* redoEvents = countEvent("Redo");
    ASSERT_TRUE(eval("testCmd -v 2; testCmd -value 3").ok);
    EXPECT_EQ(TestCommand::total, 5);
    EXPECT_EQ(host().undoQueue().undoCount(), 2u);
    EXPECT_EQ(queryString("undoInfo -q -undoName"), "testCmd -value 3");

    ASSERT_TRUE(eval("undo").ok);
    EXPECT_EQ(TestCommand::total, 2);
    EXPECT_EQ(queryString("undoInfo -q -redoName"), "testCmd -value 3");
    ASSERT_TRUE(eval("undo; redo").ok);
    EXPECT_EQ(TestCommand::total, 2);
    EXPECT_EQ(*undoEvents, 2);
    EXPECT_EQ(*redoEvents, 1);
    EXPECT_EQ(TestCommand::alive(), 2) << "undo and redo reuse the same command objects";
}

TEST_F(CommandTest, FailuresNonUndoableCommandsAndUndoOffLeaveNoStep)
{
    EXPECT_FALSE(eval("testCmd -fail").ok);
    EXPECT_FALSE(eval("testCmd -v 1 -silentFail").ok);
    EXPECT_NE(output().errors().find("testCmd failed"), std::string::npos)
        << "a silent failure still gets a message";
    ASSERT_TRUE(eval("testCmd -noUndo -v 4").ok);
    ASSERT_TRUE(eval("testCmd -v 5", false).ok);
    EXPECT_EQ(TestCommand::total, 9);
    EXPECT_EQ(host().undoQueue().undoCount(), 0u);
    EXPECT_EQ(TestCommand::alive(), 0) << "commands that leave no step are destroyed at once";
    EXPECT_EQ(queryString("undoInfo -q -undoQueueEmpty"), "1");

    output().clear();
    ASSERT_TRUE(eval("undo").ok) << "an empty queue only warns";
    EXPECT_NE(output().warnings().find("no more commands to undo"), std::string::npos);
    ASSERT_TRUE(eval("redo").ok);
    EXPECT_NE(output().warnings().find("no more commands to redo"), std::string::npos);
}

TEST_F(CommandTest, ANewStepDestroysTheRedoSideAndFlushDestroysEverything)
{
    ASSERT_TRUE(eval("testCmd -v 1; testCmd -v 2; testCmd -v 4; undo; undo").ok);
    EXPECT_EQ(TestCommand::total, 1);
    EXPECT_EQ(TestCommand::alive(), 3);
    ASSERT_TRUE(eval("testCmd -v 10").ok);
    EXPECT_EQ(TestCommand::alive(), 2);
    EXPECT_EQ(queryString("undoInfo -q -redoQueueEmpty"), "1");
    EXPECT_EQ(TestCommand::total, 11);

    ASSERT_TRUE(eval("flushUndo").ok);
    EXPECT_EQ(TestCommand::alive(), 0);
    EXPECT_TRUE(eval("undo").ok);
    EXPECT_EQ(TestCommand::total, 11);
}

TEST_F(CommandTest, NestedCommandsAreRecordedLikeAnyOther)
{
    ASSERT_TRUE(eval("testCmd -v 2 -nested \"testCmd -v 5\"").ok);
    EXPECT_EQ(host().undoQueue().undoCount(), 2u);
    EXPECT_EQ(queryString("undoInfo -q -undoName"), "testCmd -v 2 -nested \"testCmd -v 5\"");
    ASSERT_TRUE(eval("undo; undo").ok);
    EXPECT_EQ(TestCommand::total, 0);
}

TEST_F(CommandTest, UndoStateAndLengthLimitTheQueue)
{
    ASSERT_TRUE(eval("testCmd -v 1; undoInfo -state off").ok);
    EXPECT_EQ(TestCommand::alive(), 0) << "turning undo off empties the queue";
    ASSERT_TRUE(eval("testCmd -v 1").ok);
    EXPECT_EQ(host().undoQueue().undoCount(), 0u);
    EXPECT_EQ(queryString("undoInfo -q -state"), "0");
    ASSERT_TRUE(eval("undoInfo -state on; undoInfo -length 2; testCmd -v 1; testCmd -v 1; testCmd -v 1").ok);
    EXPECT_EQ(host().undoQueue().undoCount(), 2u);
    EXPECT_EQ(TestCommand::alive(), 2) << "steps past the limit are destroyed";
}

TEST_F(CommandTest, ListenersOfUndoCannotWipeTheRedoSide)
{
    // An undoable command run from an Undo listener is not recorded.
    host().events().addEventListener("Undo", [] { MGlobal::executeCommand("testCmd -v 100", false, true); });
    ASSERT_TRUE(eval("testCmd -v 1; undo").ok);
    EXPECT_TRUE(host().undoQueue().canRedo());
    ASSERT_TRUE(eval("redo").ok);
    EXPECT_EQ(TestCommand::total, 101);
}

TEST(UndoQueue, AFlushAskedForDuringUndoWaitsUntilTheStepIsDone)
{
    nbtest::ScopedHost scoped;
    UndoQueue& queue = scoped.host().undoQueue();
    TestCommand::reset();

    // A command whose undoIt flushes the queue that holds it.
    struct FlushingCommand : TestCommand {
        UndoQueue* queue = nullptr;
        MStatus undoIt() override
        {
            queue->flush();
            return TestCommand::undoIt();
        }
    };
    auto command = std::make_unique<FlushingCommand>();
    command->queue = &queue;
    queue.push(std::move(command), "flushing", "flushing");
    EXPECT_TRUE(queue.undo());
    EXPECT_EQ(TestCommand::undone, 1);
    EXPECT_EQ(TestCommand::alive(), 0);
    EXPECT_FALSE(queue.canRedo());
}

TEST(UndoQueue, AStepThatThrowsFailsAndLeavesTheQueueUsable)
{
    nbtest::ScopedHost scoped;
    UndoQueue& queue = scoped.host().undoQueue();
    TestCommand::reset();

    struct ThrowingCommand : TestCommand {
        MStatus undoIt() override { throw std::runtime_error("broken undo"); }
    };
    queue.push(std::make_unique<TestCommand>(), "plain", "plain");
    queue.push(std::make_unique<ThrowingCommand>(), "throwing", "throwing");
    EXPECT_FALSE(queue.undo());
    EXPECT_NE(scoped.output()->errors().find("broken undo"), std::string::npos);
    EXPECT_FALSE(queue.isBusy());
    EXPECT_EQ(queue.undoName(), "throwing") << "the step stays put";

    queue.flush();
    EXPECT_EQ(TestCommand::alive(), 0) << "a flush is not left waiting";
}
