#include "files/ByteWriter.h"

#include <zlib.h>

#include <cstring>
#include <limits>

namespace nbhost {

void ByteWriter::u32(uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void ByteWriter::f64(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i)
        m_bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

bool ByteWriter::string(const std::string& text)
{
    if (text.size() > std::numeric_limits<uint32_t>::max())
        return false;
    u32(static_cast<uint32_t>(text.size()));
    m_bytes += text;
    return true;
}

size_t ByteWriter::beginChunk(const char tag[4])
{
    const size_t start = m_bytes.size();
    m_bytes.append(tag, 4);
    u32(0);
    return start;
}

bool ByteWriter::endChunk(size_t start)
{
    const size_t length = m_bytes.size() - start - 8;
    if (length > std::numeric_limits<uint32_t>::max())
        return false;
    for (size_t i = 0; i < 4; ++i)
        m_bytes[start + 4 + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    u32(static_cast<uint32_t>(checksum(m_bytes.data() + start, m_bytes.size() - start)));
    return true;
}

uint32_t ByteWriter::checksum(const char* data, size_t size)
{
    return static_cast<uint32_t>(crc32_z(0, reinterpret_cast<const Bytef*>(data), size));
}

} // namespace nbhost
