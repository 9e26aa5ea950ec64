#pragma once

#include "files/SceneContents.h"

#include <ostream>
#include <string>

namespace nbhost {

// Writes an ASCII scene: a script in the host's language that `requires`
// the plug-ins, sets the units, and creates each node (`createNode`)
// followed by its values (`setAttr ".attr" ...`). Strings are quoted so
// that the host's tokenizer gives them back exactly, numbers so that they
// read back to the same double. A header line and an end line let the
// reader tell a whole file from a cut one.
class AsciiSceneWriter
{
public:
    static constexpr const char* kHeader = "//nbhost ASCII scene";
    static constexpr const char* kEndMark = "// End of ";

    static std::string write(const SceneContents& contents, const std::string& fileName);

    // The shortest text that reads back as the same value; booleans as
    // yes/no; inf, -inf and nan for the values without digits.
    static std::string number(double value, bool boolean);

private:
    static void writeNode(std::ostream& out, const SceneContents::Node& node);
    static void writePlug(std::ostream& out, const SceneContents::Node& node,
                          const SceneContents::Plug& plug);
    static void writeFlags(std::ostream& out, const SceneContents::Plug& plug);
};

} // namespace nbhost
