#include "files/AsciiSceneReader.h"

#include "core/Output.h"
#include "files/AsciiSceneCommands.h"
#include "files/AsciiSceneWriter.h"
#include "script/Interpreter.h"
#include "script/ScriptError.h"

namespace nbhost {

bool AsciiSceneReader::read(const std::string& text, const std::string& path, SceneBuilder& builder,
                            std::string* error)
{
    if (text.empty()) {
        *error = "it is empty";
        return false;
    }
    AsciiSceneCommands commands(builder);
    Interpreter interpreter(&commands);
    std::string firstError;
    const auto onError = [&firstError](const ScriptError& e, int ran) {
        if (ran == 0) {
            firstError = e.message();
            return false;
        }
        if (!e.reported())
            Output::write(Output::Kind::Error, e.message());
        return true;
    };
    const Interpreter::EachResult result = interpreter.evaluateEach(text, path, onError);
    if (!firstError.empty() || result.ran == 0) {
        *error = "it is not a scene: " + (firstError.empty() ? "nothing in it can be read" : firstError);
        return false;
    }
    if (result.cutStringLine > 0)
        Output::write(Output::Kind::Error, "file: " + path + " line " + std::to_string(result.cutStringLine)
                                               + ": the file is cut short inside a string; what followed was lost.");
    else if (lacksEndLine(text))
        Output::write(Output::Kind::Error, "file: " + path
                                               + ": the file is cut short: its end line is missing; what followed was lost.");
    return true;
}

// Only files that start as the writer starts them must carry the end line;
// scenes written by hand need not.
bool AsciiSceneReader::lacksEndLine(const std::string& text)
{
    const std::string header = AsciiSceneWriter::kHeader;
    if (text.compare(0, header.size(), header) != 0)
        return false;
    const size_t end = text.find_last_not_of(" \t\r\n");
    const size_t lineStart = text.rfind('\n', end);
    const std::string lastLine = text.substr(lineStart == std::string::npos ? 0 : lineStart + 1);
    return lastLine.compare(0, std::string(AsciiSceneWriter::kEndMark).size(), AsciiSceneWriter::kEndMark) != 0;
}

} // namespace nbhost
