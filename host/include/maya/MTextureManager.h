#pragma once
// Textures of the Viewport 2.0 renderer: their description, the texture
// objects and the manager that hands them out by name.

#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MViewport2Renderer.h>

namespace nbhost {
class TextureData;
}

namespace MHWRender {

enum MTextureType
{
    kImage1D = 0,
    kImage1DArray,
    kImage2D,
    kImage2DArray,
    kCubeMap,
    kVolumeTexture,
    kDepthTexture,
    kNumberOfTextureTypes
};

enum MEnvironmentMapType
{
    kEnvNone = 0,
    kEnvSphere,
    kEnvHemiSphere,
    kEnvLatLong,
    kEnvCrossVert,
    kEnvCrossHoriz,
    kEnvCubemap,
    kNumberOfEnvMapTypes
};

class OPENMAYARENDER_EXPORT MTextureDescription
{
public:
    MTextureDescription();
    void setToDefault2DTexture();

    unsigned int fWidth;
    unsigned int fHeight;
    unsigned int fDepth;
    unsigned int fBytesPerRow;   // 0: rows are tightly packed
    unsigned int fBytesPerSlice; // 0: slices are tightly packed
    unsigned int fMipmaps;       // 0: the whole chain
    unsigned int fArraySlices;
    MRasterFormat fFormat;
    MTextureType fTextureType;
    MEnvironmentMapType fEnvMapType;
};

// A rectangle of a texture to update; this host updates whole textures.
class OPENMAYARENDER_EXPORT MTextureUpdateRegion
{
public:
    unsigned int fXRangeMin = 0;
    unsigned int fXRangeMax = 0;
    unsigned int fYRangeMin = 0;
    unsigned int fYRangeMax = 0;
    unsigned int fZRangeMin = 0;
    unsigned int fZRangeMax = 0;
};

class OPENMAYARENDER_EXPORT MTexture
{
public:
    // Replaces the pixels; rowPitch 0 means tightly packed rows. This host
    // updates whole textures and fails for a region.
    MStatus update(const void* pixelData, bool generateMipMaps, unsigned int rowPitch = 0,
                   MTextureUpdateRegion* region = nullptr);
    void textureDescription(MTextureDescription& desc) const;
    const MString& name() const;
    unsigned int bytesPerPixel() const;
    bool hasAlpha() const;
    // A copy of the pixels, tightly packed, that the caller frees with
    // MTexture::freeRawData.
    void* rawData(int& rowPitch, int& slicePitch) const;
    static void freeRawData(void* data);
    void* resourceHandle() const;

    // Host side.
    nbhost::TextureData& hostData() const;

private:
    friend class MTextureManager;
    MTexture(const MString& name, nbhost::TextureData* data);
    ~MTexture();
    MTexture(const MTexture&) = delete;
    MTexture& operator=(const MTexture&) = delete;

    MString fName;
    nbhost::TextureData* fData;
    int fReferences = 1;
};

class OPENMAYARENDER_EXPORT MTextureManager
{
public:
    // A new texture of that name from the description and pixels, or the
    // existing one of that name with one more reference. Null when the
    // description is not one this host can hold (2D textures of 8-bit
    // RGBA or BGRA pixels), or there are no pixels.
    MTexture* acquireTexture(const MString& textureName, const MTextureDescription& textureDesc,
                             const void* pixelData, bool generateMipMaps = true);
    // Drops one reference; the texture goes with the last.
    void releaseTexture(MTexture* texture) const;

private:
    friend class MRenderer;
    MTextureManager();
    ~MTextureManager();
};

} // namespace MHWRender
