#include "files/DataValueWriter.h"

#include "core/Output.h"
#include "scene/PluginDataObject.h"

#include <maya/MPxData.h>

#include <exception>
#include <sstream>

namespace nbhost {

bool DataValueWriter::toText(const MObject& value, const std::string& plugName, std::string& out)
{
    return write(value, plugName, false, out);
}

bool DataValueWriter::toBytes(const MObject& value, const std::string& plugName, std::string& out)
{
    return write(value, plugName, true, out);
}

bool DataValueWriter::write(const MObject& value, const std::string& plugName, bool binary,
                            std::string& out)
{
    PluginDataObject* data = PluginDataObject::from(value);
    if (!data || !data->data())
        return false;
    std::ostringstream stream(binary ? std::ios::out | std::ios::binary : std::ios::out);
    std::string why = "its data type reported a failure";
    bool ok = false;
    try {
        const MStatus status = binary ? data->data()->writeBinary(stream) : data->data()->writeASCII(stream);
        ok = status && stream.good();
    } catch (const std::exception& e) {
        why = std::string("its data type threw: ") + e.what();
    } catch (...) {
        why = "its data type threw an exception";
    }
    if (!ok) {
        Output::write(Output::Kind::Warning, "The value of " + plugName + " (" + data->type().name
                                                 + ") was left out of the file: " + why + ".");
        return false;
    }
    out = stream.str();
    return true;
}

} // namespace nbhost
