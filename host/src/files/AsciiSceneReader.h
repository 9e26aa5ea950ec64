#pragma once

#include <string>

namespace nbhost {

class SceneBuilder;

// Reads an ASCII scene: the file is run as a script by an interpreter of
// its own whose only commands are those of AsciiSceneCommands. As the real
// host does, reading goes on past a command or value that fails: each error
// is shown with the file and line, and everything that can run is loaded.
// A file whose first statement already fails is not taken for a scene.
class AsciiSceneReader
{
public:
    // False, with the reason in error, when the file is not a scene (the
    // builder then holds nothing of it). True otherwise, with every error
    // met on the way shown already: failed statements, and a file that is
    // cut short (it ends inside a string, or a file that begins as the
    // writer begins it lacks the writer's end line).
    static bool read(const std::string& text, const std::string& path, SceneBuilder& builder,
                     std::string* error);

private:
    static bool lacksEndLine(const std::string& text);
};

} // namespace nbhost
