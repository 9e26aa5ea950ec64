#include "node/BoundedReader.h"

#include <algorithm>
#include <cstring>

namespace {

// Bytes are read in slices of this size, so that memory grows only with
// what the stream really delivers.
const std::uint64_t SLICE_SIZE = 1 << 20;

} // namespace

BoundedReader::BoundedReader(std::istream& in, std::uint64_t length) : in(in), remaining(length) {}

bool BoundedReader::Fail(const QString& reason)
{
    if (!failed)
        error = reason;
    failed = true;
    return false;
}

bool BoundedReader::Take(char* data, std::uint64_t size)
{
    if (failed)
        return false;
    if (size > remaining)
        return Fail(QStringLiteral("the record ends %1 bytes early").arg(size - remaining));
    in.read(data, static_cast<std::streamsize>(size));
    if (static_cast<std::uint64_t>(in.gcount()) != size || !in)
        return Fail(QStringLiteral("the data ends before the record does"));
    remaining -= size;
    return true;
}

bool BoundedReader::ReadInt(std::int32_t& value)
{
    unsigned char bytes[4];
    if (!Take(reinterpret_cast<char*>(bytes), sizeof bytes))
        return false;
    const std::uint32_t bits = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8
                               | std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool BoundedReader::ReadByte(std::uint8_t& value)
{
    return Take(reinterpret_cast<char*>(&value), 1);
}

bool BoundedReader::ReadFloat(float& value)
{
    std::int32_t bits = 0;
    if (!ReadInt(bits))
        return false;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool BoundedReader::ReadCount(std::int32_t& count, std::uint64_t recordSize, const char* what)
{
    if (!ReadInt(count))
        return false;
    if (count < 0)
        return Fail(QStringLiteral("negative %1 %2").arg(QLatin1String(what)).arg(count));
    if (std::uint64_t(count) * recordSize > remaining)
        return Fail(QStringLiteral("%1 %2 exceeds the %3 bytes left")
                        .arg(QLatin1String(what))
                        .arg(count)
                        .arg(remaining));
    return true;
}

bool BoundedReader::ReadBytes(QByteArray& bytes)
{
    std::int32_t length = 0;
    if (!ReadCount(length, 1, "length"))
        return false;
    bytes.clear();
    for (std::uint64_t done = 0; done < std::uint64_t(length);) {
        const std::uint64_t slice = std::min<std::uint64_t>(SLICE_SIZE, length - done);
        bytes.resize(static_cast<int>(done + slice));
        if (!Take(bytes.data() + done, slice))
            return false;
        done += slice;
    }
    return true;
}

bool BoundedReader::ReadString(QString& text)
{
    QByteArray bytes;
    if (!ReadBytes(bytes))
        return false;
    const int end = bytes.indexOf('\0');
    text = QString::fromUtf8(end < 0 ? bytes : bytes.left(end));
    return true;
}
