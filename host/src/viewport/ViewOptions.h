#pragma once

namespace nbhost {

// What a view shows besides the drawing of the nodes.
struct ViewOptions
{
    bool grid = true;
    bool resolutionGate = true;
};

} // namespace nbhost
