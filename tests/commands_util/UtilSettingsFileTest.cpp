// The utility command through the nbhost executable in batch mode: what it
// sets reaches nibline2.ini at the end of the run and is there at the next
// start; a script of panel flags ends instead of waiting for anyone.
#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

TEST(UtilSettingsFileTest, SettingsSurviveARestart)
{
    nbtest::TempDir prefs("nbutilprefs");
    const nbtest::ProcessResult first = nbtest::runHost(
        {"-batch", "-prefs", prefs.path(), "-command",
         "vxNiblineUtil -e -drawColor 10 20 30; vxNiblineUtil -e -ghostNext 1; vxNiblineUtil -e -gpc 7;"
         "vxNiblineUtil -e -tfd 2; vxNiblineUtil -lineOptions 33 44; vxNiblineUtil -e -gcp 1 2 3;"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const std::string ini = nbtest::readFile(prefs.file("nibline2.ini"));
    EXPECT_NE(ini.find("lineSize=33"), std::string::npos) << ini;
    EXPECT_NE(ini.find("timelineFrameDisplay=2"), std::string::npos) << ini;

    const nbtest::ProcessResult second = nbtest::runHost(
        {"-batch", "-prefs", prefs.path(), "-command",
         "int $c[] = `vxNiblineUtil -q -drawColor`; int $g[] = `vxNiblineUtil -q -gcp`;"
         "print($c[0] + \" \" + $c[1] + \" \" + $c[2] + \" \" + `vxNiblineUtil -q -ghostNext` + \" \""
         " + `vxNiblineUtil -q -gpc` + \" \" + `vxNiblineUtil -q -tfd` + \" \" + $g[2] + \"\\n\");"});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out, "10 20 30 1 7 2 3\n");
}

TEST(UtilSettingsFileTest, PanelFlagsInBatchEndTheRunWithAnError)
{
    nbtest::TempDir prefs("nbutilprefs");
    const nbtest::ProcessResult run = nbtest::runHost(
        {"-batch", "-prefs", prefs.path(), "-command",
         "catch(`vxNiblineUtil -about`); catch(`vxNiblineUtil -resetUI`); catch(`vxNiblineUtil -fvm \"\"`);"
         "catch(`vxNiblineUtil -preferences`); vxNiblineUtil -toolbox; print \"not reached\\n\";"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.find("not reached"), std::string::npos);
    EXPECT_NE(run.err.find("vxNiblineUtil -toolbox needs the interactive host"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("vxNiblineUtil -resetUI needs the interactive host"), std::string::npos) << run.err;
}

} // namespace
