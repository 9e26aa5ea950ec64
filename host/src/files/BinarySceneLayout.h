#pragma once

#include <cstddef>
#include <cstdint>

namespace nbhost {

// The layout of a binary scene (.nbb). All numbers are little-endian;
// strings are a u32 byte count and the bytes.
//
//   magic (8 bytes), u32 format version
//   chunks: 4-letter tag, u32 payload length, payload, u32 CRC-32 of the
//   tag, length and payload (so that damage is found in the record it hits
//   and the records before it can be trusted)
//     REQU  plug-in name, plug-in version
//     UNIT  linear unit, angular unit, time unit
//     NODE  type, name, parent name (empty: the world), u8 node flags,
//           u32 plug count, then per plug: attribute name, u8 value kind,
//           u8 plug flags, and the value: f64 number | string |
//           data type name, u32 byte count, the bytes of writeBinary
//     ENDS  empty; always last, so that a file cut between records shows
//
// Format 1 had no CRC after each chunk; its ENDS chunk held the CRC-32 of
// every byte before it instead. Readers skip chunks with tags they do not
// know.
class BinarySceneLayout
{
public:
    static constexpr char kMagic[8] = {'\x89', 'N', 'B', 'B', '\r', '\n', '\x1a', '\n'};
    static constexpr uint32_t kVersion = 2;
    // The first format, whose only checksum closes the file.
    static constexpr uint32_t kWholeFileChecksum = 1;
    static constexpr size_t kHeaderSize = sizeof kMagic + 4;

    static constexpr char kRequires[4] = {'R', 'E', 'Q', 'U'};
    static constexpr char kUnits[4] = {'U', 'N', 'I', 'T'};
    static constexpr char kNode[4] = {'N', 'O', 'D', 'E'};
    static constexpr char kEnd[4] = {'E', 'N', 'D', 'S'};

    // Node flags.
    static constexpr uint8_t kSharedNode = 1;

    // Value kinds.
    static constexpr uint8_t kNoValue = 0;
    static constexpr uint8_t kNumber = 1;
    static constexpr uint8_t kString = 2;
    static constexpr uint8_t kData = 3;

    // Plug flags.
    static constexpr uint8_t kLocked = 1;
    static constexpr uint8_t kKeyableSet = 2;
    static constexpr uint8_t kKeyable = 4;
    static constexpr uint8_t kChannelBoxSet = 8;
    static constexpr uint8_t kChannelBox = 16;
};

} // namespace nbhost
