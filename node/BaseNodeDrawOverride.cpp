#include "node/BaseNodeDrawOverride.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "node/BaseNode.h"
#include "node/BaseNodeUserData.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MTextureManager.h>

#include <QImage>

using namespace MHWRender;

int BaseNodeDrawOverride::overrideCount = 0;

namespace {

BaseNode* NodeOf(const MDagPath& path)
{
    MStatus status;
    MFnDependencyNode fn(path.node(), &status);
    if (!status)
        return nullptr;
    return dynamic_cast<BaseNode*>(fn.userNode());
}

// The texture is uploaded straight from the image's bytes, so anything but a
// tightly packed RGBA image of the expected size would be read out of bounds.
bool IsDrawable(const QImage& image)
{
    const int side = Settings::FINAL_IMAGE_WIDTH;
    return image.width() == side && image.height() == side &&
           image.format() == QImage::Format_RGBA8888 && image.bytesPerLine() == side * 4;
}

} // namespace

MPxDrawOverride* BaseNodeDrawOverride::Creator(const MObject& object)
{
    return new BaseNodeDrawOverride(object);
}

BaseNodeDrawOverride::BaseNodeDrawOverride(const MObject& object)
    : MPxDrawOverride(object, nullptr, true)
{
    textureName = MString("nbpVP2Texture") + overrideCount;
    ++overrideCount;
}

BaseNodeDrawOverride::~BaseNodeDrawOverride()
{
    if (!texture)
        return;
    MRenderer* renderer = MRenderer::theRenderer(true);
    MTextureManager* manager = renderer ? renderer->getTextureManager() : nullptr;
    if (manager)
        manager->releaseTexture(texture);
    texture = nullptr;
}

DrawAPI BaseNodeDrawOverride::supportedDrawAPIs() const
{
    return kAllDevices;
}

bool BaseNodeDrawOverride::hasUIDrawables() const
{
    return true;
}

MBoundingBox BaseNodeDrawOverride::boundingBox(const MDagPath&, const MDagPath&) const
{
    return MBoundingBox(MPoint(0.0, 0.0, 0.0), MPoint(0.0, 0.0, 0.0));
}

bool BaseNodeDrawOverride::isBounded(const MDagPath&, const MDagPath&) const
{
    return false;
}

MUserData* BaseNodeDrawOverride::prepareForDraw(const MDagPath& objPath,
                                                const MDagPath& cameraPath,
                                                const MFrameContext& frameContext,
                                                MUserData* oldData)
{
    BaseNodeUserData* data = dynamic_cast<BaseNodeUserData*>(oldData);
    if (!data)
        data = new BaseNodeUserData;
    BaseNode* node = NodeOf(objPath);
    if (!node)
        return data;

    int x = 0, y = 0, width = 0, height = 0;
    frameContext.getViewportDimensions(x, y, width, height);
    node->UpdateOverlayValues(cameraPath, width, height);
    node->UpdateOverlayPan(cameraPath, frameContext);

    const QString camera = MayaUtil::GetCameraName(cameraPath);
    data->centre = node->GetOverlayCenter();
    data->halfSize = node->GetOverlayScale();
    data->image = node->GetFinalImage(camera);
    data->opacity = node->GetOpacity();
    data->drawOutline = node->DrawTransformOutline(camera);
    if (data->drawOutline)
        node->TransformOutlinePoints(data->corners[0], data->corners[1], data->corners[2],
                                     data->corners[3]);
    return data;
}

bool BaseNodeDrawOverride::UploadImage(const QImage& image)
{
    MRenderer* renderer = MRenderer::theRenderer(false);
    MTextureManager* manager = renderer ? renderer->getTextureManager() : nullptr;
    if (!manager || !IsDrawable(image))
        return false;
    if (!texture) {
        MTextureDescription description;
        description.setToDefault2DTexture();
        description.fWidth = Settings::FINAL_IMAGE_WIDTH;
        description.fHeight = Settings::FINAL_IMAGE_WIDTH;
        description.fDepth = 1;
        description.fBytesPerRow = 0;
        description.fBytesPerSlice = 0;
        description.fMipmaps = 0;
        description.fArraySlices = 1;
        description.fFormat = kR8G8B8A8_UNORM;
        description.fTextureType = kImage2D;
        description.fEnvMapType = kEnvNone;
        texture = manager->acquireTexture(textureName, description, image.constBits(), true);
        if (!texture)
            return false;
    }
    texture->update(image.constBits(), true, 0);
    return true;
}

void BaseNodeDrawOverride::addUIDrawables(const MDagPath&, MUIDrawManager& drawManager,
                                          const MFrameContext&, const MUserData* userData)
{
    const BaseNodeUserData* data = dynamic_cast<const BaseNodeUserData*>(userData);
    if (!data || !data->image || !UploadImage(*data->image))
        return;

    drawManager.beginDrawable(MUIDrawManager::kAutomatic, 0);
    drawManager.setTexture(texture);
    drawManager.setTextureSampler(MSamplerState::kMinMagMipLinear, MSamplerState::kTexClamp);
    drawManager.setTextureMask(static_cast<MBlendState::ChannelMask>(
        MBlendState::kRedChannel | MBlendState::kGreenChannel | MBlendState::kBlueChannel |
        MBlendState::kAlphaChannel));
    drawManager.setColor(MColor(1.0f, 1.0f, 1.0f, data->opacity));
    drawManager.rect2d(data->centre, MVector(0.0, 1.0, 0.0), data->halfSize, data->halfSize, true);
    if (data->drawOutline) {
        drawManager.setLineWidth(1.0f);
        drawManager.setColor(MColor(1.0f, 0.0f, 0.0f, 1.0f));
        for (int i = 0; i < 4; ++i)
            drawManager.line2d(data->corners[i], data->corners[(i + 1) % 4]);
    }
    drawManager.endDrawable();
}
