#pragma once

#include "scene/PlugValue.h"

#include <optional>
#include <string>
#include <vector>

namespace nbhost {

// What a scene file stores, gathered from the scene before it is written:
// the plug-ins it needs, its units, and its nodes with the plugs worth
// storing (changed values, plug-in data, lock and keyable states).
struct SceneContents
{
    struct Plug
    {
        std::string attribute; // short name when it has one
        PlugValue value;       // Kind::None: only the flags are stored
        bool isBoolean = false;
        std::string dataType; // for data values, the type's name
        bool locked = false;
        std::optional<bool> keyable;
        std::optional<bool> channelBox;
    };

    struct Node
    {
        std::string type;
        std::string name;
        std::string parent; // empty under the world
        bool shared = false; // a node of every new scene (the default cameras)
        std::vector<Plug> plugs;
    };

    struct Requirement
    {
        std::string plugin;
        std::string version;
    };

    std::vector<Requirement> requirements;
    std::string linearUnit;
    std::string angleUnit;
    std::string timeUnit;
    std::vector<Node> nodes;
};

} // namespace nbhost
