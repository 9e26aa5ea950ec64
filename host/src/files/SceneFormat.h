#pragma once

#include <string>

namespace nbhost {

// The two kinds of scene file: ASCII ("nbAscii", .nba, a script in the
// host's language) and binary ("nbBinary", .nbb, chunked records).
class SceneFormat
{
public:
    enum Kind { Ascii, Binary };

    static const char* name(Kind kind);
    // False for names other than "nbAscii" and "nbBinary".
    static bool fromName(const std::string& name, Kind& kind);
    // .nbb is binary, everything else ASCII.
    static Kind fromPath(const std::string& path);
    // Readers go by the file's first bytes, not its name.
    static Kind detect(const std::string& bytes);
};

} // namespace nbhost
