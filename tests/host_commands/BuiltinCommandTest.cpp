#include "CommandTestBase.h"

#include <maya/MAnimControl.h>
#include <maya/MDoubleArray.h>
#include <maya/MGlobal.h>

#include "core/OptionVarStore.h"

#include <filesystem>

TEST_F(CommandTest, PlaybackRangeAndTimeFollowTheUiUnit)
{
    int* unitChanges = countEvent("timeUnitChanged");
    int* timeChanges = countEvent("timeChanged");
    EXPECT_EQ(queryString("playbackOptions -q -min"), "1");
    ASSERT_TRUE(eval("playbackOptions -min 10 -max 48; currentTime 12").ok);
    EXPECT_EQ(*timeChanges, 1);
    EXPECT_EQ(queryString("currentUnit -q -time"), "film");
    ASSERT_TRUE(eval("currentUnit -time ntsc").ok);
    EXPECT_EQ(*unitChanges, 1);
    EXPECT_EQ(queryString("currentUnit -q -t"), "ntsc");
    EXPECT_EQ(queryString("playbackOptions -q -maxTime"), "60");
    EXPECT_EQ(queryString("currentTime -q"), "15");
    EXPECT_FALSE(eval("currentUnit -time fortnight").ok);
    EXPECT_EQ(queryString("currentUnit -q -time"), "ntsc");
    EXPECT_FALSE(eval("currentUnit -t film -linear furlong").ok);
    EXPECT_EQ(queryString("currentUnit -q -time"), "ntsc") << "a bad unit changes nothing";
    ASSERT_TRUE(eval("currentUnit -l centimeter -a degree -t film").ok);
    EXPECT_EQ(queryString("currentUnit -q -linear"), "cm");
    EXPECT_EQ(*unitChanges, 2);
}

TEST_F(CommandTest, TimeSliderRangeDefaultsToTheCurrentFrame)
{
    MDoubleArray range;
    ASSERT_TRUE(eval("currentTime 7").ok);
    ASSERT_TRUE(MGlobal::executeCommand("timeControl -q -rangeArray $gPlayBackSlider", range));
    ASSERT_EQ(range.length(), 2u);
    EXPECT_DOUBLE_EQ(range[0], 7.0);
    EXPECT_DOUBLE_EQ(range[1], 8.0);
    EXPECT_EQ(queryString("timeControl -q -rangeVisible $gPlayBackSlider"), "0");

    ASSERT_TRUE(eval("timeControl -e -highlightedRange 5 9 $gPlayBackSlider").ok);
    ASSERT_TRUE(MGlobal::executeCommand("timeControl -q -rangeArray $gPlayBackSlider", range));
    EXPECT_DOUBLE_EQ(range[0], 5.0);
    EXPECT_DOUBLE_EQ(range[1], 9.0);
    EXPECT_EQ(queryString("timeControl -q -rangeVisible $gPlayBackSlider"), "1");
    ASSERT_TRUE(eval("timeControl -e -highlightedRange 4 4 $gPlayBackSlider").ok);
    EXPECT_EQ(queryString("timeControl -q -rangeVisible $gPlayBackSlider"), "0");

    EXPECT_FALSE(eval("timeControl -q -rangeArray someOtherSlider").ok);
}

TEST_F(CommandTest, OptionVarsAreKeptAndSavedAtOnce)
{
    ASSERT_TRUE(eval(R"(optionVar -iv "count" 3 -fv "ratio" 0.5 -sv "label" "two words")").ok);
    EXPECT_EQ(queryString("optionVar -q count"), "3");
    EXPECT_EQ(queryString("optionVar -q ratio"), "0.5");
    EXPECT_EQ(queryString("optionVar -q label"), "two words");
    EXPECT_EQ(queryString("optionVar -exists label"), "1");
    EXPECT_EQ(queryString("optionVar -q missing"), "0");
    ASSERT_TRUE(eval("optionVar -remove label").ok);
    EXPECT_EQ(queryString("optionVar -exists label"), "0");

    // A second store on the same file reads what the first wrote.
    nbhost::OptionVarStore reread(host().optionVars().filePath());
    EXPECT_EQ(reread.get("count").asInt(), 3);
    EXPECT_DOUBLE_EQ(reread.get("ratio").asFloat(), 0.5);
    EXPECT_FALSE(reread.exists("label"));
}

TEST(OptionVarStore, KeepsAwkwardStringsAndSkipsDamagedLines)
{
    nbtest::TempDir dir;
    const std::string path = dir.file("vars.txt");
    {
        nbhost::OptionVarStore store(path);
        store.set("tabs\tand\nlines", nbhost::Value::fromString("a\\b\tc\nd"));
        store.set("big", nbhost::Value::fromInt(1LL << 40));
    }
    {
        std::ofstream(path, std::ios::app) << "i\tbroken\tnot a number\nnonsense\n";
    }
    nbtest::OutputCapture output;
    nbhost::OptionVarStore store(path);
    EXPECT_EQ(store.get("tabs\tand\nlines").asString(), "a\\b\tc\nd");
    EXPECT_EQ(store.get("big").asInt(), 1LL << 40);
    EXPECT_FALSE(store.exists("broken"));
    EXPECT_NE(output.warnings().find("damaged"), std::string::npos);
}

TEST_F(CommandTest, HostFactsAndThePreferenceDirectory)
{
    EXPECT_EQ(queryString("about -batch"), "1");
    EXPECT_EQ(queryString("about -apiVersion"), "20200000");
    EXPECT_EQ(queryString("about -os"), "linux64");
    EXPECT_FALSE(eval("about").ok);
    const std::string dir = queryString("internalVar -userPrefDir");
    EXPECT_EQ(dir, prefsDir() + "/");
    std::filesystem::remove_all(prefsDir());
    EXPECT_EQ(queryString("internalVar -upd"), dir);
    EXPECT_TRUE(std::filesystem::is_directory(dir)) << "recreated when missing";
    EXPECT_EQ(queryString("$tempVar = $gPlayBackSlider"), nbhost::Host::kTimeControlName);
}

TEST_F(CommandTest, QuitFiresTheEventUnloadsAndStopsTheScript)
{
    int* quitEvents = countEvent("quitApplication");
    bool unloaded = false;
    host().setPluginUnloader([&] {
        EXPECT_EQ(*quitEvents, 1) << "the event comes before unloading";
        unloaded = true;
    });
    ASSERT_TRUE(eval("testCmd -v 1").ok);
    eval("quit -f -exitCode 3; testCmd -v 1");
    EXPECT_TRUE(unloaded);
    EXPECT_TRUE(host().hasQuit());
    EXPECT_EQ(host().exitCode(), 3);
    EXPECT_EQ(TestCommand::total, 1) << "nothing runs after quit";
    EXPECT_EQ(TestCommand::alive(), 0) << "the undo queue was emptied";
    EXPECT_EQ(output().errors(), "");
}
