#pragma once

#include "files/ByteReader.h"

#include <cstdint>
#include <string>

namespace nbhost {

class SceneBuilder;

// Reads a binary scene (layout in BinarySceneLayout.h) into a builder,
// record by record, with every length checked against the bytes that are
// left. Each record's checksum is checked before it is used, so the records
// before a damaged one load whole. The damaged record (cut short, or failing
// its checksum) is read as far as it goes, a data value in it getting the
// bytes that are there, and reading stops: what followed is lost. A record
// that the builder refuses (an unknown node type, a bad value) is reported
// and reading goes on with the next.
class BinarySceneReader
{
public:
    // False, with the reason in error, for a file that is not a binary
    // scene, was written by a newer host, or is damaged before its first
    // record (the builder then holds nothing of it). True otherwise, with
    // every error met on the way shown already.
    static bool read(const std::string& bytes, const std::string& path, SceneBuilder& builder,
                     std::string* error);

private:
    enum class Damage { None, Cut, Checksum };
    struct Chunk
    {
        std::string tag;
        ByteReader payload{nullptr, 0};
        size_t position = 0;
    };

    BinarySceneReader(const std::string& bytes, const std::string& path, SceneBuilder& builder)
        : m_bytes(bytes), m_path(path), m_builder(builder)
    {
    }

    bool readHeader(std::string* error);
    bool readBody(std::string* error);
    Damage takeChunk(ByteReader& body, Chunk& chunk) const;
    void reportDamage(Damage damage, const Chunk& chunk) const;
    void checkWholeFile(Chunk& end) const;
    void readChunk(Chunk& chunk);
    void readNode(ByteReader& in);
    bool readPlug(ByteReader& in);
    bool readData(ByteReader& in, std::string& dataType, const char*& bytes, uint32_t& length);
    // Shows a record's error, naming the file and the byte it is at.
    void report(size_t position, const std::string& text) const;

    const std::string& m_bytes;
    const std::string& m_path;
    SceneBuilder& m_builder;
    uint32_t m_version = 0;
    // Reading a damaged record: a data value gets the bytes that are there.
    bool m_salvaging = false;
};

} // namespace nbhost
