#pragma once

#include <maya/MCursor.h>
#include <maya/MString.h>

namespace nbhost {

// What a tool context shows while it is the current tool.
struct ContextState
{
    MString title;
    MString help;
    MString images[3];
    MCursor cursor = MCursor::defaultCursor;
};

} // namespace nbhost
