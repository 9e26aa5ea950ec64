#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>

using nbtest::ProcessResult;
using nbtest::runHost;

namespace {

// A batch run without plug-ins and with a preference directory of its own.
ProcessResult batch(std::vector<std::string> args)
{
    static nbtest::TempDir prefs("nbbatch");
    args.insert(args.begin(), {"-batch", "-noplugin", "-prefs", prefs.path()});
    return runHost(args);
}

} // namespace

TEST(Batch, RunsACommandAndWritesPrintToStandardOutput)
{
    ProcessResult result = batch({"-command", "print \"hello\\n\"; print (1 + 2); warning \"careful\";"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "hello\n3");
    EXPECT_EQ(result.err, "// Warning: careful\n");
}

TEST(Batch, AnUncaughtScriptErrorEndsWithStatusOne)
{
    ProcessResult result = batch({"-command", "print \"before\\n\"; noSuchCommand; print \"after\\n\";"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "before\n");
    EXPECT_NE(result.err.find("// Error: "), std::string::npos);
    EXPECT_NE(result.err.find("noSuchCommand"), std::string::npos) << result.err;

    result = batch({"-command", "catch(`playbackOptions -foo`); print \"caught\\n\";"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "caught\n");
    EXPECT_NE(result.err.find("Invalid flag: -foo"), std::string::npos) << result.err;

    result = batch({"-command", "evalDeferred \"error \\\"later\\\"\"; print \"script\\n\";"});
    EXPECT_EQ(result.exitCode, 1) << "a deferred error is not caught either";
    EXPECT_NE(result.err.find("later"), std::string::npos) << result.err;
}

TEST(Batch, ScriptFileRunsBeforeTheCommandThenIdleWorkThenQuit)
{
    ProcessResult result = batch({"-script", NB_TEST_DATA_DIR "/batch/ordering.mel", "-command",
                                  "print \"command\\n\""});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "script\ncommand\ndeferred\nquitting\n");

    result = batch({"-script", NB_TEST_DATA_DIR "/batch/missing.mel"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot find file"), std::string::npos) << result.err;
}

TEST(Batch, QuitEndsTheRunWithItsExitCode)
{
    ProcessResult result = batch({"-command", "print \"a\\n\"; quit -f -exitCode 4; print \"b\\n\";"});
    EXPECT_EQ(result.exitCode, 4) << result.err;
    EXPECT_EQ(result.out, "a\n");
    EXPECT_EQ(result.err, "");
}

TEST(Batch, BadCommandLinesGiveUsageAndStatusTwo)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"-batch", "-bogus"}, {"-batch", "-command"}}) {
        ProcessResult result = runHost(args);
        EXPECT_EQ(result.exitCode, 2) << args.back();
        EXPECT_NE(result.err.find("usage: nbhost"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

TEST(Batch, WithoutBatchTheGuiHostRunsTheCommandOnceItIsUp)
{
    // Tests run on Qt's offscreen platform, so the window needs no display.
    ProcessResult result = runHost({"-noplugin", "-command", "print \"up\\n\"; quit -f"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("up"), std::string::npos) << result.out;
}

TEST(Batch, ASceneThatCannotOpenIsAnError)
{
    ProcessResult result = batch({"-file", "/nonexistent/scene.nba", "-command", "print \"ran\\n\""});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("// Error: "), std::string::npos) << result.err;
}

TEST(Batch, PreferenceDirectoryComesFromTheEnvironmentByDefault)
{
    nbtest::TempDir dir("nbenvprefs");
    setenv("NBHOST_PREFS_DIR", (dir.path() + "/sub").c_str(), 1);
    ProcessResult result = runHost({"-batch", "-noplugin", "-command", "print `internalVar -userPrefDir`"});
    unsetenv("NBHOST_PREFS_DIR");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, dir.path() + "/sub/");
}
