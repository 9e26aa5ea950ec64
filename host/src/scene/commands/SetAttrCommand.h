#pragma once

#include "scene/commands/SceneCommand.h"
#include "scene/commands/SceneLookup.h"
#include "script/Value.h"

#include <optional>
#include <string>
#include <vector>

namespace nbhost {

// `setAttr [-type t] [-lock b] [-keyable b] [-channelBox b] plug values...`:
// sets a plug ("node.attr", or ".attr" of the last created node) to a
// number, a boolean, the values of a compound's children, a string, or a
// plug-in data value read by the data type from the remaining arguments
// (-type names the data type). Undoable.
//
// The arguments are read by hand: the tokens of a plug-in data value come
// after the flags and may look like anything.
class SetAttrCommand : public SceneCommand
{
public:
    static void* creator();
    MStatus doIt(const MArgList& args) override;

private:
    struct Request
    {
        std::string type;
        std::optional<bool> lock;
        std::optional<bool> keyable;
        std::optional<bool> channelBox;
        std::vector<Value> positional;
    };

    MStatus parse(const MArgList& args, Request& request);
    MStatus recordValues(const SceneLookup::PlugRef& plug, const Request& request);
    MStatus recordData(const SceneLookup::PlugRef& plug, const Request& request);
};

} // namespace nbhost
