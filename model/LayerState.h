#pragma once

// How a layer may be drawn on. The values are stored in scenes and passed in
// command strings; they never change.
enum LayerState
{
    LAYER_STATE_ANIM = 0,    // a frame is drawn on only at its own time
    LAYER_STATE_STATIC = 1,  // the frame shown at the current time is drawn on, at any time
    LAYER_STATE_LOCKED = 2   // kept here; the node and the frame command refuse edits
};
