#pragma once

#include <vector>

namespace nbhost {

// Whether the host is reading a scene file, and how. Scene-file readers set
// it for the length of a read; MFileIO's queries and plug-in nodes'
// postConstructor (through them) answer from it. Reads nest: a referenced
// file read during an open is both opening and referencing.
class FileReadState
{
public:
    enum class Mode { Opening, Importing, Referencing };

    static bool isReadingFile();
    static bool isOpeningFile();
    static bool isImportingFile();
    static bool isReferencingFile();

    // Sets a mode until the scope ends.
    class Scope
    {
    public:
        explicit Scope(Mode mode);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

private:
    static std::vector<Mode>& modes();
    static bool has(Mode mode);
};

} // namespace nbhost
