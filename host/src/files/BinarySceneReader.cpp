#include "files/BinarySceneReader.h"

#include "core/Output.h"
#include "files/BinarySceneLayout.h"
#include "files/ByteWriter.h"
#include "files/SceneBuilder.h"

#include <maya/MPxData.h>

#include <cstring>
#include <istream>

namespace nbhost {

using Layout = BinarySceneLayout;

namespace {

// A read-only stream over bytes that stay in place.
class SpanBuffer : public std::streambuf
{
public:
    SpanBuffer(const char* data, size_t size)
    {
        char* begin = const_cast<char*>(data);
        setg(begin, begin, begin + size);
    }
};

std::string describe(const std::string& tag)
{
    if (tag == std::string(Layout::kNode, 4))
        return "a node record";
    if (tag == std::string(Layout::kRequires, 4))
        return "a plug-in requirement";
    if (tag == std::string(Layout::kUnits, 4))
        return "the units record";
    return tag.size() == 4 ? "a record" : "a record's head";
}

} // namespace

bool BinarySceneReader::read(const std::string& bytes, const std::string& path, SceneBuilder& builder,
                             std::string* error)
{
    BinarySceneReader reader(bytes, path, builder);
    return reader.readHeader(error) && reader.readBody(error);
}

bool BinarySceneReader::readHeader(std::string* error)
{
    if (m_bytes.compare(0, sizeof Layout::kMagic, Layout::kMagic, sizeof Layout::kMagic) != 0) {
        *error = "it is not a binary scene";
        return false;
    }
    ByteReader header(m_bytes.data() + sizeof Layout::kMagic, m_bytes.size() - sizeof Layout::kMagic);
    if (!header.u32(m_version)) {
        *error = "it is cut short before its first record";
        return false;
    }
    if (m_version > Layout::kVersion) {
        *error = "it was written in binary format " + std::to_string(m_version) + ", newer than this host reads ("
                 + std::to_string(Layout::kVersion) + ")";
        return false;
    }
    return true;
}

bool BinarySceneReader::readBody(std::string* error)
{
    ByteReader body(m_bytes.data() + Layout::kHeaderSize, m_bytes.size() - Layout::kHeaderSize,
                    Layout::kHeaderSize);
    bool first = true;
    for (; !body.atEnd(); first = false) {
        Chunk chunk;
        const Damage damage = takeChunk(body, chunk);
        if (damage != Damage::None && first) {
            *error = "it is damaged before its first record could be read";
            return false;
        }
        if (chunk.tag == std::string(Layout::kEnd, 4) && damage == Damage::None) {
            checkWholeFile(chunk);
            return true;
        }
        if (damage != Damage::None) {
            m_salvaging = true;
            readChunk(chunk);
            reportDamage(damage, chunk);
            return true;
        }
        readChunk(chunk);
    }
    if (first) {
        *error = "it is cut short before its first record";
        return false;
    }
    report(body.position(), "the file is cut short: its end record is missing; what followed was lost.");
    return true;
}

BinarySceneReader::Damage BinarySceneReader::takeChunk(ByteReader& body, Chunk& chunk) const
{
    chunk.position = body.position();
    const char* tag = nullptr;
    uint32_t length = 0;
    if (!body.bytes(4, tag) || !body.u32(length)) {
        body.sub(body.remaining(), chunk.payload);
        return Damage::Cut;
    }
    chunk.tag.assign(tag, 4);
    if (!body.sub(length, chunk.payload)) {
        body.sub(body.remaining(), chunk.payload);
        return Damage::Cut;
    }
    if (m_version == Layout::kWholeFileChecksum)
        return Damage::None;
    uint32_t crc = 0;
    if (!body.u32(crc))
        return Damage::Cut;
    return crc == ByteWriter::checksum(m_bytes.data() + chunk.position, 8 + size_t(length)) ? Damage::None
                                                                                           : Damage::Checksum;
}

void BinarySceneReader::reportDamage(Damage damage, const Chunk& chunk) const
{
    const std::string what = damage == Damage::Cut ? "the file is cut short inside " : "the file is damaged: ";
    const std::string record = describe(chunk.tag);
    const std::string text = damage == Damage::Cut ? what + record
                                                   : what + record + " fails its checksum";
    report(chunk.position, text + "; it was read as far as it goes and what followed was lost.");
}

// The first format's one checksum closes the file: damage shows only here,
// after everything was read.
void BinarySceneReader::checkWholeFile(Chunk& end) const
{
    uint32_t crc = 0;
    if (m_version == Layout::kWholeFileChecksum
        && (!end.payload.u32(crc) || crc != ByteWriter::checksum(m_bytes.data(), end.position)))
        report(end.position, "the file is damaged: its checksum does not match its contents; data may have been lost.");
}

void BinarySceneReader::readChunk(Chunk& chunk)
{
    ByteReader& in = chunk.payload;
    bool ok = true;
    std::string error;
    if (chunk.tag == std::string(Layout::kRequires, 4)) {
        std::string plugin, version;
        ok = in.string(plugin) && in.string(version);
        if (ok)
            m_builder.requirePlugin(plugin);
    } else if (chunk.tag == std::string(Layout::kUnits, 4)) {
        std::string linear, angle, time;
        ok = in.string(linear) && in.string(angle) && in.string(time);
        if (ok && !m_builder.setUnits(linear, angle, time, &error))
            report(chunk.position, error);
    } else if (chunk.tag == std::string(Layout::kNode, 4)) {
        readNode(in);
    }
    if (!ok && !m_salvaging)
        report(in.position(), describe(chunk.tag) + " does not fit the file; it was skipped.");
}

void BinarySceneReader::readNode(ByteReader& in)
{
    const size_t position = in.position();
    std::string type, name, parent, error;
    uint8_t flags = 0;
    uint32_t plugs = 0;
    if (!in.string(type) || !in.string(name) || !in.string(parent) || !in.u8(flags) || !in.u32(plugs)) {
        if (!m_salvaging)
            report(position, "a node record does not fit the file; it was skipped.");
        return;
    }
    if (!m_builder.createNode(type, name, parent, (flags & Layout::kSharedNode) != 0, &error)) {
        report(position, error);
        return;
    }
    for (uint32_t i = 0; i < plugs; ++i)
        if (!readPlug(in))
            return;
    if (!in.atEnd() && !m_salvaging)
        report(in.position(), "the node record of \"" + name + "\" holds more than its values.");
}

// False when the value does not fit the record; a value the builder
// refuses is reported and the record goes on.
bool BinarySceneReader::readPlug(ByteReader& in)
{
    const size_t position = in.position();
    std::string attribute, text, dataType, error;
    uint8_t kind = 0;
    uint8_t flags = 0;
    double number = 0.0;
    const char* bytes = nullptr;
    uint32_t length = 0;
    bool fits = in.string(attribute) && in.u8(kind) && in.u8(flags);
    if (fits && kind == Layout::kNumber)
        fits = in.f64(number);
    else if (fits && kind == Layout::kString)
        fits = in.string(text);
    else if (fits && kind == Layout::kData)
        fits = readData(in, dataType, bytes, length);
    else
        fits = fits && kind == Layout::kNoValue;
    if (!fits) {
        if (!m_salvaging)
            report(position, "a value does not fit its node record; the rest of the record was skipped.");
        return false;
    }
    SceneBuilder::Target target;
    bool ok = m_builder.target("." + attribute, target, &error);
    if (ok && kind == Layout::kNumber)
        ok = m_builder.setNumbers(target, {number}, &error);
    else if (ok && kind == Layout::kString)
        ok = m_builder.setString(target, text, &error);
    else if (ok && kind == Layout::kData)
        ok = m_builder.setData(target, dataType, [bytes, length](MPxData& data) {
            SpanBuffer buffer(bytes, length);
            std::istream stream(&buffer);
            return data.readBinary(stream, length);
        }, &error);
    if (!error.empty())
        report(position, error);
    auto flag = [flags](uint8_t set, uint8_t bit) {
        return (flags & set) ? std::optional<bool>((flags & bit) != 0) : std::nullopt;
    };
    if (ok)
        m_builder.setFlags(target, (flags & Layout::kLocked) != 0, flag(Layout::kKeyableSet, Layout::kKeyable),
                           flag(Layout::kChannelBoxSet, Layout::kChannelBox));
    return true;
}

// A data value cut by the end of a damaged record keeps the bytes that are
// there: its reader stops where they end.
bool BinarySceneReader::readData(ByteReader& in, std::string& dataType, const char*& bytes, uint32_t& length)
{
    if (!in.string(dataType) || !in.u32(length))
        return false;
    if (in.bytes(length, bytes))
        return true;
    if (!m_salvaging)
        return false;
    length = static_cast<uint32_t>(in.remaining());
    return in.bytes(length, bytes);
}

void BinarySceneReader::report(size_t position, const std::string& text) const
{
    Output::write(Output::Kind::Error, "file: " + m_path + " byte " + std::to_string(position) + ": " + text);
}

} // namespace nbhost
