#pragma once

// The side of every frame image in pixels: drawings are square. Kept apart
// from the settings so that the raster engine can size its work without them.
constexpr int FRAME_IMAGE_SIDE = 1024;
