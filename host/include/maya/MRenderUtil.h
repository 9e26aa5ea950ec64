#pragma once
// Rendering utilities.

#include <maya/MTypes.h>
#include <maya/MCommonRenderSettingsData.h>

class OPENMAYARENDER_EXPORT MRenderUtil
{
public:
    static void getCommonRenderSettings(MCommonRenderSettingsData& rs);
};
