#pragma once

#include <string>

namespace nbhost {

// Whole-file reads and writes for scene files. A write goes to a new file
// beside the target, which then replaces it, so a failed save never leaves
// the old file half overwritten.
class FileBytes
{
public:
    static bool read(const std::string& path, std::string& bytes, std::string* error);
    static bool write(const std::string& path, const std::string& bytes, std::string* error);
};

} // namespace nbhost
