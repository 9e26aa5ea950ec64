#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nbhost {

// Reads little-endian values from a span of bytes it does not own. Every
// read checks the length it needs against what is left, so a damaged
// length can neither read past the end nor make anyone allocate it. A
// failed read leaves the position where it was.
class ByteReader
{
public:
    // offset: where data starts in the file, for positions in messages.
    ByteReader(const char* data, size_t size, size_t offset = 0);

    bool u8(uint8_t& out);
    bool u32(uint32_t& out);
    bool f64(double& out);
    // A u32 byte count, then that many bytes.
    bool string(std::string& out);
    // The next count bytes, in place.
    bool bytes(size_t count, const char*& out);
    // A reader over the next count bytes; this one moves past them.
    bool sub(size_t count, ByteReader& out);

    size_t remaining() const { return m_size - m_pos; }
    bool atEnd() const { return m_pos == m_size; }
    // Position in the file.
    size_t position() const { return m_offset + m_pos; }

private:
    const char* m_data;
    size_t m_size;
    size_t m_offset;
    size_t m_pos = 0;
};

} // namespace nbhost
