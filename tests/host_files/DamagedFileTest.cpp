// Damaged, truncated and foreign files end with a clear error and leave the
// previous scene as it was; readers never trust a length.
#include "FileFixture.h"

#include "files/BinarySceneLayout.h"
#include "files/ByteWriter.h"
#include "files/Crc32.h"

#include <fstream>
#include <random>

namespace filetest {
namespace {

using Layout = nbhost::BinarySceneLayout;

class DamagedFileTest : public FileFixture
{
protected:
    // Saves the built scene under name, then makes the current scene a
    // different one to check that failed reads keep it.
    std::string prepare(const std::string& name)
    {
        buildScene();
        const std::string file = save(name);
        run("file -new -f; createNode transform -n keeper; setAttr keeper.tx 9");
        m_current = save("current.nba");
        m_expected = dump();
        return file;
    }

    // Opens bytes written to a file; a failed open must leave the scene and
    // its name alone.
    bool openBytes(const std::string& bytes, const std::string& context)
    {
        const std::string file = path("damaged");
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        output().clear();
        if (open(file))
            return true;
        EXPECT_NE(output().errors().find("Cannot open"), std::string::npos) << context;
        EXPECT_EQ(dump(), m_expected) << context;
        EXPECT_EQ(run("file -q -sceneName").asString(), m_current) << context;
        return false;
    }

    // Writes a binary scene from raw chunk bytes, with a correct checksum.
    static std::string binaryScene(const std::string& chunks)
    {
        nbhost::ByteWriter out;
        out.bytes(Layout::kMagic, sizeof Layout::kMagic);
        out.u32(Layout::kVersion);
        out.bytes(chunks.data(), chunks.size());
        const uint32_t crc = nbhost::Crc32::compute(out.data().data(), out.size());
        const size_t end = out.beginChunk(Layout::kEnd);
        out.u32(crc);
        out.endChunk(end);
        return out.data();
    }

    std::string m_current;
    std::string m_expected;
};

TEST_F(DamagedFileTest, EveryTruncationOfABinarySceneIsRefused)
{
    const std::string whole = nbtest::readFile(prepare("whole.nbb"));
    for (size_t size = 0; size < whole.size(); ++size)
        EXPECT_FALSE(openBytes(whole.substr(0, size), "cut at " + std::to_string(size)));
}

TEST_F(DamagedFileTest, TruncatedAsciiScenesAreRefusedUnlessOnlyTheEndLineIsCut)
{
    const std::string whole = nbtest::readFile(prepare("whole.nba"));
    const size_t lastLine = whole.rfind("// End of");
    for (size_t size = 0; size < whole.size(); ++size) {
        const bool opened = openBytes(whole.substr(0, size), "cut at " + std::to_string(size));
        EXPECT_EQ(opened, size >= lastLine + std::string("// End of ").size()) << "cut at " << size;
        if (opened) {
            ASSERT_TRUE(open(m_current));
        }
    }
}

TEST_F(DamagedFileTest, FlippedBytesNeverCrashAndBinaryScenesCatchThemAll)
{
    std::mt19937 random(20240611);
    for (const char* name : {"flip.nbb", "flip.nba"}) {
        const std::string whole = nbtest::readFile(prepare(name));
        const bool binary = std::string(name).find(".nbb") != std::string::npos;
        for (int round = 0; round < 150; ++round) {
            std::string bytes = whole;
            for (int flips = 1 + round % 3; flips > 0; --flips)
                bytes[random() % bytes.size()] ^= static_cast<char>(1 + random() % 255);
            const bool opened = openBytes(bytes, std::string(name) + " round " + std::to_string(round));
            EXPECT_FALSE(binary && opened);
            if (opened) {
                ASSERT_TRUE(open(m_current));
            }
        }
    }
}

TEST_F(DamagedFileTest, HugeLengthsBehindAValidChecksumAreRefused)
{
    prepare("unused.nbb");
    nbhost::ByteWriter node;
    size_t chunk = node.beginChunk(Layout::kNode);
    node.u32(0xFFFFFFF0u); // the type name's length
    node.endChunk(chunk);
    EXPECT_FALSE(openBytes(binaryScene(node.data()), "huge string"));

    nbhost::ByteWriter data;
    chunk = data.beginChunk(Layout::kNode);
    data.string("nbTestNode");
    data.string("n");
    data.string("");
    data.u8(0);
    data.u32(1);
    data.string("pl");
    data.u8(Layout::kData);
    data.u8(0);
    data.string("nbTestData");
    data.u32(0x7FFFFFFFu); // the value's length
    data.endChunk(chunk);
    EXPECT_FALSE(openBytes(binaryScene(data.data()), "huge data value"));

    nbhost::ByteWriter plugs;
    chunk = plugs.beginChunk(Layout::kNode);
    plugs.string("transform");
    plugs.string("t");
    plugs.string("");
    plugs.u8(0);
    plugs.u32(0xFFFFFFFFu); // plugs, none of which follow
    plugs.endChunk(chunk);
    EXPECT_FALSE(openBytes(binaryScene(plugs.data()), "huge plug count"));

    std::string longChunk = "NODE";
    longChunk += std::string("\xff\xff\xff\x7f", 4);
    EXPECT_FALSE(openBytes(binaryScene(longChunk), "huge chunk"));

    // The test type's own reader gets only the bytes of its value.
    nbhost::ByteWriter words;
    chunk = words.beginChunk(Layout::kNode);
    words.string("nbTestNode");
    words.string("n");
    words.string("");
    words.u8(0);
    words.u32(1);
    words.string("pl");
    words.u8(Layout::kData);
    words.u8(0);
    words.string("nbTestData");
    words.u32(8);
    words.u32(1);          // number
    words.u32(0x7FFFFFFF); // word count
    words.endChunk(chunk);
    EXPECT_FALSE(openBytes(binaryScene(words.data()), "huge word count"));
    EXPECT_NE(output().errors().find("nbTestData value of \"n.pl\" is damaged"), std::string::npos)
        << output().errors();
}

TEST_F(DamagedFileTest, ForeignFilesAndNewerFormatsAreRefusedClearly)
{
    prepare("unused.nba");
    EXPECT_FALSE(openBytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", "png"));
    EXPECT_FALSE(openBytes("hello world", "text"));
    EXPECT_FALSE(openBytes("", "empty"));
    EXPECT_NE(output().errors().find("it is empty"), std::string::npos);
    EXPECT_FALSE(openBytes("{{{{ \"unclosed", "broken script"));

    std::string newer = binaryScene("");
    newer[8] = 2;
    EXPECT_FALSE(openBytes(newer, "newer"));
    EXPECT_NE(output().errors().find("newer than this host reads"), std::string::npos) << output().errors();

    EXPECT_NE(failure("file -open -f \"" + path("missing.nba") + "\"").find("does not exist"), std::string::npos);
    EXPECT_NE(failure("file -open -f \"" + path("") + "\"").find("not a file"), std::string::npos);
    EXPECT_EQ(dump(), m_expected);
}

TEST_F(DamagedFileTest, AsciiScenesRunOnlySceneCommands)
{
    prepare("unused.nba");
    for (const char* script : {"quit -force;", "file -new -force;", "loadPlugin \"/tmp/evil.so\";",
                               "createNode transform -n a; unloadPlugin nbtestplugin;"}) {
        EXPECT_FALSE(openBytes(script, script));
        EXPECT_NE(output().errors().find("cannot be used in a scene file"), std::string::npos) << script;
    }
    EXPECT_FALSE(host().hasQuit());
    EXPECT_TRUE(nbhost::PluginManager::instance().find("nbtestplugin"));
}

TEST_F(DamagedFileTest, AFailedImportTakesBackWhatItAdded)
{
    prepare("unused.nba");
    const std::string file = path("bad.nba");
    std::ofstream(file) << "createNode transform -n first;\ncreateNode nbTestNode -n second -p first;\n"
                           "setAttr \".pl\" -type \"nbTestData\" 1 3 \"only one\";\n";
    const std::string errors = failure("file -import \"" + file + "\"");
    EXPECT_NE(errors.find("Nothing of it was added"), std::string::npos) << errors;
    EXPECT_NE(errors.find("nbTestData value of \"second.pl\" is damaged"), std::string::npos) << errors;
    EXPECT_EQ(dump(), m_expected);
}

} // namespace
} // namespace filetest
