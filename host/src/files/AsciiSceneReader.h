#pragma once

#include <string>

namespace nbhost {

class SceneBuilder;

// Reads an ASCII scene: the file is run as a script by an interpreter of
// its own whose only commands are those of AsciiSceneCommands. A file that
// begins with the writer's header must also end with its end line, so a
// cut file is refused.
class AsciiSceneReader
{
public:
    // False, with the reason in error, when the script fails (the script
    // error itself has been shown already) or the file is cut short.
    static bool read(const std::string& text, const std::string& path, SceneBuilder& builder,
                     std::string* error);

private:
    static bool isCut(const std::string& text);
};

} // namespace nbhost
