#pragma once

#include "files/SceneContents.h"

#include <string>

namespace nbhost {

class ByteWriter;

// Writes a binary scene (layout in BinarySceneLayout.h).
class BinarySceneWriter
{
public:
    // False, with the reason in error, when a record is too large for the
    // format's lengths.
    static bool write(const SceneContents& contents, std::string& bytes, std::string* error);

private:
    static bool writeNode(ByteWriter& out, const SceneContents::Node& node);
    static bool writePlug(ByteWriter& out, const SceneContents::Node& node,
                          const SceneContents::Plug& plug);
    static uint8_t flagsOf(const SceneContents::Plug& plug);
};

} // namespace nbhost
