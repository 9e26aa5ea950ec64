#pragma once

// The drawing tools. The values are stored in settings and passed in
// command strings; they never change.
enum ToolType
{
    TOOL_PENCIL = 0,
    TOOL_BRUSH = 1,
    TOOL_ERASER = 2,
    TOOL_TEXT = 3,
    TOOL_LINE = 4,
    TOOL_ARROW = 5,
    TOOL_ELLIPSE = 6,
    TOOL_RECTANGLE = 7,
    TOOL_TRANSFORM = 8
};
