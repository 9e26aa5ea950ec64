#include "files/ByteReader.h"

#include <cstring>

namespace nbhost {

ByteReader::ByteReader(const char* data, size_t size, size_t offset)
    : m_data(data), m_size(size), m_offset(offset)
{
}

bool ByteReader::u8(uint8_t& out)
{
    if (remaining() < 1)
        return false;
    out = static_cast<uint8_t>(m_data[m_pos++]);
    return true;
}

bool ByteReader::u32(uint32_t& out)
{
    if (remaining() < 4)
        return false;
    out = 0;
    for (int i = 3; i >= 0; --i)
        out = (out << 8) | static_cast<uint8_t>(m_data[m_pos + static_cast<size_t>(i)]);
    m_pos += 4;
    return true;
}

bool ByteReader::f64(double& out)
{
    if (remaining() < 8)
        return false;
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<uint8_t>(m_data[m_pos + static_cast<size_t>(i)]);
    std::memcpy(&out, &bits, sizeof out);
    m_pos += 8;
    return true;
}

bool ByteReader::bytes(size_t count, const char*& out)
{
    if (remaining() < count)
        return false;
    out = m_data + m_pos;
    m_pos += count;
    return true;
}

bool ByteReader::string(std::string& out)
{
    const size_t start = m_pos;
    uint32_t length = 0;
    const char* text = nullptr;
    if (!u32(length) || !bytes(length, text)) {
        m_pos = start;
        return false;
    }
    out.assign(text, length);
    return true;
}

bool ByteReader::sub(size_t count, ByteReader& out)
{
    const size_t start = position();
    const char* at = nullptr;
    if (!bytes(count, at))
        return false;
    out = ByteReader(at, count, start);
    return true;
}

} // namespace nbhost
