// Damaged and truncated scenes load what can be read, with an error for
// each piece that cannot and one warning at the end; files that are not
// scenes are refused and leave the previous scene as it was; readers never
// trust a length.
#include "FileFixture.h"

#include "files/BinarySceneLayout.h"
#include "files/ByteReader.h"
#include "files/ByteWriter.h"

#include <fstream>
#include <map>
#include <random>

namespace filetest {
namespace {

using Layout = nbhost::BinarySceneLayout;

// Where a node's record lies in a saved file.
struct Record
{
    std::string node;
    size_t end;
};

class DamagedFileTest : public FileFixture
{
protected:
    // Saves the built scene (with two nodes after the plug-in node) under
    // name, keeps its dump by node, then makes the current scene a different
    // one to check that refused reads keep it.
    std::string prepare(const std::string& name)
    {
        buildScene();
        run("createNode transform -n tail; setAttr tail.tx 3; createNode transform -n last -p tail;");
        const std::string file = save(name);
        m_whole = blocks();
        run("file -new -f; createNode transform -n keeper; setAttr keeper.tx 9");
        m_current = save("current.nba");
        m_expected = dump();
        return file;
    }

    // Opens bytes written to a file, from the current scene. A refused file
    // must leave the scene and its name alone; an opened damaged one must
    // say so once.
    bool openBytes(const std::string& bytes, const std::string& context)
    {
        if (run("file -q -sceneName").asString() != m_current) {
            EXPECT_TRUE(open(m_current));
        }
        const std::string file = path("damaged");
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        output().clear();
        if (!open(file)) {
            EXPECT_NE(output().errors().find("Cannot open"), std::string::npos) << context;
            EXPECT_EQ(dump(), m_expected) << context;
            EXPECT_EQ(run("file -q -sceneName").asString(), m_current) << context;
            return false;
        }
        const std::string warnings = output().text(nbtest::OutputCapture::Kind::Warning);
        const bool warned = warnings.find("Errors occurred while reading") != std::string::npos;
        EXPECT_EQ(warned, !output().errors().empty()) << context << "\n" << output().errors();
        EXPECT_EQ(warnings.find("Errors occurred"), warnings.rfind("Errors occurred")) << context;
        return true;
    }

    // The scene's dump, one block per node, by node name.
    std::map<std::string, std::string> blocks()
    {
        std::map<std::string, std::string> result;
        std::istringstream in(dump());
        std::string line, node;
        while (std::getline(in, line)) {
            if (line.rfind("  ", 0) != 0)
                node = line.substr(line.find(' ') + 1, line.find(" <") - line.find(' ') - 1);
            result[node] += line + "\n";
        }
        return result;
    }

    // Every node whose record ends at or before the cut is there as saved.
    void expectRecordsBefore(size_t cut, const std::vector<Record>& records, const std::string& context)
    {
        const auto now = blocks();
        for (const Record& record : records) {
            if (record.end > cut)
                break;
            auto found = now.find(record.node);
            ASSERT_NE(found, now.end()) << context << ": " << record.node << " is missing";
            EXPECT_EQ(found->second, m_whole.at(record.node)) << context;
        }
    }

    // A text scene's node records: each runs from its createNode to the next.
    static std::vector<Record> textRecords(const std::string& text)
    {
        std::vector<Record> records;
        for (size_t at = text.find("\ncreateNode "); at != std::string::npos; at = text.find("\ncreateNode ", at + 1)) {
            if (!records.empty())
                records.back().end = at + 1;
            const size_t name = text.find("-n \"", at) + 4;
            records.push_back({text.substr(name, text.find('"', name) - name), 0});
        }
        records.back().end = text.find("// End of");
        return records;
    }

    // A binary scene's node records: its NODE chunks.
    static std::vector<Record> binaryRecords(const std::string& bytes)
    {
        std::vector<Record> records;
        nbhost::ByteReader in(bytes.data() + Layout::kHeaderSize, bytes.size() - Layout::kHeaderSize,
                              Layout::kHeaderSize);
        const char* tag = nullptr;
        uint32_t length = 0;
        nbhost::ByteReader payload(nullptr, 0);
        while (in.bytes(4, tag) && in.u32(length) && in.sub(length + 4, payload)) {
            std::string type, name;
            if (std::string(tag, 4) == "NODE" && payload.string(type) && payload.string(name))
                records.push_back({name, in.position()});
        }
        return records;
    }

    // A binary scene of the first format from raw chunk bytes: no checksum
    // after each chunk, one over the whole file in its end chunk.
    static std::string firstFormatScene(const std::string& chunks)
    {
        std::string out(Layout::kMagic, sizeof Layout::kMagic);
        out += std::string("\x01\0\0\0", 4) + chunks;
        const uint32_t crc = nbhost::ByteWriter::checksum(out.data(), out.size());
        out += "ENDS" + std::string("\x04\0\0\0", 4);
        for (int i = 0; i < 4; ++i)
            out += static_cast<char>((crc >> (8 * i)) & 0xFF);
        return out;
    }

    // A binary scene of the current format around chunks made with ByteWriter.
    static std::string binaryScene(const nbhost::ByteWriter& chunks)
    {
        nbhost::ByteWriter out;
        out.bytes(Layout::kMagic, sizeof Layout::kMagic);
        out.u32(Layout::kVersion);
        out.bytes(chunks.data().data(), chunks.size());
        out.endChunk(out.beginChunk(Layout::kEnd));
        return out.data();
    }

    std::map<std::string, std::string> m_whole;
    std::string m_current;
    std::string m_expected;
};

TEST_F(DamagedFileTest, CutScenesKeepEveryRecordBeforeTheCut)
{
    for (const char* name : {"whole.nba", "whole.nbb"}) {
        const std::string whole = nbtest::readFile(prepare(name));
        const bool binary = std::string(name) == "whole.nbb";
        const std::vector<Record> records = binary ? binaryRecords(whole) : textRecords(whole);
        ASSERT_GE(records.size(), 8u) << name;
        for (size_t cut = 0; cut < whole.size(); cut += 11) {
            const std::string context = std::string(name) + " cut at " + std::to_string(cut);
            if (!openBytes(whole.substr(0, cut), context)) {
                EXPECT_LT(cut, records.front().end) << context;
                continue;
            }
            if (cut < records.back().end) {
                EXPECT_NE(output().errors().find("cut short"), std::string::npos) << context << output().errors();
            }
            expectRecordsBefore(cut, records, context);
        }
    }
}

TEST_F(DamagedFileTest, ADamagedDataRecordKeepsWhatItsReaderRead)
{
    // Text: the value claims more words than it holds; the words before the
    // damage stay, the error names the line, and the nodes after it load.
    std::string text = nbtest::readFile(prepare("data.nba"));
    const size_t value = text.find("\"nbTestData\" 7 4 ");
    ASSERT_NE(value, std::string::npos) << text;
    text[value + 15] = '9';
    const int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + value, '\n'));
    ASSERT_TRUE(openBytes(text, "text"));
    EXPECT_NE(output().errors().find("line " + std::to_string(line) + ": setAttr: the nbTestData value of "
                                     "\"note.pl\" is damaged: its data type could not read all of it"),
              std::string::npos)
        << output().errors();
    EXPECT_EQ(run("getAttr tail.tx").asFloat(), 3.0);
    auto now = blocks();
    EXPECT_NE(now["note"].find("payload = data 7 5 \"plain\""), std::string::npos) << now["note"];

    // Binary: a damaged byte inside the value fails its record's checksum;
    // the records before it load whole, the damaged one as far as it goes.
    std::string bytes = nbtest::readFile(prepare("data.nbb"));
    const std::vector<Record> records = binaryRecords(bytes);
    const size_t plain = bytes.find("plain");
    ASSERT_NE(plain, std::string::npos);
    bytes[plain + 2] ^= 0x20;
    ASSERT_TRUE(openBytes(bytes, "binary"));
    EXPECT_NE(output().errors().find("a node record fails its checksum; it was read as far as it goes and what "
                                     "followed was lost"),
              std::string::npos)
        << output().errors();
    expectRecordsBefore(plain, records, "binary");
    EXPECT_FALSE(run("objExists tail").asInt());
}

TEST_F(DamagedFileTest, AFailingCommandIsReportedWithItsLineAndTheRestLoads)
{
    prepare("unused.nba");
    const std::string text = "createNode transform -n first;\n"
                             "createNode noSuchType -n lost;\n"
                             "setAttr \".tx\" 4;\n"
                             "setAttr first.ty \"not a number\";\n"
                             "createNode transform -n second;\n"
                             "setAttr \".tx\" 5 {;\n"
                             "setAttr second.tz 6;\n";
    ASSERT_TRUE(openBytes(text, "commands"));
    const std::string errors = output().errors();
    const std::string file = "file: " + path("damaged");
    for (int line : {2, 3, 4, 6})
        EXPECT_NE(errors.find(file + " line " + std::to_string(line) + ":"), std::string::npos) << line << errors;
    EXPECT_EQ(run("getAttr first.tx").asFloat(), 0.0);
    EXPECT_EQ(run("getAttr second.tz").asFloat(), 6.0);
    EXPECT_EQ(run("file -q -sceneName").asString(), path("damaged"));
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
            const std::string context = std::string(name) + " round " + std::to_string(round);
            if (openBytes(bytes, context) && binary) {
                EXPECT_FALSE(output().errors().empty()) << context;
            }
        }
    }
}

TEST_F(DamagedFileTest, HugeLengthsInsideIntactRecordsAreReportedNotAllocated)
{
    prepare("unused.nbb");
    nbhost::ByteWriter chunks;
    size_t chunk = chunks.beginChunk(Layout::kNode);
    chunks.u32(0xFFFFFFF0u); // the type name's length
    chunks.endChunk(chunk);

    chunk = chunks.beginChunk(Layout::kNode);
    chunks.string("transform");
    chunks.string("t");
    chunks.string("");
    chunks.u8(0);
    chunks.u32(0xFFFFFFFFu); // plugs, none of which follow
    chunks.endChunk(chunk);

    // The test type's own reader gets only the bytes of its value.
    chunk = chunks.beginChunk(Layout::kNode);
    chunks.string("nbTestNode");
    chunks.string("n");
    chunks.string("");
    chunks.u8(0);
    chunks.u32(2);
    chunks.string("pl");
    chunks.u8(Layout::kData);
    chunks.u8(0);
    chunks.string("nbTestData");
    chunks.u32(8);
    chunks.u32(1);          // number
    chunks.u32(0x7FFFFFFF); // word count
    chunks.string("lb");
    chunks.u8(Layout::kData);
    chunks.u8(0);
    chunks.string("nbTestData");
    chunks.u32(0x7FFFFFFFu); // the value's length
    chunks.endChunk(chunk);
    ASSERT_TRUE(openBytes(binaryScene(chunks), "huge lengths"));
    const std::string errors = output().errors();
    EXPECT_NE(errors.find("a node record does not fit the file"), std::string::npos) << errors;
    EXPECT_NE(errors.find("nbTestData value of \"n.pl\" is damaged"), std::string::npos) << errors;
    EXPECT_NE(errors.find("a value does not fit its node record"), std::string::npos) << errors;
    EXPECT_TRUE(run("objExists t").asInt());
}

TEST_F(DamagedFileTest, FirstFormatScenesStillReadAndTheirChecksumStillCounts)
{
    prepare("unused.nbb");
    nbhost::ByteWriter node;
    node.bytes("NODE", 4);
    node.u32(0);
    const size_t start = node.size();
    node.string("transform");
    node.string("old");
    node.string("");
    node.u8(0);
    node.u32(1);
    node.string("tx");
    node.u8(Layout::kNumber);
    node.u8(0);
    node.f64(2.5);
    std::string chunk = node.data();
    const uint32_t length = static_cast<uint32_t>(chunk.size() - start);
    for (int i = 0; i < 4; ++i)
        chunk[4 + i] = static_cast<char>((length >> (8 * i)) & 0xFF);

    ASSERT_TRUE(openBytes(firstFormatScene(chunk), "first format"));
    EXPECT_EQ(output().errors(), "");
    EXPECT_EQ(run("getAttr old.tx").asFloat(), 2.5);

    std::string damaged = firstFormatScene(chunk);
    damaged[damaged.size() - 20] ^= 0x01; // inside the number
    ASSERT_TRUE(openBytes(damaged, "first format damaged"));
    EXPECT_NE(output().errors().find("its checksum does not match its contents"), std::string::npos);
}

TEST_F(DamagedFileTest, FilesThatAreNotScenesAreRefusedClearly)
{
    prepare("unused.nba");
    EXPECT_FALSE(openBytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", "png"));
    EXPECT_FALSE(openBytes("hello world", "text"));
    EXPECT_FALSE(openBytes("", "empty"));
    EXPECT_NE(output().errors().find("it is empty"), std::string::npos);
    EXPECT_FALSE(openBytes("{{{{ \"unclosed", "broken script"));
    EXPECT_FALSE(openBytes("// only a comment\n", "no statement"));
    EXPECT_NE(output().errors().find("it is not a scene"), std::string::npos);

    nbhost::ByteWriter none;
    std::string newer = binaryScene(none);
    newer[8] = 3;
    EXPECT_FALSE(openBytes(newer, "newer"));
    EXPECT_NE(output().errors().find("newer than this host reads"), std::string::npos) << output().errors();
    EXPECT_FALSE(openBytes(newer.substr(0, 10), "cut header"));
    EXPECT_FALSE(openBytes(binaryScene(none).substr(0, 15), "cut first record"));

    EXPECT_NE(failure("file -open -f \"" + path("missing.nba") + "\"").find("does not exist"), std::string::npos);
    EXPECT_NE(failure("file -open -f \"" + path("") + "\"").find("not a file"), std::string::npos);
    EXPECT_EQ(dump(), m_expected);
}

TEST_F(DamagedFileTest, AsciiScenesRunOnlySceneCommands)
{
    prepare("unused.nba");
    for (const char* script : {"quit -force;", "file -new -force;", "loadPlugin \"/tmp/evil.so\";"}) {
        EXPECT_FALSE(openBytes(script, script));
        EXPECT_NE(output().errors().find("cannot be used in a scene file"), std::string::npos) << script;
    }
    EXPECT_TRUE(openBytes("createNode transform -n a; unloadPlugin nbtestplugin;", "unload"));
    EXPECT_NE(output().errors().find("cannot be used in a scene file"), std::string::npos);
    EXPECT_FALSE(host().hasQuit());
    EXPECT_TRUE(nbhost::PluginManager::instance().find("nbtestplugin"));
}

TEST_F(DamagedFileTest, ImportsKeepWhatTheyReadAndRefusedOnesAddNothing)
{
    prepare("unused.nba");
    const std::string bad = path("bad.nba");
    std::ofstream(bad) << "createNode transform -n first;\ncreateNode nbTestNode -n second -p first;\n"
                          "setAttr \".pl\" -type \"nbTestData\" 1 3 \"only one\";\n";
    output().clear();
    EXPECT_TRUE(eval("file -import \"" + bad + "\"").ok);
    EXPECT_NE(output().errors().find("nbTestData value of \"second.pl\" is damaged"), std::string::npos)
        << output().errors();
    EXPECT_NE(blocks()["second"].find("payload = data 1 2 \"only one\" \"\""), std::string::npos) << dump();

    run("file -open -f \"" + m_current + "\"");
    const std::string foreign = path("foreign.nba");
    std::ofstream(foreign) << "hello world";
    EXPECT_NE(failure("file -import \"" + foreign + "\"").find("Nothing of it was added"), std::string::npos);
    EXPECT_EQ(dump(), m_expected);
}

} // namespace
} // namespace filetest
