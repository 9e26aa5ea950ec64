// Saving and opening give the scene back exactly, in both formats.
#include "FileFixture.h"

#include "files/BinarySceneLayout.h"

#include <cmath>
#include <limits>

namespace filetest {
namespace {

class RoundTripTest : public FileFixture
{
};

TEST_F(RoundTripTest, BothFormatsGiveTheSceneBackExactly)
{
    buildScene();
    const std::string before = dump();
    for (const char* name : {"scene.nba", "scene.nbb"}) {
        const std::string file = save(name);
        run("file -new -force");
        ASSERT_NE(dump(), before);
        ASSERT_TRUE(open(file)) << output().errors();
        EXPECT_EQ(dump(), before) << name;
        EXPECT_EQ(run("file -q -sceneName").asString(), file);
        EXPECT_EQ(output().errors(), "");
    }
    // The default cameras were reused, not duplicated.
    EXPECT_EQ(run("ls -type camera").asStringArray().size(), 5u);
}

TEST_F(RoundTripTest, SavingAnOpenedSceneWritesTheSameFile)
{
    buildScene();
    for (const char* name : {"first.nba", "first.nbb"}) {
        const std::string first = save(name);
        ASSERT_TRUE(open(first));
        const std::string second = save(std::string("second") + (name + 5));
        std::string a = nbtest::readFile(first), b = nbtest::readFile(second);
        // ASCII scenes name their file in two comment lines.
        for (std::string* text : {&a, &b})
            for (const char* prefix : {"first", "second"})
                for (size_t at; (at = text->find(prefix)) != std::string::npos;)
                    text->erase(at, std::string(prefix).size());
        EXPECT_EQ(a, b) << name;
    }
}

TEST_F(RoundTripTest, NumbersReadBackBitForBit)
{
    auto box = nbhost::Scene::instance().createNode("transform", "box", nullptr);
    const double values[] = {0.1 + 0.2, std::nextafter(1.0, 2.0), -2.5e-310, 1e300 * 10,
                             -std::numeric_limits<double>::infinity(), 123456789.125};
    const char* attrs[] = {"tx", "ty", "tz", "rx", "ry", "rz"};
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(box->setValue(*box->findAttribute(attrs[i]), nbhost::PlugValue::ofNumber(values[i])));
    const std::string before = dump();
    for (const char* name : {"numbers.nba", "numbers.nbb"}) {
        const std::string file = save(name);
        run("file -new -f");
        ASSERT_TRUE(open(file)) << output().errors();
        EXPECT_EQ(dump(), before) << name;
    }
}

TEST_F(RoundTripTest, TheTypeFlagOverridesTheExtensionAndReadsGoByContents)
{
    buildScene();
    const std::string before = dump();
    const std::string file = save("binary.nba", "nbBinary");
    EXPECT_EQ(nbtest::readFile(file).compare(0, 8, nbhost::BinarySceneLayout::kMagic, 8), 0);
    run("file -new -f");
    ASSERT_TRUE(open(file));
    EXPECT_EQ(dump(), before);
    EXPECT_NE(failure("file -save -type \"mayaBinary\"").find("unknown file type"), std::string::npos);
}

TEST_F(RoundTripTest, AHandWrittenSceneInTheHostsOwnWordsReads)
{
    ASSERT_TRUE(open(std::string(NB_TEST_DATA_DIR) + "/scenes/handwritten.nba")) << output().errors();
    EXPECT_EQ(run("getAttr ball.ty").asFloat(), 2.0);
    EXPECT_EQ(run("getAttr ball.v").asInt(), 0);
    EXPECT_EQ(run("getAttr stick.tx").asFloat(), -1.0);
    EXPECT_EQ(run("listRelatives -p stick").asStringArray(), std::vector<std::string>{"ball"});
    EXPECT_EQ(run("getAttr perspShape.fl").asFloat(), 85.0);
    EXPECT_EQ(run("currentUnit -q -time").asString(), "ntsc");
    EXPECT_NE(output().warnings().find("ball.noSuchAttribute"), std::string::npos);
}

} // namespace
} // namespace filetest
