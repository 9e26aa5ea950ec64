#pragma once
// Render settings common to all renderers. This host fills the output
// resolution from the defaultResolution node.

#include <maya/MTypes.h>

class OPENMAYA_EXPORT MCommonRenderSettingsData
{
public:
    MCommonRenderSettingsData();

    unsigned int width;
    unsigned int height;
    float pixelAspectRatio;
    float deviceAspectRatio;
};
