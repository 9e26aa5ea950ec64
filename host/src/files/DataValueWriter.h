#pragma once

#include <maya/MObject.h>

#include <string>

namespace nbhost {

// Asks a plug-in data value for its stored form: writeASCII for ASCII
// scenes, writeBinary for binary ones. A type that fails (or throws) gets
// its value left out of the file with a warning naming the plug, so that
// the scene is still saved and stays readable.
class DataValueWriter
{
public:
    static bool toText(const MObject& value, const std::string& plugName, std::string& out);
    static bool toBytes(const MObject& value, const std::string& plugName, std::string& out);

private:
    static bool write(const MObject& value, const std::string& plugName, bool binary, std::string& out);
};

} // namespace nbhost
