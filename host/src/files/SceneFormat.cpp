#include "files/SceneFormat.h"

#include "files/BinarySceneLayout.h"

#include <filesystem>

namespace nbhost {

const char* SceneFormat::name(Kind kind) { return kind == Binary ? "nbBinary" : "nbAscii"; }

bool SceneFormat::fromName(const std::string& name, Kind& kind)
{
    if (name == "nbAscii")
        kind = Ascii;
    else if (name == "nbBinary")
        kind = Binary;
    else
        return false;
    return true;
}

SceneFormat::Kind SceneFormat::fromPath(const std::string& path)
{
    return std::filesystem::path(path).extension() == ".nbb" ? Binary : Ascii;
}

SceneFormat::Kind SceneFormat::detect(const std::string& bytes)
{
    return bytes.compare(0, sizeof BinarySceneLayout::kMagic, BinarySceneLayout::kMagic,
                         sizeof BinarySceneLayout::kMagic) == 0
               ? Binary
               : Ascii;
}

} // namespace nbhost
