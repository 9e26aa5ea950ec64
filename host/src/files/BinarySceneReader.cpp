#include "files/BinarySceneReader.h"

#include "files/BinarySceneLayout.h"
#include "files/ByteReader.h"
#include "files/Crc32.h"
#include "files/SceneBuilder.h"

#include <maya/MPxData.h>

#include <cstring>
#include <istream>
#include <sstream>

namespace nbhost {

using Layout = BinarySceneLayout;

namespace {

bool fail(std::string* error, const std::string& text)
{
    *error = text;
    return false;
}

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

} // namespace

bool BinarySceneReader::read(const std::string& bytes, SceneBuilder& builder, std::string* error)
{
    if (!checkFrame(bytes, error))
        return false;
    const size_t bodySize = bytes.size() - Layout::kHeaderSize - Layout::kEndChunkSize;
    ByteReader body(bytes.data() + Layout::kHeaderSize, bodySize, Layout::kHeaderSize);
    while (!body.atEnd()) {
        const char* tag = nullptr;
        uint32_t length = 0;
        ByteReader payload(nullptr, 0);
        if (!body.bytes(4, tag) || !body.u32(length) || !body.sub(length, payload))
            return damaged(body, "a chunk", error);
        if (!readChunk(std::string(tag, 4), payload, builder, error))
            return false;
    }
    return true;
}

bool BinarySceneReader::checkFrame(const std::string& bytes, std::string* error)
{
    if (bytes.compare(0, sizeof Layout::kMagic, Layout::kMagic, sizeof Layout::kMagic) != 0)
        return fail(error, "it is not a binary scene");
    ByteReader header(bytes.data() + sizeof Layout::kMagic, bytes.size() - sizeof Layout::kMagic,
                      sizeof Layout::kMagic);
    uint32_t version = 0;
    if (!header.u32(version) || header.remaining() < Layout::kEndChunkSize)
        return fail(error, "it is truncated");
    if (version > Layout::kVersion)
        return fail(error, "it was written in binary format " + std::to_string(version)
                               + ", newer than this host reads (" + std::to_string(Layout::kVersion) + ")");
    const size_t endAt = bytes.size() - Layout::kEndChunkSize;
    ByteReader end(bytes.data() + endAt, Layout::kEndChunkSize, endAt);
    const char* tag = nullptr;
    uint32_t length = 0;
    uint32_t crc = 0;
    end.bytes(4, tag);
    end.u32(length);
    end.u32(crc);
    if (std::memcmp(tag, Layout::kEnd, 4) != 0 || length != 4)
        return fail(error, "it is truncated: its end record is missing");
    if (Crc32::compute(bytes.data(), endAt) != crc)
        return fail(error, "it is damaged: its checksum does not match its contents");
    return true;
}

bool BinarySceneReader::readChunk(const std::string& tag, ByteReader& payload, SceneBuilder& builder,
                                  std::string* error)
{
    if (tag == std::string(Layout::kRequires, 4)) {
        std::string plugin, version;
        if (!payload.string(plugin) || !payload.string(version))
            return damaged(payload, "a plug-in requirement", error);
        builder.requirePlugin(plugin);
        return true;
    }
    if (tag == std::string(Layout::kUnits, 4)) {
        std::string linear, angle, time;
        if (!payload.string(linear) || !payload.string(angle) || !payload.string(time))
            return damaged(payload, "the units", error);
        return builder.setUnits(linear, angle, time, error);
    }
    if (tag == std::string(Layout::kNode, 4))
        return readNode(payload, builder, error);
    return true; // a chunk of a later version
}

bool BinarySceneReader::readNode(ByteReader& in, SceneBuilder& builder, std::string* error)
{
    std::string type, name, parent;
    uint8_t flags = 0;
    uint32_t plugs = 0;
    if (!in.string(type) || !in.string(name) || !in.string(parent) || !in.u8(flags) || !in.u32(plugs))
        return damaged(in, "a node record", error);
    if (!builder.createNode(type, name, parent, (flags & Layout::kSharedNode) != 0, error))
        return false;
    for (uint32_t i = 0; i < plugs; ++i)
        if (!readPlug(in, builder, error))
            return false;
    return in.atEnd() || damaged(in, "a node record", error);
}

bool BinarySceneReader::readPlug(ByteReader& in, SceneBuilder& builder, std::string* error)
{
    std::string attribute;
    uint8_t kind = 0;
    uint8_t flags = 0;
    if (!in.string(attribute) || !in.u8(kind) || !in.u8(flags))
        return damaged(in, "a value", error);
    SceneBuilder::Target target;
    if (!builder.target("." + attribute, target, error))
        return false;
    bool ok = true;
    if (kind == Layout::kNumber) {
        double number = 0.0;
        ok = in.f64(number) ? builder.setNumbers(target, {number}, error) : damaged(in, "a value", error);
    } else if (kind == Layout::kString) {
        std::string text;
        ok = in.string(text) ? builder.setString(target, text, error) : damaged(in, "a value", error);
    } else if (kind == Layout::kData) {
        std::string dataType;
        uint32_t length = 0;
        const char* bytes = nullptr;
        if (!in.string(dataType) || !in.u32(length) || !in.bytes(length, bytes))
            return damaged(in, "a data value", error);
        ok = builder.setData(target, dataType, [bytes, length](MPxData& data) {
            SpanBuffer buffer(bytes, length);
            std::istream stream(&buffer);
            return data.readBinary(stream, length);
        }, error);
    } else if (kind != Layout::kNoValue) {
        return damaged(in, "a value", error);
    }
    auto flag = [flags](uint8_t set, uint8_t bit) {
        return (flags & set) ? std::optional<bool>((flags & bit) != 0) : std::nullopt;
    };
    if (ok)
        builder.setFlags(target, (flags & Layout::kLocked) != 0, flag(Layout::kKeyableSet, Layout::kKeyable),
                         flag(Layout::kChannelBoxSet, Layout::kChannelBox));
    return ok;
}

bool BinarySceneReader::damaged(const ByteReader& in, const char* where, std::string* error)
{
    return fail(error, std::string("it is damaged: ") + where + " at byte " + std::to_string(in.position())
                           + " does not fit the file");
}

} // namespace nbhost
