#pragma once

// When the time slider shows the drawing frames of the active layer. The
// values are stored in the settings file and passed in command strings.
enum TimelineFrameDisplay
{
    TIMELINE_FRAME_DISPLAY_ALWAYS = 0,
    TIMELINE_FRAME_DISPLAY_SELECTION_OR_CONTEXT = 1,
    TIMELINE_FRAME_DISPLAY_OFF = 2
};
