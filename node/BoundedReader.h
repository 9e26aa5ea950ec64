#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <istream>

// Reads the little-endian fields of a binary record from a stream, never
// past the record's length. Lengths and counts are checked against the
// bytes left before anything is allocated, so a damaged record ends with a
// reason instead of a huge allocation. After the first failure every read
// fails and the reason stays the first one.
class BoundedReader
{
public:
    BoundedReader(std::istream& in, std::uint64_t length);

    bool ReadInt(std::int32_t& value);
    bool ReadByte(std::uint8_t& value);
    bool ReadFloat(float& value);
    // A length followed by that many bytes.
    bool ReadBytes(QByteArray& bytes);
    // Length-prefixed UTF-8, up to its first zero byte.
    bool ReadString(QString& text);
    // A count of records that take at least recordSize bytes each; `what`
    // names it in the reason.
    bool ReadCount(std::int32_t& count, std::uint64_t recordSize, const char* what);

    bool Failed() const { return failed; }
    const QString& Error() const { return error; }
    std::uint64_t Remaining() const { return remaining; }

private:
    bool Take(char* data, std::uint64_t size);
    bool Fail(const QString& reason);

    std::istream& in;
    std::uint64_t remaining;
    bool failed = false;
    QString error;
};
