#include "files/AsciiSceneReader.h"

#include "files/AsciiSceneCommands.h"
#include "files/AsciiSceneWriter.h"
#include "script/Interpreter.h"

namespace nbhost {

bool AsciiSceneReader::read(const std::string& text, const std::string& path, SceneBuilder& builder,
                            std::string* error)
{
    if (text.empty()) {
        *error = "it is empty";
        return false;
    }
    if (isCut(text)) {
        *error = "it is truncated: its end line is missing";
        return false;
    }
    AsciiSceneCommands commands(builder);
    Interpreter interpreter(&commands);
    if (!interpreter.evaluate(text, path).ok) {
        *error = "it is damaged or is not a scene (see the error above)";
        return false;
    }
    return true;
}

// Only files that start as the writer starts them (or as a cut piece of
// that start) must carry the end line; scenes written by hand need not.
bool AsciiSceneReader::isCut(const std::string& text)
{
    const std::string header = AsciiSceneWriter::kHeader;
    const std::string firstLine = text.substr(0, text.find('\n'));
    if (firstLine.empty())
        return false;
    if (header.compare(0, firstLine.size(), firstLine) != 0 && firstLine.compare(0, header.size(), header) != 0)
        return false;
    size_t end = text.find_last_not_of(" \t\r\n");
    if (end == std::string::npos)
        return true;
    const size_t lineStart = text.rfind('\n', end);
    const std::string lastLine = text.substr(lineStart == std::string::npos ? 0 : lineStart + 1);
    return lastLine.compare(0, std::string(AsciiSceneWriter::kEndMark).size(), AsciiSceneWriter::kEndMark) != 0;
}

} // namespace nbhost
