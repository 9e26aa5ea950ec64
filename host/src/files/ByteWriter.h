#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nbhost {

// Builds a byte string of little-endian values, the counterpart of
// ByteReader. Chunks are a four-letter tag, a u32 length filled in when the
// chunk ends, the payload and the CRC-32 of all three.
class ByteWriter
{
public:
    void u8(uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
    void u32(uint32_t value);
    void f64(double value);
    void bytes(const char* data, size_t count) { m_bytes.append(data, count); }
    // False when the text is too long for its u32 length.
    bool string(const std::string& text);

    // Returns where the chunk starts, for endChunk.
    size_t beginChunk(const char tag[4]);
    // False when the chunk grew past what a u32 length can say.
    bool endChunk(size_t start);

    // The CRC-32 of zlib and PNG, which closes every chunk.
    static uint32_t checksum(const char* data, size_t size);

    const std::string& data() const { return m_bytes; }
    size_t size() const { return m_bytes.size(); }

private:
    std::string m_bytes;
};

} // namespace nbhost
