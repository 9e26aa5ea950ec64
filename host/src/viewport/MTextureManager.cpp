#include <maya/MTextureManager.h>

#include "core/Output.h"
#include "viewport/TextureData.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace MHWRender {

namespace {
// Textures by name; a name is taken until its last reference goes.
std::map<std::string, MTexture*>& textures()
{
    static std::map<std::string, MTexture*> instance;
    return instance;
}
} // namespace

MTextureDescription::MTextureDescription() { setToDefault2DTexture(); }

void MTextureDescription::setToDefault2DTexture()
{
    fWidth = 0;
    fHeight = 0;
    fDepth = 1;
    fBytesPerRow = 0;
    fBytesPerSlice = 0;
    fMipmaps = 1;
    fArraySlices = 1;
    fFormat = kR8G8B8A8_UNORM;
    fTextureType = kImage2D;
    fEnvMapType = kEnvNone;
}

MTexture::MTexture(const MString& name, nbhost::TextureData* data) : fName(name), fData(data) {}
MTexture::~MTexture() { delete fData; }

MStatus MTexture::update(const void* pixelData, bool, unsigned int rowPitch, MTextureUpdateRegion* region)
{
    if (!pixelData || region)
        return MStatus::kInvalidParameter;
    fData->load(pixelData, rowPitch);
    return MStatus::kSuccess;
}

void MTexture::textureDescription(MTextureDescription& desc) const { desc = fData->description(); }
const MString& MTexture::name() const { return fName; }
unsigned int MTexture::bytesPerPixel() const { return 4; }
bool MTexture::hasAlpha() const { return true; }

void* MTexture::rawData(int& rowPitch, int& slicePitch) const
{
    const QImage& image = fData->image();
    const bool bgra = fData->description().fFormat == kB8G8R8A8;
    const QImage pixels = bgra ? image.rgbSwapped() : image;
    rowPitch = pixels.width() * 4;
    slicePitch = rowPitch * pixels.height();
    auto* data = static_cast<unsigned char*>(std::malloc(size_t(slicePitch)));
    if (!data)
        return nullptr;
    for (int row = 0; row < pixels.height(); ++row)
        std::memcpy(data + size_t(row) * size_t(rowPitch), pixels.constScanLine(row), size_t(rowPitch));
    return data;
}

void MTexture::freeRawData(void* data) { std::free(data); }
void* MTexture::resourceHandle() const { return fData; }
nbhost::TextureData& MTexture::hostData() const { return *fData; }

MTextureManager::MTextureManager() = default;
MTextureManager::~MTextureManager() = default;

MTexture* MTextureManager::acquireTexture(const MString& textureName, const MTextureDescription& textureDesc,
                                          const void* pixelData, bool)
{
    const std::string name = textureName.asChar();
    auto found = textures().find(name);
    if (!name.empty() && found != textures().end()) {
        ++found->second->fReferences;
        return found->second;
    }
    if (!pixelData || !nbhost::TextureData::supports(textureDesc)) {
        nbhost::Output::write(nbhost::Output::Kind::Warning,
                              "acquireTexture: texture \"" + name
                                  + "\" needs pixels in a 2D description of 8-bit RGBA or BGRA.");
        return nullptr;
    }
    auto* data = new nbhost::TextureData(textureDesc);
    data->load(pixelData, textureDesc.fBytesPerRow);
    auto* texture = new MTexture(textureName, data);
    if (!name.empty())
        textures()[name] = texture;
    return texture;
}

void MTextureManager::releaseTexture(MTexture* texture) const
{
    if (!texture || --texture->fReferences > 0)
        return;
    auto found = textures().find(texture->fName.asChar());
    if (found != textures().end() && found->second == texture)
        textures().erase(found);
    delete texture;
}

} // namespace MHWRender
