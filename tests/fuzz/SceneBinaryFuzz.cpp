// Feeds arbitrary bytes to the host's binary scene reader, opening into the
// scene. Every record carries a checksum, which random bytes almost never
// match; inputs whose first byte is odd get theirs mended first, so that the
// fuzzer also reaches the reading of intact records. The nodes a read made
// are taken out again after each input.
#include "FuzzHost.h"

#include "files/BinarySceneLayout.h"
#include "files/BinarySceneReader.h"
#include "files/ByteWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

uint32_t ReadU32(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

// Walks the chunks after the header and writes each one's checksum.
void MendChecksums(std::string& bytes)
{
    size_t at = nbhost::BinarySceneLayout::kHeaderSize;
    while (at + 8 <= bytes.size()) {
        const size_t length = ReadU32(bytes, at + 4);
        if (length > bytes.size() - at - 8 || bytes.size() - at - 8 - length < 4)
            return;
        const uint32_t crc = nbhost::ByteWriter::checksum(bytes.data() + at, 8 + length);
        for (int i = 0; i < 4; ++i)
            bytes[at + 8 + length + static_cast<size_t>(i)] = static_cast<char>((crc >> (8 * i)) & 0xFF);
        at += 12 + length;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    nbfuzz::StartHost();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        MendChecksums(bytes);
    nbfuzz::ReadScene(bytes, "fuzz.nbb", &nbhost::BinarySceneReader::read);
    nbfuzz::FinishInput();
    return 0;
}
