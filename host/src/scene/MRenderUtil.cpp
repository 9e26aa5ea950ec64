#include <maya/MRenderUtil.h>

#include "scene/Scene.h"

#include <algorithm>

namespace {

int resolutionValue(const char* attr, int fallback)
{
    auto node = nbhost::Scene::instance().find("defaultResolution");
    auto a = node ? node->findAttribute(attr) : nullptr;
    return a ? node->value(*a).asInt() : fallback;
}

} // namespace

MCommonRenderSettingsData::MCommonRenderSettingsData()
    : width(960), height(540), pixelAspectRatio(1.0f), deviceAspectRatio(960.0f / 540.0f)
{
}

void MRenderUtil::getCommonRenderSettings(MCommonRenderSettingsData& rs)
{
    rs = MCommonRenderSettingsData();
    // A resolution below one pixel would divide by zero in callers.
    rs.width = static_cast<unsigned int>(std::max(1, resolutionValue("width", 960)));
    rs.height = static_cast<unsigned int>(std::max(1, resolutionValue("height", 540)));
    rs.deviceAspectRatio = static_cast<float>(rs.width) / static_cast<float>(rs.height);
}
