#pragma once

#include <string>

namespace nbhost {

class ByteReader;
class SceneBuilder;

// Reads a binary scene (layout in BinarySceneLayout.h) into a builder. The
// frame is checked first (magic, version, end chunk, checksum), so a
// damaged or cut file is refused before any node is made; the records are
// then read with every length checked against the bytes that are left.
class BinarySceneReader
{
public:
    // False, with the reason in error, for a file that is not a binary
    // scene, is damaged or truncated, or names what the host cannot make.
    static bool read(const std::string& bytes, SceneBuilder& builder, std::string* error);

private:
    static bool checkFrame(const std::string& bytes, std::string* error);
    static bool readChunk(const std::string& tag, ByteReader& payload, SceneBuilder& builder,
                          std::string* error);
    static bool readNode(ByteReader& in, SceneBuilder& builder, std::string* error);
    static bool readPlug(ByteReader& in, SceneBuilder& builder, std::string* error);
    static bool damaged(const ByteReader& in, const char* where, std::string* error);
};

} // namespace nbhost
