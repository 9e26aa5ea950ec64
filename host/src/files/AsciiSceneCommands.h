#pragma once

#include "files/SceneBuilder.h"
#include "script/CommandHost.h"

#include <string>
#include <vector>

namespace nbhost {

// The commands an ASCII scene may run while it is read: createNode,
// setAttr, requires, currentUnit and fileInfo, carried out by a
// SceneBuilder. Any other host command is refused with a clear error, so a
// scene file cannot quit the host, load modules by path or touch files.
class AsciiSceneCommands : public CommandHost
{
public:
    explicit AsciiSceneCommands(SceneBuilder& builder) : m_builder(builder) {}

    bool hasCommand(const std::string& name) const override;
    CommandOutcome runCommand(const std::string& name, const std::vector<Value>& args) override;

private:
    using Args = std::vector<Value>;

    bool createNode(const Args& args, std::string* error);
    bool setAttr(const Args& args, std::string* error);
    bool setValues(const SceneBuilder::Target& target, const std::string& type, const Args& values,
                   std::string* error);
    bool requirePlugin(const Args& args, std::string* error);
    bool currentUnit(const Args& args, std::string* error);

    // "-name" for a flag of the given names, as the value stands.
    static bool isFlag(const Value& value, const char* shortName, const char* longName);
    // A number as the files write them, booleans as yes/no, on/off or true/false.
    static bool toNumber(const Value& value, double& out);

    SceneBuilder& m_builder;
};

} // namespace nbhost
