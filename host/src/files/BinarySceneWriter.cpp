#include "files/BinarySceneWriter.h"

#include "files/BinarySceneLayout.h"
#include "files/ByteWriter.h"
#include "files/DataValueWriter.h"

#include <limits>

namespace nbhost {

using Layout = BinarySceneLayout;

bool BinarySceneWriter::write(const SceneContents& contents, std::string& bytes, std::string* error)
{
    ByteWriter out;
    out.bytes(Layout::kMagic, sizeof Layout::kMagic);
    out.u32(Layout::kVersion);
    bool ok = true;
    for (const auto& requirement : contents.requirements) {
        const size_t chunk = out.beginChunk(Layout::kRequires);
        ok = out.string(requirement.plugin) && out.string(requirement.version) && out.endChunk(chunk) && ok;
    }
    const size_t units = out.beginChunk(Layout::kUnits);
    ok = out.string(contents.linearUnit) && out.string(contents.angleUnit)
         && out.string(contents.timeUnit) && out.endChunk(units) && ok;
    for (const auto& node : contents.nodes)
        ok = writeNode(out, node) && ok;
    if (!ok) {
        *error = "a record is too large for the binary scene format";
        return false;
    }
    out.endChunk(out.beginChunk(Layout::kEnd));
    bytes = out.data();
    return true;
}

bool BinarySceneWriter::writeNode(ByteWriter& out, const SceneContents::Node& node)
{
    const size_t chunk = out.beginChunk(Layout::kNode);
    bool ok = out.string(node.type) && out.string(node.name) && out.string(node.parent);
    out.u8(node.shared ? Layout::kSharedNode : 0);
    out.u32(static_cast<uint32_t>(node.plugs.size()));
    for (const auto& plug : node.plugs)
        ok = writePlug(out, node, plug) && ok;
    return out.endChunk(chunk) && ok;
}

// A data value its type cannot write is stored without a value, keeping
// the plug's flags.
bool BinarySceneWriter::writePlug(ByteWriter& out, const SceneContents::Node& node,
                                  const SceneContents::Plug& plug)
{
    std::string bytes;
    const bool isData = plug.value.kind == PlugValue::Kind::Data
                        && DataValueWriter::toBytes(plug.value.data, node.name + "." + plug.attribute, bytes);
    if (bytes.size() > std::numeric_limits<uint32_t>::max())
        return false;
    bool ok = out.string(plug.attribute);
    switch (plug.value.kind) {
    case PlugValue::Kind::Number:
        out.u8(Layout::kNumber);
        out.u8(flagsOf(plug));
        out.f64(plug.value.number);
        break;
    case PlugValue::Kind::String:
        out.u8(Layout::kString);
        out.u8(flagsOf(plug));
        ok = out.string(plug.value.text) && ok;
        break;
    default:
        out.u8(isData ? Layout::kData : Layout::kNoValue);
        out.u8(flagsOf(plug));
        if (isData) {
            ok = out.string(plug.dataType) && ok;
            out.u32(static_cast<uint32_t>(bytes.size()));
            out.bytes(bytes.data(), bytes.size());
        }
        break;
    }
    return ok;
}

uint8_t BinarySceneWriter::flagsOf(const SceneContents::Plug& plug)
{
    uint8_t flags = plug.locked ? Layout::kLocked : 0;
    if (plug.keyable)
        flags |= Layout::kKeyableSet | (*plug.keyable ? Layout::kKeyable : 0);
    if (plug.channelBox)
        flags |= Layout::kChannelBoxSet | (*plug.channelBox ? Layout::kChannelBox : 0);
    return flags;
}

} // namespace nbhost
